#include "queries/ui/ThreeFundWindow.h"

#include "base/MessageService.h"
#include "queries/DepartmentChoices.h"
#include "queries/QueryExport.h"
#include "queries/QueryTexts.h"
#include "queries/ui/ResultView.h"

#include <QComboBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const std::array<const char *, ThreeFund::kFunds> kTabs{"个人养老金", "个人医疗保险金",
                                                        "个人住房公积金"};

} // namespace

ThreeFundWindow::ThreeFundWindow(Database &db, MessageService &messages, FileOpener &opener,
                                 QWidget *parent)
    : QueryWindow(db, messages, opener,
                  {QStringLiteral("三项基金"), QStringLiteral("职工‘三项基金’统计"), QString(),
                   false, true},
                  parent)
{
    setObjectName(QStringLiteral("ThreeFundWindow"));
    m_dept = new QComboBox(this);
    m_dept->setObjectName(QStringLiteral("cbxDept"));
    m_dept->setEditable(true);
    m_dept->addItems(DepartmentChoices(db));
    m_dept->setCurrentIndex(-1);
    m_dept->setMinimumWidth(140);
    addInput(QStringLiteral("部门"), m_dept);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabFunds"));
    for (int f = 0; f < ThreeFund::kFunds; ++f) {
        m_views[f] = new ResultView(m_tabs);
        m_tabs->addTab(m_views[f], QString::fromUtf8(kTabs[f]));
    }
    results()->addWidget(m_tabs);
}

QString ThreeFundWindow::exportName(int fund)
{
    return QueryText::ExportFunds.value(fund);
}

void ThreeFundWindow::query()
{
    for (int f = 0; f < ThreeFund::kFunds; ++f) {
        m_views[f]->clearGrid();
        m_exports[f] = {};
    }
    ThreeFund::Run run = ThreeFund::run(m_db, yearText(), m_dept->currentText());
    if (!run.refusal.isEmpty()) {
        m_messages.showInfo(run.refusal);
        return;
    }
    for (int f = 0; f < ThreeFund::kFunds; ++f) {
        if (run.grids[f]) {
            m_views[f]->showGrid(std::move(*run.grids[f]), {65, 0});
            m_exports[f] = run.exports[f];
        }
    }
}

void ThreeFundWindow::exportResult()
{
    const int f = m_tabs->currentIndex();
    if (f >= 0 && m_views[f]->hasRows() && !m_exports[f].isEmpty()) {
        ExportQuery(m_db, m_exports[f], exportName(f), m_opener, m_messages);
    }
}
