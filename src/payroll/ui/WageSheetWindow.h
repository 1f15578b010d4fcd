#pragma once

#include "org/OrgTypes.h"
#include "payroll/WageImport.h"
#include "payroll/WageSheet.h"
#include "payroll/ui/WageGenerationDialog.h"
#include "widgets/BaseWindows.h"
#include "widgets/PeriodDialog.h"

#include <functional>
#include <memory>
#include <optional>

class Database;
class FileOpener;
class MessageService;
class Progress;
class ProgressWindow;
class QAction;
class QLabel;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;
class TaxRates;
class WageCellDelegate;
class WageSheetModel;

// "工资计算": one month's wage sheet. Left the department tree (the company at its root), right
// the sheet with its totals row, below the number of rows in view. Amounts typed into a row
// are held until the row is left; then the row is computed and written and the totals move.
// Rows come and go only through the toolbar. A child window of the main window; one at most.
class WageSheetWindow final : public FunctionWindow
{
    Q_OBJECT
public:
    // The dialogs the window asks (replaced in tests and benchmarks).
    struct Hooks
    {
        std::function<std::optional<YearMonth>(const QString &title, QWidget *parent)> selectPeriod;
        std::function<std::optional<SheetRequest>(QWidget *parent)> chooseSheetPeriod;
        std::function<std::optional<QString>(const QString &title, int year, int month,
                                             QWidget *parent)>
            choosePostingDate;
        std::function<std::optional<RdEmployee>(QWidget *parent)> selectTempEmp;
        // "数据导入向导": the month whose rows were written, or nothing.
        std::function<std::optional<ImportedMonth>(QWidget *parent)> importWageData;
        // Where long runs report; the progress window when not set.
        Progress *progress = nullptr;
    };

    WageSheetWindow(Database &db, const TaxRates &rates, MessageService &messages,
                    FileOpener &opener, const QString &corpName, QWidget *parent = nullptr);
    ~WageSheetWindow() override;

    // The window refuses to open while there is no employee ("请先维护部门员工信息！").
    static bool mayOpen(Database &db, MessageService &messages);

    // The toolbar, left to right.
    void importData();      // "数据导入(&I)"
    void generate();        // "工资生成(&P)"
    void post();            // "过账(&Z)"
    void showBonus();       // "一次性奖金"
    void addTempStaff();    // "添加临时人员"
    void removeTempStaff(); // "删除临时人员"
    void clearDrafts();     // "清除草稿数据"
    void exportSheet();     // "输出Excel"
    void browse();          // "工资浏览"
    void closeWindow();     // "关闭(&C)"

    // Takes in the amount being typed and saves the row it belongs to.
    bool savePending();
    // Shows a department's rows (a tree node by its department name; empty: the root).
    bool selectDepartment(const QString &deptName);

    Hooks hooks;
    QAction *action(const QString &caption) const;
    WageSheet &sheet() { return m_sheet; }
    WageSheetModel *model() const { return m_model; }
    QTableView *grid() const { return m_grid; }
    QTreeWidget *tree() const { return m_tree; }
    QLabel *countLabel() const { return m_count; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildUi();
    void loadTree(const QString &corpName);
    void nodeChanged(QTreeWidgetItem *current);
    void selectRoot();
    void sheetChanged();
    void applyColumns();
    void updateStatus();
    // Whether the month shown is posted; tells the user `refusal` when it is.
    bool refusePosted(const QString &refusal);
    Progress &progress();

    Database &m_db;
    const TaxRates &m_rates;
    MessageService &m_messages;
    FileOpener &m_opener;
    WageSheet m_sheet;
    WageSheetModel *m_model = nullptr;
    WageCellDelegate *m_delegate = nullptr;
    QTableView *m_grid = nullptr;
    QTreeWidget *m_tree = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_period = nullptr;
    QList<QAction *> m_actions;
    std::unique_ptr<ProgressWindow> m_progress;
    bool m_buildingTree = false;
};
