#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The options one command takes, read from its arguments. Options may stand anywhere among
// the positional arguments, as "--name value" or "--name=value"; "--" ends the options (what
// follows is positional even when it begins with "-"). Refused, with a message in error():
// an option the command does not take (a typo must not silently drop what it named), an
// option given twice, a valued option without its value, a value given to a flag.
class CliOptions
{
public:
    // `valued`: options that take a value ("--db"); `flags`: options without one ("--all").
    explicit CliOptions(QStringList valued, QStringList flags = {});

    bool parse(const QStringList &args);
    QString error() const { return m_error; }

    bool has(const QString &name) const { return m_values.contains(name); }
    // The option's value, or `fallback` when it was not given.
    QString value(const QString &name, const QString &fallback = {}) const;
    const QStringList &positional() const { return m_positional; }

private:
    bool take(const QString &name, const QString &value);

    QStringList m_valued;
    QStringList m_flags;
    QHash<QString, QString> m_values;
    QStringList m_positional;
    QString m_error;
};
