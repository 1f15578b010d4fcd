#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Text files come from two worlds: Excel and the clerks' own tools write GBK (the Chinese
// code page), newer ones UTF-8 (with or without a byte-order mark), and Excel's "Unicode text"
// UTF-16 with its mark. The bytes decide; nothing is guessed that the bytes contradict.
enum class SourceEncoding { Utf8, Utf16, Gbk };

struct SourceText
{
    QString text;
    SourceEncoding encoding = SourceEncoding::Utf8;
};

// The file's text: by its byte-order mark when it has one, else UTF-8 when every byte sequence
// is valid UTF-8, else GBK. Nothing when the bytes are valid in none of them (a binary file, a
// file in some other code page): decoding it anyway would hand the clerk garbled names.
std::optional<SourceText> DecodeSourceText(const QByteArray &bytes);

// The lines of a text, split at CR LF, LF or CR. A line break at the very end closes the last
// line; it does not start an empty one.
QStringList SplitTextLines(QStringView text);

// Reads and decodes a whole file; nothing when it cannot be read or decoded.
std::optional<SourceText> ReadSourceText(const QString &path);
