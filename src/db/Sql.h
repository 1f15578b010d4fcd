#pragma once

#include <QString>
#include <QStringList>

// The one way an identifier (a table or column name, which may be Chinese or come from the
// user, like a wage item name) enters SQL text: in double quotes, inner quotes doubled.
QString QuoteIdent(const QString &name);
QString QuoteIdents(const QStringList &names, const QString &separator = QStringLiteral(", "));

// The connection string the program builds and the settings keep, and what the engine
// reads out of it.
QString BuildConnectionString(const QString &dataSource, const QString &password);
struct ConnectionParams
{
    QString dataSource;
    QString password;
};
ConnectionParams ParseConnectionString(const QString &connection);
