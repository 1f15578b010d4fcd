#include "payroll/WageRow.h"

#include "payroll/PayrollTexts.h"

void WageRow::setTexts(const std::array<QStringView, TextCount> &texts)
{
    qsizetype total = 0;
    for (QStringView t : texts) {
        total += t.size();
    }
    QString text;
    text.reserve(total);
    for (int i = 0; i < TextCount; ++i) {
        text += texts[std::size_t(i)];
        m_end[std::size_t(i)] = int(text.size());
    }
    m_text = std::move(text);
}

void WageRow::setTexts(const std::array<QByteArrayView, TextCount> &utf8)
{
    qsizetype total = 0;
    for (QByteArrayView t : utf8) {
        total += t.size();
    }
    QString text;
    text.reserve(total); // UTF-8 never has fewer bytes than UTF-16 code units
    for (int i = 0; i < TextCount; ++i) {
        text += QString::fromUtf8(utf8[std::size_t(i)]);
        m_end[std::size_t(i)] = int(text.size());
    }
    m_text = std::move(text);
}

void WageRow::setText(Text t, const QString &value)
{
    std::array<QString, TextCount> copies;
    std::array<QStringView, TextCount> views;
    for (int i = 0; i < TextCount; ++i) {
        copies[std::size_t(i)] = i == t ? value : text(Text(i));
        views[std::size_t(i)] = copies[std::size_t(i)];
    }
    setTexts(views);
}

bool WageRow::isPosted() const
{
    return view(WageState) == WageText::Posted;
}
