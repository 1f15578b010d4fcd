#include "TestApp.h"

#include "base/FileDialogs.h"
#include "base/MessageService.h"
#include "returns/ui/OpenReturn.h"
#include "returns/ui/ReturnPreviewDialog.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <memory>

using Kind = ScriptedMessageService::Kind;
using Box = ScriptedMessageService::Box;

// What the preview showed before the test closed it.
struct Seen
{
    bool shown = false;
    QString title;
    int pages = 0;
    bool hasExport = false;
};

class ReturnPreviewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_app;
    ScriptedMessageService m_messages;
    ScriptedFileDialogs m_files;
    std::optional<ReturnPeriod> m_period;
    int m_asked = 0;

    ReturnContext context()
    {
        return {m_app->db(), m_messages, m_files,
                [] {
                    return WithholdingAgent{QStringLiteral("北方机械厂"), QStringLiteral("110101")};
                },
                [this](QWidget *) {
                    ++m_asked;
                    return m_period;
                }};
    }

    void addTaxedRows(int count)
    {
        m_app->exec(QStringLiteral("begin"));
        for (int i = 0; i < count; ++i) {
            m_app->exec(
                QStringLiteral("insert into TaxIncome (TaxYear, TaxMonth, TaxType, EmpId, EmpName, "
                               "EmpCardNo, EmpType, Income, TaxIncome, TaxRate, TaxMoney) values "
                               "(2005, 9, '工资所得税', ?, '职员', ?, '中方', 10000000, 10000000, "
                               "1000, 1000000)"),
                {QString::number(i), QStringLiteral("1101%1").arg(i, 8, 10, QLatin1Char('0'))});
        }
        m_app->exec(QStringLiteral("commit"));
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TestApp>();
        m_messages.clear();
        m_period = ReturnPeriod{2005, 9};
        m_asked = 0;
    }
    void cleanup() { m_app.reset(); }

    void theReportOfTheMonthOpensInThePreview()
    {
        addTaxedRows(2);
        auto seen = std::make_shared<Seen>();
        QTimer::singleShot(0, this, [seen] {
            auto *d = qobject_cast<ReturnPreviewDialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            seen->shown = true;
            seen->title = d->windowTitle();
            seen->pages = d->findChild<QPrintPreviewWidget *>()->pageCount();
            seen->hasExport = d->findChild<QToolBar *>()->actions().contains(d->exportPdfAction());
            d->reject();
        });
        ReturnContext c = context();
        QVERIFY(OpenReturn(nullptr, c, ReturnKind::Withholding, false));
        QCOMPARE(m_asked, 1);
        QVERIFY(seen->shown);
        QCOMPARE(seen->title, QStringLiteral("代扣代缴个人所得税报告表"));
        QCOMPARE(seen->pages, 2); // 18 rows, then the last row with the closing block
        QVERIFY(seen->hasExport);
        QVERIFY(m_messages.boxes().isEmpty());
    }

    void thePreviewSavesThePdfWhereTheUserSays()
    {
        addTaxedRows(2);
        const QString path = m_app->dir() + QStringLiteral("明细表");
        m_files.setNextFileName(path);
        auto written = std::make_shared<bool>(false);
        QTimer::singleShot(0, this, [written] {
            auto *d = qobject_cast<ReturnPreviewDialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            *written = d->exportPdf();
            d->reject();
        });
        ReturnContext c = context();
        QVERIFY(OpenReturn(nullptr, c, ReturnKind::PaymentDetail, false));
        QVERIFY(*written);
        QVERIFY(QFile::exists(path + QStringLiteral(".pdf")));
        QCOMPARE(m_files.asked, QStringList{QStringLiteral("导出PDF")});
    }

    void aFailedPdfIsReported()
    {
        m_files.setNextFileName(m_app->dir() + QStringLiteral("no/such/folder/x.pdf"));
        QTimer::singleShot(0, this, [] {
            auto *d = qobject_cast<ReturnPreviewDialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            QVERIFY(!d->exportPdf());
            d->reject();
        });
        ReturnContext c = context();
        OpenBlankReturn(nullptr, c, ReturnKind::Withholding);
        QCOMPARE(m_messages.boxes(),
                 (QList<Box>{{Kind::Error, QStringLiteral("PDF文件保存失败！")}}));
    }

    void aCancelledPeriodShowsNothing()
    {
        m_period.reset();
        ReturnContext c = context();
        QVERIFY(!OpenReturn(nullptr, c, ReturnKind::Withholding, true));
        QVERIFY(m_messages.boxes().isEmpty());
    }

    void anUnreadableLedgerIsNoData()
    {
        m_app->exec(QStringLiteral("drop table TaxIncome"));
        ReturnContext c = context();
        QVERIFY(OpenReturn(nullptr, c, ReturnKind::PaymentDetail, false));
        QCOMPARE(m_messages.boxes(),
                 (QList<Box>{{Kind::Info, QStringLiteral("没有任何数据存在！")}}));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void manyRowsAskTheUserToWait()
    {
        addTaxedRows(2000); // with the total row, 2001 rows
        QTimer::singleShot(0, this, [] {
            if (auto *d = QApplication::activeModalWidget()) {
                d->close();
            }
        });
        ReturnContext c = context();
        QVERIFY(OpenReturn(nullptr, c, ReturnKind::Withholding, false));
        QCOMPARE(m_messages.boxes(),
                 (QList<Box>{{Kind::Info, QStringLiteral("数据量大，请等待显示；")}}));
    }

    void blankFormsAreOnePage()
    {
        for (ReturnKind kind : {ReturnKind::Withholding, ReturnKind::PaymentDetail}) {
            auto pages = std::make_shared<int>(0);
            QTimer::singleShot(0, this, [pages] {
                auto *d = qobject_cast<ReturnPreviewDialog *>(QApplication::activeModalWidget());
                QVERIFY(d);
                *pages = d->findChild<QPrintPreviewWidget *>()->pageCount();
                d->reject();
            });
            ReturnContext c = context();
            OpenBlankReturn(nullptr, c, kind);
            QCOMPARE(*pages, 1);
        }
        QCOMPARE(m_asked, 0);
    }
};

QTEST_MAIN(ReturnPreviewTest)
#include "ReturnPreviewTest.moc"
