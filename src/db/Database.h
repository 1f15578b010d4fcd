#pragma once

#include "db/SqlResult.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;
class Database;

// One prepared statement. Values are bound by position (1-based in SQL, 0-based here);
// Money binds as its ten-thousandths, bool as 0/1, QDate as "yyyy-mm-dd", an invalid or
// null QVariant as NULL.
class Statement
{
public:
    Statement() = default;
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) noexcept;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    ~Statement();

    bool isValid() const { return m_stmt != nullptr; }
    bool bind(int index, const QVariant &value);
    bool bindAll(const QVariantList &values);
    // Runs to completion (statements without rows). Resets afterwards so it can run again.
    bool exec();
    // Steps to the next row; false at the end or on failure (see ok()).
    bool next();
    bool ok() const { return m_ok; }
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    QVariant value(int column) const;
    qint64 int64(int column) const;
    QString text(int column) const;
    // The column's text as the engine holds it (UTF-8), valid until the next step. For readers
    // of many rows that convert the text themselves.
    QByteArrayView rawText(int column) const;
    // Reads the remaining rows into a result.
    std::optional<SqlResult> readAll();

private:
    friend class Database;
    Statement(Database *db, sqlite3_stmt *stmt) : m_db(db), m_stmt(stmt) {}
    void fail();

    Database *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
    bool m_ok = true;
};

// Why a write failed when another program compacted or restored the file under an open
// connection: the connection still sees the old file and must be opened again.
QString DatabaseReplacedMessage();

// The connection to one encrypted database file. Every failure is a return value; the
// engine's message is then in lastError().
class Database
{
public:
    Database() = default;
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;
    ~Database();

    enum class Access { ReadWrite, ReadOnly };

    // How long a statement waits for another connection (this process or another) that holds
    // the file locked, before it fails with "database is locked".
    static constexpr int kBusyTimeoutMs = 5000;

    // Opens an existing file with the database password. A missing file, a wrong password
    // or a file that is not an encrypted database of ours fails; so does a file another
    // connection keeps locked past the busy timeout (then lastErrorWasBusy() is true).
    // ReadOnly is for inspection: nothing is written, not even a leftover journal rolled back.
    bool open(const QString &path, const QString &password, Access access = Access::ReadWrite);
    // Opens the file and password named in a connection string.
    bool openConnection(const QString &connectionString);
    // Creates a new, empty encrypted file, readable by its owner only (0600); fails when the
    // file exists.
    bool create(const QString &path, const QString &password);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }
    QString lastError() const { return m_lastError; }
    // The last failure was another connection holding the file locked (not a fault of the
    // file or the statement): worth saying so, or trying again later.
    bool lastErrorWasBusy() const;
    // The last failure was a write into a file that another program has since replaced.
    bool lastErrorWasReplaced() const;
    // `message`, followed by what to do when the failure was the file being replaced.
    QString failureText(const QString &message) const;
    // Replaces the busy timeout of this connection (kBusyTimeoutMs unless set), also for
    // connections opened later.
    void setBusyTimeout(int milliseconds);

    // Statements without rows.
    bool exec(const QString &sql, const QVariantList &params = {});
    // Statements with rows, read completely.
    std::optional<SqlResult> query(const QString &sql, const QVariantList &params = {});
    // One value of the first row, or nothing (no row or failure).
    std::optional<QVariant> scalar(const QString &sql, const QVariantList &params = {});
    Statement prepare(const QString &sql);

    qint64 lastInsertId() const;
    int changes() const;

    // Schema helpers.
    bool tableExists(const QString &table);
    // The table's columns in their order; empty when the table does not exist.
    QStringList columns(const QString &table);
    bool hasColumn(const QString &table, const QString &column);
    // ALTER TABLE ... ADD COLUMN with the given declaration ("MONEY", "MONEY DEFAULT 0").
    bool addColumn(const QString &table, const QString &column, const QString &declaration);
    // Removes a column by rebuilding the table in one transaction: the other columns keep
    // their order, declarations, keys and defaults, the indexes that do not use the column
    // are made again, and the autonumber sequence goes on where it was.
    bool dropColumn(const QString &table, const QString &column);

    int userVersion();
    bool setUserVersion(int version);

    // Writes a compacted, encrypted copy of the whole database into `emptyFile`, a file the
    // caller made and that is still empty (the copy is never written under a name that might
    // be somebody else's file).
    bool exportCopy(const QString &emptyFile, const QString &password);
    // Writes the database's pages as they are (no compaction) into `emptyFile`.
    bool copyPagesTo(const QString &emptyFile, const QString &password);

    sqlite3 *handle() const { return m_db; }
    void setError(const QString &message, int engineCode = 0)
    {
        m_lastError = message;
        m_lastErrorCode = engineCode;
    }
    int lastErrorCode() const { return m_lastErrorCode; }

private:
    friend class Statement;
    friend class Transaction;
    bool openFile(const QString &path, const QString &password, int flags);
    void takeEngineError();

    sqlite3 *m_db = nullptr;
    QString m_path;
    QString m_lastError;
    int m_lastErrorCode = 0;
    int m_busyTimeoutMs = kBusyTimeoutMs;
    int m_savepointDepth = 0;
};

// A unit of work: everything between construction and commit() lands, or none of it.
// Rolls back in its destructor unless committed. Nests (inner ones are savepoints).
// The outermost one is a write transaction from its start (BEGIN IMMEDIATE): what it reads
// to decide (is this code taken?) cannot be changed by another process before it writes,
// and two writers never deadlock half-way but wait for each other.
class Transaction
{
public:
    explicit Transaction(Database &db);
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    ~Transaction();

    bool isActive() const { return m_active; }
    bool commit();
    void rollback();

private:
    Database &m_db;
    QString m_name;
    bool m_outermost = false;
    bool m_active = false;
};
