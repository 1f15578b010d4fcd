#include "payroll/SourceText.h"

#include <QFile>
#include <QStringDecoder>

namespace {

std::optional<QString> decodeStrictly(QStringDecoder &decoder, QByteArrayView bytes)
{
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

// Whether the bytes are well-formed GB18030 (and so GBK): ASCII, two-byte characters (lead
// 0x81-0xFE, trail 0x40-0x7E or 0x80-0xFE) and four-byte ones (lead, digit, lead, digit).
// Checked here rather than left to the decoder, which may substitute quietly.
bool isGb18030(QByteArrayView bytes)
{
    const auto lead = [](unsigned char b) { return b >= 0x81 && b <= 0xFE; };
    const auto digit = [](unsigned char b) { return b >= 0x30 && b <= 0x39; };
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (!lead(b) || i + 1 >= n) {
            return false;
        }
        const auto t = static_cast<unsigned char>(bytes[i + 1]);
        if ((t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFE)) {
            i += 2;
        } else if (digit(t) && i + 3 < n && lead(static_cast<unsigned char>(bytes[i + 2]))
                   && digit(static_cast<unsigned char>(bytes[i + 3]))) {
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<SourceText> DecodeSourceText(const QByteArray &bytes)
{
    const QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        if (auto text = decodeStrictly(utf8, view.sliced(3))) {
            return SourceText{*text, SourceEncoding::Utf8};
        }
        return std::nullopt;
    }
    if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(view.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                         : QStringDecoder::Utf16BE);
        if (auto text = decodeStrictly(utf16, view.sliced(2))) {
            return SourceText{*text, SourceEncoding::Utf16};
        }
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    if (auto text = decodeStrictly(utf8, view)) {
        return SourceText{*text, SourceEncoding::Utf8};
    }
    // GB18030 reads every GBK file byte for byte the same and knows the few characters GBK
    // lacks; it is also stricter about sequences that are no characters at all.
    QStringDecoder gbk("GB18030");
    if (!isGb18030(view)) {
        return std::nullopt;
    }
    if (auto text = decodeStrictly(gbk, view)) {
        return SourceText{*text, SourceEncoding::Gbk};
    }
    return std::nullopt;
}

QStringList SplitTextLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r') {
            lines << text.mid(start, i - start).toString();
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < n) {
        lines << text.mid(start).toString();
    }
    return lines;
}

std::optional<SourceText> ReadSourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError) {
        return std::nullopt;
    }
    return DecodeSourceText(bytes);
}
