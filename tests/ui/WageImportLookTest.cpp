// Shows every page of the import wizard as the clerk sees it and checks that no caption is cut
// off. With CORVANE_SCREENSHOTS=DIR set (scripts/screenshots.sh does) the pages are also saved
// there as PNG files, to be looked at.

#include "ImportWizardFixture.h"

#include "payroll/ImportConfig.h"
#include "payroll/ui/ImportPairingPage.h"
#include "payroll/ui/ImportSeparatorPage.h"
#include "payroll/ui/ImportSheetPage.h"
#include "widgets/BaseWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QtTest>

namespace {

QStringList clipped(QWidget *window)
{
    QStringList out;
    for (QLabel *l : window->findChildren<QLabel *>()) {
        if (l->isVisible() && !l->text().isEmpty() && l->pixmap().isNull() && !l->wordWrap()
            && l->fontMetrics().horizontalAdvance(QString(l->text()).remove(u'&'))
                   > l->contentsRect().width()) {
            out << l->text();
        }
    }
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (b->isVisible() && !b->text().isEmpty() && b->sizeHint().width() > b->width() + 1) {
            out << b->text();
        }
    }
    return out;
}

void look(QWidget *window, const QString &name)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::qWait(50);
    const QStringList cut = clipped(window);
    QVERIFY2(cut.isEmpty(), qPrintable(name + QStringLiteral(": ") + cut.join(QStringLiteral(", "))));
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOTS");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        QVERIFY(window->grab().save(dir + u'/' + name + QStringLiteral(".png")));
    }
}

} // namespace

class WageImportLookTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setFont(ProgramFont()); }

    void textFilePages()
    {
        ImportWizardFixture f;
        ImportConfig c;
        c.fileType = ImportFileType::Text;
        QVERIFY(ImportConfigs::write(1, c));
        const QString text = QStringLiteral("员工编号;姓名;基本工资;岗位津贴;一次性奖金\n"
                                            "E001;张三;5200;300.5;\nE002;李四;4800.25;0;1000\n"
                                            "1003;王五;3000;;\n");
        auto w = f.wizard(f.writeFile(QStringLiteral("三月工资.txt"), text));
        look(w.get(), QStringLiteral("import-1-file"));
        QVERIFY(w->goNext());
        look(w.get(), QStringLiteral("import-2-start-line"));
        QVERIFY(w->goNext());
        look(w.get(), QStringLiteral("import-3-separators"));
        w->separatorPage()->setQualifier(QStringLiteral("'"));
        QVERIFY(w->goNext());
        ImportPairingPage *p = w->pairingPage();
        QVERIFY(p->pair(QStringLiteral("员工编号"), QStringLiteral("人员编号")));
        QVERIFY(p->pair(QStringLiteral("基本工资"), QStringLiteral("基本工资")));
        QVERIFY(p->pair(QStringLiteral("一次性奖金"), QStringLiteral("一次性奖金")));
        look(w.get(), QStringLiteral("import-4-pairing"));
        QVERIFY(w->goNext());
        look(w.get(), QStringLiteral("import-5-result"));
    }

    void worksheetPage()
    {
        ImportWizardFixture f;
        auto w = f.wizard(f.fixture("wages.xlsx"));
        QVERIFY(w->goNext());
        w->sheetPage()->setSheet(QStringLiteral("三月工资"));
        QVERIFY(w->showSheet());
        look(w.get(), QStringLiteral("import-2-worksheet"));
    }
};

QTEST_MAIN(WageImportLookTest)
#include "WageImportLookTest.moc"
