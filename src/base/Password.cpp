#include "base/Password.h"

#include "base/TextHelpers.h"

#include <QStringDecoder>

#include <array>

namespace {

// K[1] .. K[30]; fixed for every installation, because stored passwords depend on it.
constexpr std::array<unsigned, 31> K = {0,   0x5A, 0xC3, 0x17, 0x8E, 0x2B, 0xF4, 0x61, 0x9D,
                                        0x3C, 0xA7, 0x46, 0xD2, 0x0F, 0x7B, 0xE8, 0x53, 0xB6,
                                        0x29, 0x94, 0x6E, 0xC1, 0x38, 0xAF, 0x05, 0x72, 0xDB,
                                        0x4A, 0x8C, 0xF1, 0x1D};

unsigned shift(int i, int k, int n)
{
    return (3u * unsigned(i) * K[31 - k] * unsigned(n)) % 256u;
}

int hexValue(QChar c)
{
    if (c >= u'0' && c <= u'9') {
        return c.unicode() - u'0';
    }
    if (c >= u'A' && c <= u'F') {
        return c.unicode() - u'A' + 10;
    }
    if (c >= u'a' && c <= u'f') {
        return c.unicode() - u'a' + 10;
    }
    return -1;
}

} // namespace

// 18 characters of our own, kept only in this form.
const char *const kDatabasePasswordStored = "634AC767580DCC822DE7495007D07AE6D1B4";

QString EncodePassword(const QString &text)
{
    const QByteArray bytes = ToGbk(text);
    const int n = int(bytes.size());
    const int k = (n % 30) + 1;
    QString out;
    out.reserve(2 * n);
    for (int i = 1; i <= n; ++i) {
        const unsigned b = static_cast<unsigned char>(bytes[i - 1]);
        const unsigned e = ((b - shift(i, k, n) + 256u) % 256u) ^ K[k];
        out += QStringLiteral("%1").arg(e, 2, 16, QLatin1Char('0')).toUpper();
    }
    return out;
}

QString DecodePassword(const QString &text)
{
    const int n = int(text.size() / 2);
    const int k = (n % 30) + 1;
    QByteArray bytes;
    bytes.reserve(n);
    for (int i = 1; i <= n; ++i) {
        const int hi = hexValue(text[2 * (i - 1)]);
        const int lo = hexValue(text[2 * (i - 1) + 1]);
        if (hi < 0 || lo < 0) {
            return {};
        }
        const unsigned v = unsigned(hi * 16 + lo);
        bytes.append(char(((v ^ K[k]) + shift(i, k, n)) % 256u));
    }
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

QString DatabasePassword()
{
    return DecodePassword(QString::fromLatin1(kDatabasePasswordStored));
}
