#include "ImportWizardFixture.h"

#include "payroll/ImportConfig.h"
#include "payroll/ImportPreviewModel.h"
#include "payroll/ImportTexts.h"
#include "payroll/ui/ImportFilePage.h"
#include "payroll/ui/ImportPairingPage.h"
#include "payroll/ui/ImportResultPage.h"
#include "payroll/ui/ImportSeparatorPage.h"
#include "payroll/ui/ImportSheetPage.h"
#include "payroll/ui/ImportStartLinePage.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

using Page = WageImportWizard::Page;

namespace {

const QString SemicolonFile = QStringLiteral("编号;姓名;工资;奖金\n"
                                             "'E001';张三;5200;\n"
                                             "'E002';李四;4800.5;1000\n"
                                             "'X9';无此人;1;1\n");

qint64 wageRows(TestApp &app, const QString &where = QStringLiteral("1"))
{
    return app.scalar(QStringLiteral("SELECT count(*) FROM Wage WHERE ") + where).toLongLong();
}

} // namespace

class WageImportWizardTest : public QObject
{
    Q_OBJECT
private slots:
    void aTextFileGoesThroughEveryPageAndIsWritten()
    {
        ImportWizardFixture f;
        auto w = f.wizard(f.writeFile(QStringLiteral("三月.txt"), SemicolonFile, true));
        QCOMPARE(w->windowTitle(), QStringLiteral("数据导入向导"));
        QCOMPARE(w->filePage()->path(), f.app.dir() + QStringLiteral("三月.txt"));
        QCOMPARE(w->filePage()->year(), 2005);
        QCOMPARE(w->filePage()->month(), 3);
        QVERIFY(!w->backButton()->isEnabled());
        QVERIFY(!w->finishButton()->isEnabled());

        QVERIFY(w->goNext());
        QCOMPARE(w->currentPage(), int(Page::StartLinePage));
        QCOMPARE(w->startLinePage()->startLine(), 1);
        QVERIFY(w->goNext());
        QCOMPARE(w->currentPage(), int(Page::SeparatorPage));
        // The preview shows the file as it is, decoded from GBK.
        QVERIFY(w->separatorPage()->preview()->toPlainText().startsWith(QStringLiteral("编号;姓名")));
        QVERIFY(w->separatorPage()->button(ImportSeparator::Semicolon)->isChecked());
        QCOMPARE(w->separatorPage()->qualifier(), QStringLiteral("\""));
        w->separatorPage()->setQualifier(QStringLiteral("'"));
        QVERIFY(w->goNext());
        QCOMPARE(w->currentPage(), int(Page::PairingPage));

        ImportPairingPage *pairing = w->pairingPage();
        QCOMPARE(pairing->sources(), QStringList({"编号", "工资", "奖金", "姓名"}));
        QVERIFY(pairing->targets().contains(QStringLiteral("人员编号")));
        QVERIFY(!pairing->targets().contains(QStringLiteral("应发工资")));
        QVERIFY(!w->goNext());
        QCOMPARE(f.messages.lastText(), QStringLiteral("必须指定和人员编号相对应的字段！"));

        pairing->sourceList()->setCurrentRow(pairing->sources().indexOf(QStringLiteral("编号")));
        pairing->targetList()->setCurrentRow(pairing->targets().indexOf(QStringLiteral("人员编号")));
        pairing->pairButton()->click();
        QCOMPARE(pairing->pairList()->topLevelItemCount(), 1);
        QCOMPARE(pairing->pairList()->topLevelItem(0)->text(1), QStringLiteral("="));
        QVERIFY(!pairing->sources().contains(QStringLiteral("编号")));
        QVERIFY(pairing->pair(QStringLiteral("工资"), QStringLiteral("基本工资")));
        QVERIFY(pairing->pair(QStringLiteral("奖金"), QStringLiteral("一次性奖金")));
        QVERIFY(w->goNext());
        QCOMPARE(w->currentPage(), int(Page::ResultPage));
        QVERIFY(w->finishButton()->isEnabled());
        QVERIFY(!w->nextButton()->isEnabled());

        ImportPreviewModel *preview = w->resultPage()->preview();
        QAbstractItemModelTester tester(preview);
        QCOMPARE(preview->rowCount(), 2); // the unknown code is not imported
        QCOMPARE(preview->headerData(2, Qt::Horizontal).toString(), QStringLiteral("人员编号"));
        QCOMPARE(preview->index(1, 0).data().toInt(), 2005);
        QCOMPARE(preview->index(1, 1).data().toInt(), 3);
        QCOMPARE(preview->index(1, 2).data().toString(), QStringLiteral("E002"));
        QCOMPARE(preview->index(1, 3).data().toString(), QStringLiteral("4800.50"));

        f.messages.setNextAnswer(false); // 是否保存配置？ No
        QVERIFY(w->finish());
        QCOMPARE(f.messages.lastText(), QStringLiteral("是否保存配置？"));
        QCOMPARE(w->importedMonth(), (ImportedMonth{2005, 3}));
        QCOMPARE(wageRows(f.app, QStringLiteral("WageMonth = 3 AND WageState = '草稿中'")), 2);
        QCOMPARE(wageRows(f.app, QStringLiteral("EmpId = 'E002' AND 基本工资 = 48005000 AND "
                                                "一次性奖金 = 10000000")), 1);
    }

    void answeringYesToSaveKeepsTheWizardOpen()
    {
        ImportWizardFixture f;
        auto w = f.wizard(f.writeFile(QStringLiteral("a.txt"), QStringLiteral("编号;工资\nE001;1\n")));
        QVERIFY(w->goNext() && w->goNext() && w->goNext());
        QVERIFY(w->pairingPage()->pair(QStringLiteral("编号"), QStringLiteral("人员编号")));
        QVERIFY(w->goNext());
        f.messages.setNextAnswer(true);
        QVERIFY(!w->finish());
        QCOMPARE(w->currentPage(), int(Page::ResultPage));
        QCOMPARE(wageRows(f.app), 0);
        // With a slot chosen nothing is asked (and nothing saved).
        w->resultPage()->setSlot(2);
        f.messages.clear();
        QVERIFY(w->finish());
        QVERIFY(f.messages.boxes().isEmpty());
        QVERIFY(!ImportConfigs::exists(2));
    }

    void theFirstPageChecksFileMonthAndConfiguration()
    {
        ImportWizardFixture f;
        auto w = f.wizard();
        QVERIFY(!w->goNext());
        QCOMPARE(f.messages.lastText(), QStringLiteral("请选择需导入的数据文件！"));

        f.app.exec(QStringLiteral("INSERT INTO Wage (WageYear, WageMonth, WageState, EmpId) "
                                  "VALUES (2005, 1, '已完成', 'E001')"));
        w->filePage()->setPath(f.writeFile(QStringLiteral("a.txt"), QStringLiteral("a;b\n")));
        w->browse(); // cancelled: the path stays
        QVERIFY(!w->goNext());
        QCOMPARE(f.messages.lastText(), QStringLiteral("只能导入2005年2月的数据"));
        QCOMPARE(w->currentPage(), int(Page::FilePage));

        // A slot whose file went away since the wizard opened.
        ImportConfig c;
        c.fileName = QStringLiteral("x.txt");
        c.fileType = ImportFileType::Text;
        QVERIFY(ImportConfigs::write(3, c));
        auto second = f.wizard();
        QCOMPARE(second->filePage()->configBox()->count(), 2);
        QCOMPARE(second->filePage()->configBox()->itemText(1), QStringLiteral("配置文件3"));
        QFile::remove(ImportConfigs::path(3));
        second->chooseConfig(3);
        QCOMPARE(f.messages.lastText(), QStringLiteral("配置文件不存在"));
        QCOMPARE(second->fileType(), ImportFileType::None);
        QCOMPARE(second->filePage()->path(), QString());
    }

    void aWorkbookGoesThroughTheSheetPage()
    {
        ImportWizardFixture f;
        auto w = f.wizard(f.fixture("wages.xlsx"));
        QCOMPARE(w->fileType(), ImportFileType::Excel);
        QVERIFY(w->goNext());
        QCOMPARE(w->currentPage(), int(Page::SheetPage));
        ImportSheetPage *sheets = w->sheetPage();
        QCOMPARE(sheets->sheetBox()->count(), 2);
        QVERIFY(!w->showSheet());
        QCOMPARE(f.messages.lastText(), QStringLiteral("请选择工作表！"));
        QVERIFY(!w->goNext());

        sheets->setSheet(QStringLiteral("三月工资"));
        sheets->showButton()->click();
        QAbstractItemModelTester tester(sheets->preview());
        QCOMPARE(sheets->preview()->rowCount(), 4);
        QCOMPARE(sheets->preview()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("员工编号"));
        QCOMPARE(sheets->preview()->index(2, 0).data().toString(), QStringLiteral("1003"));

        QVERIFY(w->goNext());
        QCOMPARE(w->currentPage(), int(Page::PairingPage));
        QCOMPARE(w->pairingPage()->sources().size(), 6);
        QVERIFY(w->goBack());
        QCOMPARE(w->currentPage(), int(Page::SheetPage));
        QVERIFY(w->goBack());
        QCOMPARE(w->currentPage(), int(Page::FilePage));
    }

    void aSheetWithoutDataRowsSaysSo()
    {
        ImportWizardFixture f;
        auto w = f.wizard(f.fixture("handmade.xlsx"));
        QVERIFY(w->goNext());
        w->sheetPage()->setSheet(QStringLiteral("数据"));
        QVERIFY(w->showSheet());
        w->sheetPage()->setSheet(QStringLiteral("空表"));
        QVERIFY(!w->showSheet());
        QCOMPARE(f.messages.lastText(), QStringLiteral("没有任何数据存在！"));
        QCOMPARE(w->sheetPage()->preview()->rowCount(), 0);
        QVERIFY(!w->goNext());
        QCOMPARE(f.messages.lastText(), QStringLiteral("不能打开Excel工作表,请重新进行！"));
        QCOMPARE(f.messages.boxes().last().kind, ScriptedMessageService::Kind::Warning);
    }

    void aConfigurationsPairsApplyOnlyToItsSheet()
    {
        ImportWizardFixture f;
        ImportConfig c;
        c.fileName = f.fixture("wages.xls");
        c.fileType = ImportFileType::Excel;
        c.tableName = QStringLiteral("三月工资");
        c.pairs = {{QStringLiteral("员工编号"), QStringLiteral("人员编号")},
                   {QStringLiteral("基本工资"), QStringLiteral("基本工资")}};
        QVERIFY(ImportConfigs::write(1, c));

        auto w = f.wizard();
        w->filePage()->configBox()->setCurrentIndex(1);
        emit w->filePage()->configChosen(1);
        QCOMPARE(w->filePage()->path(), c.fileName);
        QCOMPARE(w->fileType(), ImportFileType::Excel);
        QVERIFY(w->goNext());
        QCOMPARE(w->sheetPage()->sheet(), QStringLiteral("三月工资"));
        QVERIFY(w->goNext());
        QCOMPARE(w->pairingPage()->pairs(), c.pairs);
        QVERIFY(!w->pairingPage()->targets().contains(QStringLiteral("人员编号")));

        QVERIFY(w->goBack());
        w->sheetPage()->setSheet(QStringLiteral("说明"));
        QVERIFY(w->goNext());
        QVERIFY(w->pairingPage()->pairs().isEmpty());
        QCOMPARE(w->pairingPage()->sources(), QStringList({"金额", "项目"}));
    }

    void anOtherSeparatorIsSavedAndComesBack()
    {
        ImportWizardFixture f;
        const QString path = f.writeFile(QStringLiteral("b.txt"),
                                         QStringLiteral("编号|工资\n(说明行)\nE001|5\n"));
        {
            auto w = f.wizard(path);
            QVERIFY(w->goNext());
            w->startLinePage()->setStartLine(2);
            QVERIFY(w->goNext());
            w->separatorPage()->button(ImportSeparator::Other)->setChecked(true);
            QVERIFY(!w->goNext());
            QCOMPARE(f.messages.lastText(), QStringLiteral("请输入文本数据的分隔符！"));
            w->separatorPage()->otherEdit()->setText(QStringLiteral("|"));
            QVERIFY(w->goNext());
            QCOMPARE(w->pairingPage()->sources(), QStringList({"编号", "工资"}));
            QVERIFY(w->pairingPage()->pair(QStringLiteral("编号"), QStringLiteral("人员编号")));
            QVERIFY(w->goNext());
            // From the start line on: the note on line 2 is no row.
            QCOMPARE(w->resultPage()->preview()->rowCount(), 1);
            QVERIFY(w->goBack());
            QVERIFY(w->goNext());
            QVERIFY(!w->saveConfig());
            QCOMPARE(f.messages.lastText(), QStringLiteral("请选择配置文件！"));
            w->resultPage()->setSlot(2);
            w->resultPage()->saveButton()->click();
            QCOMPARE(f.messages.lastText(), QStringLiteral("保存完毕！"));
            f.messages.setNextAnswer(false);
            QVERIFY(!w->saveConfig());
            QCOMPARE(f.messages.lastText(), QStringLiteral("配置文件已存在，是否覆盖？"));
        }
        auto w = f.wizard();
        w->chooseConfig(2);
        QCOMPARE(w->filePage()->path(), path);
        QVERIFY(w->goNext());
        QCOMPARE(w->startLinePage()->startLine(), 2);
        QVERIFY(w->goNext());
        QCOMPARE(w->separatorPage()->separator(), ImportSeparator::Other);
        QCOMPARE(w->separatorPage()->otherText(), QStringLiteral("|"));
        QCOMPARE(w->separatorPage()->qualifier(), QStringLiteral("\""));
        QVERIFY(w->goNext());
        QCOMPARE(w->pairingPage()->pairs(),
                 (QList<ImportPair>{{QStringLiteral("编号"), QStringLiteral("人员编号")}}));
        // Back from the pairing page of a text file: the separators.
        QVERIFY(w->goBack());
        QCOMPARE(w->currentPage(), int(Page::SeparatorPage));
        QVERIFY(w->goBack());
        QCOMPARE(w->currentPage(), int(Page::StartLinePage));
    }

    void duplicateEmployeesCloseTheWizardWithoutWriting()
    {
        ImportWizardFixture f;
        auto w = f.wizard(f.writeFile(QStringLiteral("d.csv"),
                                      QStringLiteral("编号,工资\nE001,1\n\"e001\",2\n")));
        QVERIFY(w->goNext() && w->goNext());
        w->separatorPage()->button(ImportSeparator::Comma)->setChecked(true);
        QVERIFY(w->goNext());
        QVERIFY(w->pairingPage()->pair(QStringLiteral("编号"), QStringLiteral("人员编号")));
        QVERIFY(w->goNext());
        w->resultPage()->setSlot(1);
        w->show();
        QVERIFY(!w->finish());
        QCOMPARE(f.messages.lastText(), QStringLiteral("存在重复的人员数据,不能导入数据！"));
        QCOMPARE(w->result(), int(QDialog::Rejected));
        QVERIFY(!w->isVisible());
        QVERIFY(!w->importedMonth());
        QCOMPARE(wageRows(f.app), 0);
    }
};

QTEST_MAIN(WageImportWizardTest)
#include "WageImportWizardTest.moc"
