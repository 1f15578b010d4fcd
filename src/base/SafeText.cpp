#include "base/SafeText.h"

bool IsForbiddenChar(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0x061C ||
           c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

qsizetype FindForbiddenChar(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsForbiddenChar(text[i].unicode())) {
            return i;
        }
    }
    return -1;
}

QString EscapeForListing(QStringView text)
{
    if (FindForbiddenChar(text) < 0 && !text.contains(u'\\')) {
        return text.toString();
    }
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\t':
            out += QLatin1String("\\t");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        default:
            if (IsForbiddenChar(c.unicode())) {
                out += QLatin1String("\\u") +
                       QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
            } else {
                out += c;
            }
        }
    }
    return out;
}
