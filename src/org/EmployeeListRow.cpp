#include "org/EmployeeListRow.h"

#include <QStringDecoder>

void EmployeeListRow::setFields(const std::array<QByteArrayView, FieldCount> &utf8)
{
    qsizetype total = 0;
    for (const QByteArrayView &t : utf8) {
        total += t.size();
    }
    // UTF-8 never needs fewer bytes than UTF-16 needs code units, so this is enough room.
    m_text.resize(total);
    QChar *const begin = m_text.data();
    QChar *out = begin;
    QStringDecoder decoder(QStringDecoder::Utf8);
    for (int f = 0; f < FieldCount; ++f) {
        out = decoder.appendToBuffer(out, utf8[f]);
        m_end[f] = int(out - begin);
    }
    m_text.truncate(out - begin);
}

void EmployeeListRow::setFields(const QStringList &texts)
{
    m_text.clear();
    for (int f = 0; f < FieldCount; ++f) {
        m_text += texts.value(f);
        m_end[f] = int(m_text.size());
    }
}
