#include "payroll/ui/ImportSeparatorPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// The preview shows the beginning of a long file; the import reads all of it.
constexpr int PreviewLines = 500;
} // namespace

ImportSeparatorPage::ImportSeparatorPage(QWidget *parent) : QWidget(parent)
{
    m_group = new QButtonGroup(this);
    auto *separators = new QGridLayout;
    const struct
    {
        ImportSeparator id;
        const char *text;
    } choices[] = {{ImportSeparator::Semicolon, "分号(&M)"},
                   {ImportSeparator::Comma, "逗号(&C)"},
                   {ImportSeparator::Blank, "空格(&S)"},
                   {ImportSeparator::Tab, "制表位(&Z)"},
                   {ImportSeparator::Other, "其他"}};
    int column = 0;
    for (const auto &c : choices) {
        auto *b = new QRadioButton(QString::fromUtf8(c.text), this);
        m_group->addButton(b, int(c.id));
        separators->addWidget(b, 0, column++);
    }
    m_other = new QLineEdit(this);
    m_other->setMaximumWidth(40);
    separators->addWidget(m_other, 0, column);
    separators->setColumnStretch(column + 1, 1);
    button(ImportSeparator::Semicolon)->setChecked(true);

    // Kept for the configurations that store it; it changes nothing in the import.
    m_single = new QCheckBox(QStringLiteral("连续分隔符号视为单个处理(&R)"), this);
    m_single->setVisible(false);

    m_qualifier = new QComboBox(this);
    m_qualifier->setEditable(true);
    m_qualifier->addItems({QStringLiteral("\""), QStringLiteral("'")});
    m_qualifier->setCurrentIndex(0);
    auto *qualifierLabel = new QLabel(QStringLiteral("文本识别符号(&Q):"), this);
    qualifierLabel->setBuddy(m_qualifier);
    auto *qualifierRow = new QHBoxLayout;
    qualifierRow->addWidget(qualifierLabel);
    qualifierRow->addWidget(m_qualifier);
    qualifierRow->addStretch();

    m_preview = new QPlainTextEdit(this);
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("请设置分列数据所包含的分隔符号。"), this));
    layout->addLayout(separators);
    layout->addWidget(m_single);
    layout->addLayout(qualifierRow);
    layout->addWidget(new QLabel(QStringLiteral("预览效果"), this));
    layout->addWidget(m_preview, 1);
}

QRadioButton *ImportSeparatorPage::button(ImportSeparator separator) const
{
    return qobject_cast<QRadioButton *>(m_group->button(int(separator)));
}

ImportSeparator ImportSeparatorPage::separator() const
{
    const int id = m_group->checkedId();
    return id < 0 ? ImportSeparator::None : ImportSeparator(id);
}

void ImportSeparatorPage::setSeparator(ImportSeparator separator)
{
    if (QRadioButton *b = button(separator)) {
        b->setChecked(true);
    }
}

QString ImportSeparatorPage::otherText() const
{
    return m_other->text();
}

void ImportSeparatorPage::setOtherText(const QString &text)
{
    m_other->setText(text);
}

QString ImportSeparatorPage::separatorText() const
{
    return SeparatorText(separator(), otherText());
}

QString ImportSeparatorPage::qualifier() const
{
    return m_qualifier->currentText();
}

void ImportSeparatorPage::setQualifier(const QString &qualifier)
{
    m_qualifier->setCurrentText(qualifier);
}

bool ImportSeparatorPage::single() const
{
    return m_single->isChecked();
}

void ImportSeparatorPage::setSingle(bool single)
{
    m_single->setChecked(single);
}

void ImportSeparatorPage::showLines(const QStringList &lines)
{
    m_preview->setPlainText(lines.mid(0, PreviewLines).join(u'\n'));
}
