#include "queries/ui/QueryWindow.h"

#include "base/AppEnv.h"
#include "widgets/EditHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The database-wait cursor, restored whatever happens.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

QueryWindow::QueryWindow(Database &db, MessageService &messages, FileOpener &opener,
                         const Frame &frame, QWidget *parent)
    : FunctionWindow(parent), m_db(db), m_messages(messages), m_opener(opener)
{
    setWindowTitle(frame.caption);

    m_banner = new Banner(frame.heading, frame.icon, this);

    m_year = new QSpinBox(this);
    m_year->setObjectName(QStringLiteral("edtYear"));
    m_year->setRange(1900, 2500);
    m_year->setValue(Today().year());
    if (frame.withMonth) {
        m_month = new QComboBox(this);
        m_month->setObjectName(QStringLiteral("cbxMonth"));
        for (int m = 1; m <= 12; ++m) {
            m_month->addItem(QString::number(m));
        }
        m_month->setCurrentIndex(Today().month() - 1);
    }

    m_query = new QPushButton(QStringLiteral("查询(&Q)"), this);
    m_export = new QPushButton(QStringLiteral("输出&Excel"), this);
    m_close = new QPushButton(QStringLiteral("关闭(&C)"), this);
    m_query->setObjectName(QStringLiteral("btnQuery"));
    m_export->setObjectName(QStringLiteral("btnExport"));
    m_close->setObjectName(QStringLiteral("btnClose"));
    connect(m_query, &QPushButton::clicked, this, &QueryWindow::runQuery);
    connect(m_export, &QPushButton::clicked, this, &QueryWindow::exportResult);
    connect(m_close, &QPushButton::clicked, this, [this] {
        // Inside the main window the frame around us is what closes.
        if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget())) {
            frame->close();
        } else {
            close();
        }
    });
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, m_close, &QPushButton::click);

    m_inputs = new QHBoxLayout;
    auto *period = new QLabel(QStringLiteral("时期"), this);
    HighlightLabel(period);
    period->setBuddy(m_year);
    m_inputs->addWidget(period);
    m_inputs->addWidget(m_year);
    m_inputs->addWidget(new QLabel(QStringLiteral("年"), this));
    if (m_month) {
        m_inputs->addWidget(m_month);
        m_inputs->addWidget(new QLabel(QStringLiteral("月"), this));
    }

    auto *buttons = new QHBoxLayout;
    buttons->addLayout(m_inputs);
    buttons->addStretch(1);
    buttons->addWidget(m_query);
    buttons->addWidget(m_export);
    buttons->addWidget(m_close);

    auto *top = new QVBoxLayout;
    top->setContentsMargins(8, 6, 8, 0);
    if (!frame.hint.isEmpty()) {
        auto *hint = new QLabel(frame.hint, this);
        hint->setObjectName(QStringLiteral("lblHint"));
        hint->setStyleSheet(QStringLiteral("color: #505050"));
        top->addWidget(hint);
    }
    top->addLayout(buttons);

    m_results = new QVBoxLayout;
    m_results->setContentsMargins(8, 0, 8, 8);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_banner);
    layout->addLayout(top);
    layout->addLayout(m_results, 1);

    if (frame.enterMovesOn) {
        EnterToNextControl(this);
    }
    resize(760, 480);
}

QLabel *QueryWindow::addInput(const QString &label, QWidget *field, bool highlighted)
{
    auto *title = new QLabel(label, this);
    title->setBuddy(field);
    if (highlighted) {
        HighlightLabel(title);
    }
    m_inputs->addSpacing(12);
    m_inputs->addWidget(title);
    m_inputs->addWidget(field);
    return title;
}

QString QueryWindow::yearText() const
{
    return m_year->cleanText();
}

QString QueryWindow::monthText() const
{
    return m_month ? m_month->currentText() : QString();
}

void QueryWindow::runQuery()
{
    WaitCursor wait;
    query();
}
