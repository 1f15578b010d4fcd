#include "widgets/BaseWindows.h"

#include "widgets/Icons.h"
#include "widgets/HelpWindow.h"
#include "widgets/QtMessageService.h"

#include <QFormLayout>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

QFont ProgramFont()
{
    QFont font(QStringList{QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                           QStringLiteral("Noto Sans CJK SC")});
    font.setPointSize(9);
    return font;
}

QLabel *AddLabelledRow(QFormLayout *form, const QString &text, QWidget *field)
{
    auto *label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    form->addRow(label, field);
    return label;
}

void CenterOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

Banner::Banner(const QString &text, const QString &iconName, QWidget *parent)
    : QWidget(parent), m_text(text), m_iconName(iconName)
{
    setObjectName(QStringLiteral("banner"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Banner::setText(const QString &text)
{
    m_text = text;
    update();
}

QSize Banner::sizeHint() const
{
    return {360, 58};
}

void Banner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawLine(0, height() - 1, width(), height() - 1);
    const int iconSize = 40;
    p.drawPixmap(width() - iconSize - 12, (height() - iconSize) / 2,
                 ProgramIcon(m_iconName).pixmap(iconSize, iconSize));
    QFont f = font();
    f.setPointSize(14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x20, 0x30, 0x70));
    p.drawText(QRect(16, 0, width() - iconSize - 40, height()), Qt::AlignVCenter | Qt::AlignLeft,
               m_text);
}

BaseDialog::BaseDialog(QWidget *parent) : QDialog(parent)
{
    setFont(ProgramFont());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setSizeGripEnabled(false);
}

void BaseDialog::showEvent(QShowEvent *event)
{
    if (!isWindow()) {
        // Inside a child window of the main window: the frame sizes and places it, and
        // QDialog's own placing would move it away from the frame's corner.
        QWidget::showEvent(event);
        return;
    }
    QDialog::showEvent(event);
    // A fixed border: the dialog keeps the size its layout gives it.
    if (layout()) {
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    CenterOnScreen(this);
}

OkCancelDialog::OkCancelDialog(Buttons buttons, const QString &banner,
                                   const QString &bannerIcon, QWidget *parent,
                                   const QString &helpKeyword)
    : BaseDialog(parent)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    if (!banner.isEmpty()) {
        m_banner = new Banner(banner, bannerIcon, this);
        outer->addWidget(m_banner);
    }
    auto *inner = new QWidget(this);
    outer->addWidget(inner);

    m_body = new QWidget(inner);
    m_ok = new QPushButton(QStringLiteral("确定"), inner);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    m_cancel = new QPushButton(QStringLiteral("取消"), inner);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setAutoDefault(false);
    if (!helpKeyword.isEmpty()) {
        m_help = new QPushButton(QStringLiteral("帮助(&H)"), inner);
        m_help->setAutoDefault(false);
        connect(m_help, &QPushButton::clicked, this, [helpKeyword] {
            QtMessageService messages;
            ShowHelp(helpKeyword, messages);
        });
    }
    for (QPushButton *b : {m_ok, m_cancel, m_help}) {
        if (b) {
            b->setMinimumWidth(75);
        }
    }

    if (buttons == Buttons::Horizontal) {
        auto *v = new QVBoxLayout(inner);
        v->setContentsMargins(14, 12, 14, 12);
        v->addWidget(m_body);
        auto *bevel = new QFrame(inner);
        bevel->setFrameShape(QFrame::HLine);
        bevel->setFrameShadow(QFrame::Sunken);
        v->addSpacing(6);
        v->addWidget(bevel);
        auto *row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(m_ok);
        row->addWidget(m_cancel);
        if (m_help) {
            row->addWidget(m_help);
        }
        v->addLayout(row);
    } else {
        auto *h = new QHBoxLayout(inner);
        h->setContentsMargins(14, 12, 14, 12);
        h->addWidget(m_body, 1);
        auto *column = new QVBoxLayout;
        column->addWidget(m_ok);
        column->addWidget(m_cancel);
        if (m_help) {
            column->addWidget(m_help);
        }
        column->addStretch();
        h->addSpacing(10);
        h->addLayout(column);
    }
    connect(m_ok, &QPushButton::clicked, this, &OkCancelDialog::pressOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void OkCancelDialog::keepEnterFromSaving()
{
    // Not auto-default either: a dialog without a default button would otherwise promote the
    // first auto-default button when shown.
    m_ok->setDefault(false);
    m_ok->setAutoDefault(false);
}

bool OkCancelDialog::pressOk()
{
    if (!onOk()) {
        return false;
    }
    accept();
    return true;
}

FunctionWindow::FunctionWindow(QWidget *parent) : QWidget(parent)
{
    setFont(ProgramFont());
    setAttribute(Qt::WA_DeleteOnClose);
}
