#include "base/CodeFold.h"

namespace {

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            return false;
        }
    }
    return true;
}

char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

} // namespace

QString FoldCode(QStringView text)
{
    if (isAscii(text)) {
        QString folded(text.size(), Qt::Uninitialized);
        char16_t *out = reinterpret_cast<char16_t *>(folded.data());
        for (qsizetype i = 0; i < text.size(); ++i) {
            out[i] = asciiLower(text[i].unicode());
        }
        return folded;
    }
    // Folding can undo a composition (and NFKC can produce letters that fold), so compose
    // again after folding: the result is stable under both.
    return text.toString()
        .normalized(QString::NormalizationForm_KC)
        .toCaseFolded()
        .normalized(QString::NormalizationForm_KC);
}

int CompareFolded(QStringView a, QStringView b)
{
    if (isAscii(a) && isAscii(b)) {
        const qsizetype n = qMin(a.size(), b.size());
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t x = asciiLower(a[i].unicode());
            const char16_t y = asciiLower(b[i].unicode());
            if (x != y) {
                return x < y ? -1 : 1;
            }
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }
    // Code-unit order of the folds; the ASCII path above is the same order on ASCII texts.
    const int c = QStringView(FoldCode(a)).compare(QStringView(FoldCode(b)), Qt::CaseSensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool SameCode(QStringView a, QStringView b)
{
    return CompareFolded(a, b) == 0;
}
