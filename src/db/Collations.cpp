#include "db/Collations.h"

#include "base/CodeFold.h"

#include <sqlite3.h>

#include <QCollator>
#include <QLocale>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <cstring>

namespace {

bool isAscii(const unsigned char *bytes, int n)
{
    for (int i = 0; i < n; ++i) {
        if (bytes[i] >= 0x80) {
            return false;
        }
    }
    return true;
}

int lowerAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

int foldCompare(void *, int n1, const void *p1, int n2, const void *p2)
{
    const auto *a = static_cast<const unsigned char *>(p1);
    const auto *b = static_cast<const unsigned char *>(p2);
    if (isAscii(a, n1) && isAscii(b, n2)) {
        const int n = n1 < n2 ? n1 : n2;
        for (int i = 0; i < n; ++i) {
            const int d = lowerAscii(a[i]) - lowerAscii(b[i]);
            if (d != 0) {
                return d;
            }
        }
        return n1 - n2;
    }
    return CompareFolded(QString::fromUtf8(static_cast<const char *>(p1), n1),
                         QString::fromUtf8(static_cast<const char *>(p2), n2));
}

void foldFunction(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const QByteArray folded =
        FoldCode(QString::fromUtf8(text, sqlite3_value_bytes(argv[0]))).toUtf8();
    sqlite3_result_text(context, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

// UTF-8 to UTF-16 without touching the heap for the short texts that names are.
using Utf16Buffer = QVarLengthArray<QChar, 128>;

QStringView decode(const void *bytes, int n, Utf16Buffer &buffer)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    buffer.resize(decoder.requiredSpace(n));
    QChar *end =
        decoder.appendToBuffer(buffer.data(), QByteArrayView(static_cast<const char *>(bytes), n));
    return QStringView(buffer.data(), end - buffer.data());
}

int pinyinCompare(void *collator, int n1, const void *p1, int n2, const void *p2)
{
    // Sorting a sheet compares a department's name with itself far more often than with
    // another's; the same bytes are the same name without asking the collator.
    if (n1 == n2 && std::memcmp(p1, p2, size_t(n1)) == 0) {
        return 0;
    }
    Utf16Buffer left;
    Utf16Buffer right;
    const int c = static_cast<const QCollator *>(collator)->compare(decode(p1, n1, left),
                                                                    decode(p2, n2, right));
    if (c != 0) {
        return c;
    }
    const int common = std::memcmp(p1, p2, size_t(n1 < n2 ? n1 : n2));
    return common != 0 ? common : n1 - n2;
}

void destroyCollator(void *collator)
{
    delete static_cast<QCollator *>(collator);
}

} // namespace

bool RegisterCollations(sqlite3 *db)
{
    auto *pinyin = new QCollator(QLocale(QLocale::Chinese, QLocale::China));
    if (sqlite3_create_collation_v2(db, "PINYIN", SQLITE_UTF8, pinyin, pinyinCompare,
                                    destroyCollator) != SQLITE_OK) {
        // The engine does not take the collator when the registration fails.
        delete pinyin;
        return false;
    }
    return sqlite3_create_collation_v2(db, "FOLD", SQLITE_UTF8, nullptr, foldCompare, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function(db, "fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   foldFunction, nullptr, nullptr) == SQLITE_OK;
}
