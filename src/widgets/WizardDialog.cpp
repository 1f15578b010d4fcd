#include "widgets/WizardDialog.h"

#include "widgets/BaseWindows.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

WizardDialog::WizardDialog(QWidget *parent) : QDialog(parent)
{
    setFont(ProgramFont());
    setWindowFlags((windowFlags() | Qt::WindowMinimizeButtonHint) & ~Qt::WindowContextHelpButtonHint);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *top = new QFrame(this);
    top->setAutoFillBackground(true);
    QPalette white = top->palette();
    white.setColor(QPalette::Window, Qt::white);
    top->setPalette(white);
    auto *topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(14, 10, 14, 10);
    m_title = new QLabel(QStringLiteral("向导标题"), top);
    QFont f = m_title->font();
    f.setBold(true);
    f.setPointSize(11);
    m_title->setFont(f);
    topLayout->addWidget(m_title);
    outer->addWidget(top);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    outer->addWidget(line);

    m_pages = new QStackedWidget(this);
    m_pages->setContentsMargins(12, 10, 12, 10);
    outer->addWidget(m_pages, 1);

    auto *bottomLine = new QFrame(this);
    bottomLine->setFrameShape(QFrame::HLine);
    bottomLine->setFrameShadow(QFrame::Sunken);
    outer->addWidget(bottomLine);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(12, 8, 12, 10);
    buttons->addStretch();
    m_back = new QPushButton(QStringLiteral("上一步(&B)"), this);
    m_next = new QPushButton(QStringLiteral("下一步(&N)"), this);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_finish = new QPushButton(QStringLiteral("完成(&F)"), this);
    for (QPushButton *b : {m_back, m_next, m_cancel, m_finish}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    outer->addLayout(buttons);
    // The client area of the frame: 472 × 333.
    setFixedSize(472, 333);

    connect(m_back, &QPushButton::clicked, this, &WizardDialog::goBack);
    connect(m_next, &QPushButton::clicked, this, &WizardDialog::goNext);
    connect(m_finish, &QPushButton::clicked, this, &WizardDialog::finish);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    updateButtons();
}

int WizardDialog::addPage(QWidget *page, const QString &title)
{
    const int index = m_pages->addWidget(page);
    m_titles.append(title);
    updateButtons();
    return index;
}

int WizardDialog::currentPage() const
{
    return m_pages->currentIndex();
}

int WizardDialog::pageCount() const
{
    return m_pages->count();
}

void WizardDialog::setCurrentPage(int index)
{
    m_pages->setCurrentIndex(index);
    updateButtons();
}

bool WizardDialog::goNext()
{
    const int i = currentPage();
    if (i + 1 >= pageCount() || !leavePage(i)) {
        return false;
    }
    const int target = nextPage(i);
    if (target < 0 || target >= pageCount()) {
        return false;
    }
    setCurrentPage(target);
    return true;
}

bool WizardDialog::goBack()
{
    if (currentPage() <= 0) {
        return false;
    }
    const int target = previousPage(currentPage());
    if (target < 0 || target >= pageCount()) {
        return false;
    }
    setCurrentPage(target);
    return true;
}

bool WizardDialog::finish()
{
    if (currentPage() != pageCount() - 1 || !leavePage(currentPage()) || !onFinish()) {
        return false;
    }
    accept();
    return true;
}

void WizardDialog::updateButtons()
{
    const int i = currentPage();
    const int n = pageCount();
    m_back->setEnabled(i > 0);
    m_next->setEnabled(i >= 0 && i + 1 < n);
    m_finish->setEnabled(n > 0 && i == n - 1);
    if (i >= 0 && i < m_titles.size()) {
        m_title->setText(m_titles[i]);
    }
}
