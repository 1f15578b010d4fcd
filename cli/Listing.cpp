#include "Listing.h"

namespace CliListing {

QString tabField(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') &&
        !value.contains(u'\r')) {
        return value;
    }
    QString quoted = value;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

void print(QTextStream &out, Format format, const QStringList &header,
           const QList<QStringList> &rows)
{
    const bool csv = format == Format::Csv;
    const auto line = [&](const QStringList &values) {
        QStringList fields;
        fields.reserve(values.size());
        for (const QString &v : values) {
            fields << (csv ? csvField(v) : tabField(v));
        }
        out << fields.join(csv ? u',' : u'\t') << (csv ? "\r\n" : "\n");
    };
    line(header);
    for (const QStringList &row : rows) {
        line(row);
    }
}

} // namespace CliListing
