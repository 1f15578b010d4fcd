#include "base/TextHelpers.h"

#include "base/MessageService.h"

#include <QStringEncoder>

std::optional<Money> TextToMoney(const QString &text)
{
    if (text.trimmed().isEmpty()) {
        return Money();
    }
    return Money::parse(text);
}

QString FormatMoney(Money value)
{
    return value.toString(2);
}

std::optional<QString> FormatMoneyText(const QString &text)
{
    const auto m = TextToMoney(text);
    if (!m) {
        return std::nullopt;
    }
    return FormatMoney(*m);
}

Money RoundMoney(Money value)
{
    return value.roundedToCents();
}

bool MoneyTextFits(const QString &text)
{
    const QString t = text.trimmed();
    const qsizetype dot = t.indexOf(u'.');
    const qsizetype wholeLength = dot < 0 ? t.size() : dot;
    return wholeLength < 10;
}

QString DateLiteral(const QString &text)
{
    const QString t = text.trimmed();
    return t.isEmpty() ? QStringLiteral("null") : u'#' + t + u'#';
}

QString FormatDateISO(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString EscapeSqlText(const QString &text)
{
    QString s = text;
    return s.replace(u'\'', QStringLiteral("''"));
}

QString EscapeLikeText(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_') {
            s += u'\\';
        }
        s += c;
    }
    return s;
}

QByteArray ToGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

int GbkLength(const QString &text)
{
    return int(ToGbk(text).size());
}

bool ValidateName(const QString &name, const QString &label, MessageService &messages)
{
    if (name.isEmpty()) {
        return true;
    }
    if (name[0] >= u'0' && name[0] <= u'9') {
        messages.showInfo(label + QStringLiteral("不能以数字开头！"));
        return false;
    }
    const QByteArray bytes = ToGbk(name);
    const bool beginsWide = !bytes.isEmpty() && static_cast<unsigned char>(bytes[0]) >= 128;
    if (beginsWide) {
        return true;
    }
    for (const QChar c : name) {
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        if (!letter) {
            messages.showInfo(label + QStringLiteral("不能包含字符\" ") + c + QStringLiteral(" \"！"));
            return false;
        }
    }
    return true;
}
