#pragma once

#include "queries/ThreeFundStatistics.h"
#include "queries/ui/QueryWindow.h"

class QComboBox;
class QTabWidget;
class ResultView;

// "三项基金": the pension, medical insurance and housing fund deductions per employee and
// month over a year, one tab each; the export writes the shown tab.
class ThreeFundWindow final : public QueryWindow
{
    Q_OBJECT
public:
    ThreeFundWindow(Database &db, MessageService &messages, FileOpener &opener,
                    QWidget *parent = nullptr);

    QComboBox *deptBox() const { return m_dept; }
    QTabWidget *tabs() const { return m_tabs; }
    ResultView *view(int fund) const { return m_views.at(fund); }
    const QueryStatement &exportStatement(int fund) const { return m_exports.at(fund); }
    // The export name of a fund's tab.
    static QString exportName(int fund);

    void exportResult() override;

protected:
    void query() override;

private:
    QComboBox *m_dept = nullptr;
    QTabWidget *m_tabs = nullptr;
    std::array<ResultView *, ThreeFund::kFunds> m_views{};
    std::array<QueryStatement, ThreeFund::kFunds> m_exports;
};
