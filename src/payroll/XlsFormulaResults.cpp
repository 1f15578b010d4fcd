#include "payroll/XlsFormulaResults.h"

#include "payroll/ImportSource.h"

#include <QFile>
#include <QStringDecoder>

#include <cstring>

namespace {

quint16 u16(const QByteArray &b, qsizetype at)
{
    return quint16(quint8(b[at])) | quint16(quint8(b[at + 1])) << 8;
}

quint32 u32(const QByteArray &b, qsizetype at)
{
    return quint32(u16(b, at)) | quint32(u16(b, at + 2)) << 16;
}

constexpr quint32 EndOfChain = 0xFFFFFFFE;

// Just enough of a compound document to read one stream by name.
class CompoundFile
{
public:
    explicit CompoundFile(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    std::optional<QByteArray> stream(const QStringList &names)
    {
        if (m_bytes.size() < 512 || !m_bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
            return std::nullopt;
        }
        const int shift = u16(m_bytes, 0x1E);
        if (shift != 9 && shift != 12) {
            return std::nullopt;
        }
        m_sectorSize = 1 << shift;
        if (!readFat()) {
            return std::nullopt;
        }
        const auto directory = chain(u32(m_bytes, 0x30), m_fat, m_sectorSize, nullptr);
        if (!directory) {
            return std::nullopt;
        }
        const quint32 cutoff = u32(m_bytes, 0x38);
        QByteArray root;
        for (qsizetype at = 0; at + 128 <= directory->size(); at += 128) {
            const int nameBytes = u16(*directory, at + 0x40);
            const int type = quint8((*directory)[at + 0x42]);
            const quint32 start = u32(*directory, at + 0x74);
            const quint32 size = u32(*directory, at + 0x78);
            if (type == 5) { // the root: its stream is the mini stream
                const auto mini = chain(start, m_fat, m_sectorSize, nullptr);
                if (!mini) {
                    return std::nullopt;
                }
                root = mini->left(size);
                continue;
            }
            if (type != 2 || nameBytes < 2 || nameBytes > 64) {
                continue;
            }
            const QString name = QString::fromUtf16(
                reinterpret_cast<const char16_t *>(directory->constData() + at), nameBytes / 2 - 1);
            if (!names.contains(name)) {
                continue;
            }
            std::optional<QByteArray> data;
            if (size < cutoff) {
                QList<quint32> miniFat;
                if (!readMiniFat(miniFat)) {
                    return std::nullopt;
                }
                data = chain(start, miniFat, 64, &root);
            } else {
                data = chain(start, m_fat, m_sectorSize, nullptr);
            }
            if (!data || data->size() < qsizetype(size)) {
                return std::nullopt;
            }
            return data->left(size);
        }
        return std::nullopt;
    }

private:
    const char *sector(quint32 n) const
    {
        const qint64 offset = (qint64(n) + 1) * m_sectorSize;
        return offset + m_sectorSize <= m_bytes.size() ? m_bytes.constData() + offset : nullptr;
    }

    bool readFat()
    {
        QList<quint32> fatSectors;
        for (int i = 0; i < 109; ++i) {
            fatSectors << u32(m_bytes, 0x4C + 4 * i);
        }
        quint32 difat = u32(m_bytes, 0x44);
        for (int guard = 0; difat < EndOfChain && guard < 100000; ++guard) {
            const char *s = sector(difat);
            if (!s) {
                return false;
            }
            const QByteArray block(s, m_sectorSize);
            for (int i = 0; i + 1 < m_sectorSize / 4; ++i) {
                fatSectors << u32(block, 4 * i);
            }
            difat = u32(block, m_sectorSize - 4);
        }
        const quint32 count = u32(m_bytes, 0x2C);
        for (quint32 i = 0; i < count && i < quint32(fatSectors.size()); ++i) {
            const char *s = sector(fatSectors[i]);
            if (!s) {
                return false;
            }
            const QByteArray block(s, m_sectorSize);
            for (int j = 0; j < m_sectorSize / 4; ++j) {
                m_fat << u32(block, 4 * j);
            }
        }
        return !m_fat.isEmpty();
    }

    bool readMiniFat(QList<quint32> &miniFat)
    {
        const auto bytes = chain(u32(m_bytes, 0x3C), m_fat, m_sectorSize, nullptr);
        if (!bytes) {
            return false;
        }
        for (qsizetype at = 0; at + 4 <= bytes->size(); at += 4) {
            miniFat << u32(*bytes, at);
        }
        return true;
    }

    // The sectors of a chain joined; from the file, or from `mini` (the mini stream).
    std::optional<QByteArray> chain(quint32 start, const QList<quint32> &table, int size,
                                    const QByteArray *mini) const
    {
        QByteArray out;
        for (quint32 n = start; n < EndOfChain; n = table[n]) {
            if (n >= quint32(table.size()) || out.size() > m_bytes.size()) {
                return std::nullopt; // a broken or looping chain
            }
            if (mini) {
                const qint64 offset = qint64(n) * size;
                if (offset + size > mini->size()) {
                    return std::nullopt;
                }
                out.append(mini->constData() + offset, size);
            } else {
                const char *s = sector(n);
                if (!s) {
                    return std::nullopt;
                }
                out.append(s, size);
            }
        }
        return out;
    }

    QByteArray m_bytes;
    int m_sectorSize = 512;
    QList<quint32> m_fat;
};

QString errorText(int code)
{
    switch (code) {
    case 0x00: return QStringLiteral("#NULL!");
    case 0x07: return QStringLiteral("#DIV/0!");
    case 0x0F: return QStringLiteral("#VALUE!");
    case 0x17: return QStringLiteral("#REF!");
    case 0x1D: return QStringLiteral("#NAME?");
    case 0x24: return QStringLiteral("#NUM!");
    default: return QStringLiteral("#N/A");
    }
}

struct Record
{
    quint16 type;
    QByteArray data;
};

// A text of a BIFF8 record: 8-bit or UTF-16 characters after a flags byte; in BIFF5 bytes of
// the workbook's code page.
QString biffText(const QByteArray &data, qsizetype at, int length, bool biff8,
                 QStringDecoder &codePage)
{
    if (!biff8) {
        return codePage.decode(data.mid(at, length));
    }
    if (at >= data.size()) {
        return {};
    }
    const bool wide = quint8(data[at]) & 0x01;
    ++at;
    if (wide) {
        const qsizetype n = std::min<qsizetype>(length, (data.size() - at) / 2);
        QString s(n, Qt::Uninitialized);
        for (qsizetype i = 0; i < n; ++i) {
            s[i] = QChar(u16(data, at + 2 * i));
        }
        return s;
    }
    return QString::fromLatin1(data.mid(at, length));
}

} // namespace

std::optional<std::vector<XlsFormulaSheet>> ReadXlsFormulaResults(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    CompoundFile compound(file.readAll());
    const auto stream = compound.stream({QStringLiteral("Workbook"), QStringLiteral("Book")});
    if (!stream) {
        return std::nullopt;
    }
    const QByteArray &s = *stream;
    const auto recordAt = [&](qsizetype at) -> std::optional<Record> {
        if (at + 4 > s.size()) {
            return std::nullopt;
        }
        const quint16 size = u16(s, at + 2);
        if (at + 4 + size > s.size()) {
            return std::nullopt;
        }
        return Record{u16(s, at), s.mid(at + 4, size)};
    };

    // The globals: the version, the code page and where each sheet's records begin.
    const auto bof = recordAt(0);
    if (!bof || bof->type != 0x0809 || bof->data.size() < 2) {
        return std::nullopt;
    }
    const bool biff8 = u16(bof->data, 0) == 0x0600;
    QStringDecoder codePage(QStringDecoder::Latin1);
    std::vector<XlsFormulaSheet> sheets;
    std::vector<quint32> offsets;
    for (qsizetype at = 0;;) {
        const auto r = recordAt(at);
        if (!r) {
            return std::nullopt;
        }
        at += 4 + r->data.size();
        if (r->type == 0x000A) {
            break;
        }
        if (r->type == 0x0042 && r->data.size() >= 2 && u16(r->data, 0) == 936) {
            codePage = QStringDecoder("GB18030");
        } else if (r->type == 0x0085 && r->data.size() >= 8) {
            offsets.push_back(u32(r->data, 0));
            const int length = quint8(r->data[6]);
            const QString name = biffText(r->data, 7, length, biff8, codePage);
            sheets.push_back({biff8 || codePage.isValid() ? name : QString(), {}});
        }
    }

    for (std::size_t i = 0; i < sheets.size(); ++i) {
        std::vector<XlsFormulaCell> &cells = sheets[i].cells;
        constexpr std::size_t None = std::size_t(-1);
        std::size_t pendingString = None; // a formula whose text comes next
        for (qsizetype at = offsets[i];;) {
            const auto r = recordAt(at);
            if (!r) {
                return std::nullopt;
            }
            at += 4 + r->data.size();
            if (r->type == 0x000A) {
                break;
            }
            if (r->type == 0x0006 && r->data.size() >= 14) {
                XlsFormulaCell cell{u16(r->data, 0), u16(r->data, 2), {}};
                const QByteArray &d = r->data;
                pendingString = None;
                if (u16(d, 12) == 0xFFFF) {
                    switch (quint8(d[6])) {
                    case 0: // the text follows in a STRING record
                        pendingString = cells.size();
                        cells.push_back(cell);
                        continue;
                    case 1:
                        cell.text = quint8(d[8]) ? QStringLiteral("1") : QStringLiteral("0");
                        break;
                    case 2:
                        cell.text = errorText(quint8(d[8]));
                        break;
                    default:
                        break; // an empty text
                    }
                } else {
                    double value = 0;
                    std::memcpy(&value, d.constData() + 6, sizeof value);
                    cell.text = SheetNumberText(value);
                }
                if (!cell.text.isEmpty()) {
                    cells.push_back(cell);
                }
            } else if (r->type == 0x0207 && pendingString != None && r->data.size() >= 2) {
                cells[pendingString].text = biffText(r->data, 2, u16(r->data, 0), biff8, codePage);
                pendingString = None;
            }
        }
        std::erase_if(cells, [](const XlsFormulaCell &c) { return c.text.isEmpty(); });
    }
    return sheets;
}
