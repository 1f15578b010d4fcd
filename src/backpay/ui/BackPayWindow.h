#pragma once

#include "backpay/BackPayMonth.h"
#include "backpay/BackPayPosting.h"
#include "backpay/BackPaySheetStore.h"
#include "org/OrgTypes.h"
#include "widgets/BaseWindows.h"

#include <QVariantList>

#include <functional>
#include <memory>
#include <optional>

class BackPayGridModel;
class BackPaySheet;
class Database;
class FileOpener;
class MessageService;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class TaxRates;
struct BackPayGridRow;
struct BackPayQueryStatement;

// The dialogs the back-pay window asks through. The desktop fills them with the real dialogs
// (DesktopBackPayDialogs); window tests answer them.
struct BackPayDialogs
{
    // "补发工资 - 选择年月": the period, or nothing when cancelled.
    std::function<std::optional<BackPayMonth>(const QString &title)> selectPeriod;
    // The month chooser, with the months chosen so far on its right.
    std::function<std::optional<BackPayMonths>(const BackPayMonth &payPeriod,
                                               const BackPayMonths &chosen)>
        chooseMonths;
    // "整部门添加员工": a department code, "0000" for the company.
    std::function<std::optional<QString>()> chooseDept;
    // "选择员工".
    std::function<std::optional<RdEmployee>()> selectEmp;
    ChoosePostingDateHook choosePostingDate;
};

// "补发工资": the pending back-pay sheet, with its tax columns, or the back pay posted in a
// period (read-only). One at most exists in the main window (object name "BackPayWindow").
//
// The window is in one of three states: a pending sheet that is saved (closing asks nothing),
// a pending sheet with unsaved changes (closing and " 查 询 " ask whether to keep it; "no"
// discards the whole back pay), or the posted view, where every editing command answers with
// its "已入账" message. Edits go to the table at once; the save question only decides whether
// the pending back pay is kept.
class BackPayWindow final : public FunctionWindow
{
    Q_OBJECT
public:
    BackPayWindow(Database &db, const TaxRates &rates, MessageService &messages, FileOpener &opener,
                  BackPayDialogs dialogs, QWidget *parent = nullptr);
    ~BackPayWindow() override;

    // Shows the pending sheet as the table holds it (its pay period and months). False when
    // the sheet cannot be read.
    bool openSheet(bool saved);
    // Shows the back pay posted in the period, read-only.
    void showPosted(const BackPayMonth &payPeriod,
                    const std::optional<BackPayQueryStatement> &query);

    bool isPosted() const { return m_posted; }
    // A pending sheet with rows is shown (there is something to post).
    bool showsPendingRows() const { return sheetOpen() && !sheetEmpty(); }
    bool isSaved() const { return m_saved; }
    std::optional<BackPayMonth> payPeriod() const { return m_period; }

    // The commands, as their buttons run them.
    void addDepartment();  // "整部门员工添加"
    void addEmployee();    // "单个员工添加(&A)"
    void deleteEmployee(); // "删除(&D)"
    void calculate();      // " 计 算 "
    void rechooseMonths(); // "重新生成补发月(&N)"
    void post();           // " 过 账 "
    void query();          // " 查 询 "
    void exportExcel();    // "输出&Excel"
    void replaceColumn();  // "替换"
    void locate();         // "快速定位"
    // The save question of closing and of " 查 询 ".
    void askSave();

    QTableView *grid() const { return m_view; }
    BackPayGridModel *model() const { return m_model; }
    QLineEdit *findEdit() const { return m_find; }
    QComboBox *columnBox() const { return m_column; }
    QRadioButton *addButton() const { return m_add; }
    QRadioButton *subtractButton() const { return m_subtract; }
    QRadioButton *setButton() const { return m_set; }
    QLineEdit *amountEdit() const { return m_amount; }
    QLabel *statusLabel() const { return m_status; }
    QPushButton *button(const QString &caption) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildToolBar();
    QWidget *buildToolRow();
    void commitPendingEdit();
    // Shows the refusal when the window shows posted back pay; true then.
    bool refusedWhenPosted(const QString &message);
    void addStaff(const std::function<std::optional<BackPayStaff>()> &choose);
    bool sheetOpen() const;
    bool sheetEmpty() const;
    void reloadSheet();
    void layoutColumns();
    void locateEmployee(const QString &empId);
    std::optional<BackPayGridRow> writeAmount(int row, int column, const QString &text);
    void setStatus();

    Database &m_db;
    const TaxRates &m_rates;
    MessageService &m_messages;
    FileOpener &m_opener;
    BackPayDialogs m_dialogs;
    std::unique_ptr<BackPaySheet> m_sheet;

    std::optional<BackPayMonth> m_period;
    BackPayMonths m_months;
    QString m_postedSql;
    QVariantList m_postedParams;
    QStringList m_postedMoney;
    bool m_posted = false;
    bool m_saved = true;

    BackPayGridModel *m_model = nullptr;
    QTableView *m_view = nullptr;
    QLineEdit *m_find = nullptr;
    QComboBox *m_column = nullptr;
    QRadioButton *m_add = nullptr;
    QRadioButton *m_subtract = nullptr;
    QRadioButton *m_set = nullptr;
    QLineEdit *m_amount = nullptr;
    QLabel *m_status = nullptr;
    QList<QPushButton *> m_buttons;
};
