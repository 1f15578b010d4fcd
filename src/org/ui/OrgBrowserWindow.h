#pragma once

#include "org/DepartmentStore.h"
#include "org/EmployeeListModel.h"
#include "org/EmployeeStore.h"

#include "widgets/BaseWindows.h"

#include <optional>

class Database;
class MessageService;
class QAction;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

// "部门员工维护": the departments as a tree, the employees of the selected department and of
// everything below it as a list, and every department and employee command. The same window
// picks an employee (any, or only temporary staff) for other windows.
//
// A dialog of its own when opened modally (maintenance and the pickers); the main window can
// also put it into an MDI child window, where it is an ordinary widget and "关闭" and Esc
// close that child window.
class OrgBrowserWindow final : public BaseDialog
{
    Q_OBJECT
public:
    enum class Mode { Maintain, SelectEmp, SelectTempEmp };

    OrgBrowserWindow(Database &db, MessageService &messages, const QString &corpName,
                QWidget *parent = nullptr, Mode mode = Mode::Maintain);

    Mode mode() const { return m_mode; }
    std::optional<RdEmployee> chosen() const { return m_chosen; }

    // Department commands.
    void addDept();
    void modifyDept();
    void deleteDept();
    // Employee commands.
    void addEmp();
    void modifyEmp();
    void deleteEmp();
    void moveEmp();
    void search();
    // Takes the current row as the picked employee (picker modes only).
    void choose();

    // For tests and the main window.
    QTreeWidget *tree() const { return m_tree; }
    QTableView *list() const { return m_list; }
    EmployeeListModel *model() const { return m_model; }
    QLineEdit *searchEdit() const { return m_search; }
    QCheckBox *showDepartedBox() const { return m_showDeparted; }
    QPushButton *chooseButton() const { return m_choose; }
    QPushButton *closeButton() const { return m_close; }
    // Selects the node of a department code (and loads its list); false when there is none.
    bool selectDept(const QString &deptId);

public slots:
    // Esc, the close box of a dialog of its own, "关闭".
    void reject() override;

signals:
    void employeeChosen(const RdEmployee &employee);
    // "关闭" was pressed: the owner closes the window.
    void closeRequested();

private:
    void buildUi();
    void loadTree();
    void loadList();
    void nodeChanged(QTreeWidgetItem *current);
    void closeWindow();
    void reloadKeepingEmp(const QString &empId);
    QString currentDeptId() const;
    int currentRow() const;
    void setCurrentRow(int row);
    QTreeWidgetItem *findNode(const QString &deptId) const;

    Database &m_db;
    MessageService &m_messages;
    DepartmentStore m_depts;
    EmployeeStore m_emps;
    QString m_corpName;
    Mode m_mode;
    std::optional<RdEmployee> m_chosen;
    QString m_loadedDeptId; // node whose list is shown; empty after a search
    bool m_buildingTree = false;

    QTreeWidget *m_tree = nullptr;
    QTableView *m_list = nullptr;
    EmployeeListModel *m_model = nullptr;
    QLineEdit *m_search = nullptr;
    QCheckBox *m_showDeparted = nullptr;
    QPushButton *m_choose = nullptr;
    QPushButton *m_close = nullptr;
};

// Opens the browser modally for maintenance.
void ShowDeptEmp(Database &db, MessageService &messages, const QString &corpName,
                 QWidget *parent = nullptr);
// "选择员工": any employee; nothing when the window was closed without a choice.
std::optional<RdEmployee> SelectEmp(Database &db, MessageService &messages,
                                    const QString &corpName, QWidget *parent = nullptr);
// "选择临时员工": only employees of the temporary-staff department "9999" can be chosen.
std::optional<RdEmployee> SelectTempEmp(Database &db, MessageService &messages,
                                        const QString &corpName, QWidget *parent = nullptr);
