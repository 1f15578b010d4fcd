#include "db/Database.h"

#include "db/Collations.h"
#include "db/Sql.h"
#include "db/TableDefinition.h"

#include <sqlite3.h>

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool isMoneyDecl(const char *decl)
{
    return decl && qstricmp(decl, "MONEY") == 0;
}

} // namespace

// ---------------------------------------------------------------------------- Statement

Statement::Statement(Statement &&other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_ok(other.m_ok)
{
    other.m_stmt = nullptr;
}

Statement &Statement::operator=(Statement &&other) noexcept
{
    if (this != &other) {
        if (m_stmt) {
            sqlite3_finalize(m_stmt);
        }
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        m_ok = other.m_ok;
        other.m_stmt = nullptr;
    }
    return *this;
}

Statement::~Statement()
{
    if (m_stmt) {
        sqlite3_finalize(m_stmt);
    }
}

void Statement::fail()
{
    m_ok = false;
    if (m_db) {
        m_db->takeEngineError();
    }
}

bool Statement::bind(int index, const QVariant &value)
{
    if (!m_stmt) {
        return false;
    }
    const int i = index + 1;
    int rc = SQLITE_OK;
    const QMetaType type = value.metaType();
    switch (type.id()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        rc = sqlite3_bind_null(m_stmt, i);
        break;
    case QMetaType::QString: {
        const QByteArray utf8 = value.toString().toUtf8();
        rc = sqlite3_bind_text(m_stmt, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        break;
    }
    case QMetaType::Bool:
        rc = sqlite3_bind_int(m_stmt, i, value.toBool() ? 1 : 0);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        rc = sqlite3_bind_int64(m_stmt, i, value.toLongLong());
        break;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        rc = sqlite3_bind_int64(m_stmt, i, qint64(value.toULongLong()));
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        rc = sqlite3_bind_double(m_stmt, i, value.toDouble());
        break;
    case QMetaType::QDate: {
        const QDate d = value.toDate();
        if (!d.isValid()) {
            rc = sqlite3_bind_null(m_stmt, i);
        } else {
            const QByteArray t = d.toString(QStringLiteral("yyyy-MM-dd")).toUtf8();
            rc = sqlite3_bind_text(m_stmt, i, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
        break;
    }
    case QMetaType::QDateTime: {
        const QByteArray t =
            value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
        rc = sqlite3_bind_text(m_stmt, i, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        break;
    }
    case QMetaType::QByteArray: {
        const QByteArray b = value.toByteArray();
        rc = sqlite3_bind_blob(m_stmt, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        break;
    }
    default:
        if (type == QMetaType::fromType<Money>()) {
            rc = sqlite3_bind_int64(m_stmt, i, value.value<Money>().raw());
        } else if (value.isNull()) {
            rc = sqlite3_bind_null(m_stmt, i);
        } else {
            const QByteArray t = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, i, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
        break;
    }
    if (rc != SQLITE_OK) {
        fail();
        return false;
    }
    return true;
}

bool Statement::bindAll(const QVariantList &values)
{
    if (!m_stmt) {
        return false;
    }
    if (values.size() != sqlite3_bind_parameter_count(m_stmt)) {
        m_ok = false;
        if (m_db) {
            m_db->setError(QStringLiteral("参数个数不符: 语句需要 %1 个, 给出 %2 个")
                               .arg(sqlite3_bind_parameter_count(m_stmt))
                               .arg(values.size()));
        }
        return false;
    }
    for (int i = 0; i < values.size(); ++i) {
        if (!bind(i, values[i])) {
            return false;
        }
    }
    return true;
}

bool Statement::exec()
{
    if (!m_stmt || !m_ok) {
        return false;
    }
    int rc;
    do {
        rc = sqlite3_step(m_stmt);
    } while (rc == SQLITE_ROW);
    if (rc != SQLITE_DONE) {
        fail();
        sqlite3_reset(m_stmt);
        return false;
    }
    sqlite3_reset(m_stmt);
    return true;
}

bool Statement::next()
{
    if (!m_stmt || !m_ok) {
        return false;
    }
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc != SQLITE_DONE) {
        fail();
    }
    return false;
}

void Statement::reset()
{
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    m_ok = true;
}

int Statement::columnCount() const
{
    return m_stmt ? sqlite3_column_count(m_stmt) : 0;
}

QString Statement::columnName(int column) const
{
    return m_stmt ? QString::fromUtf8(sqlite3_column_name(m_stmt, column)) : QString();
}

QVariant Statement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER: {
        const qint64 v = sqlite3_column_int64(m_stmt, column);
        if (isMoneyDecl(sqlite3_column_decltype(m_stmt, column))) {
            return QVariant::fromValue(Money::fromRaw(v));
        }
        return QVariant(v);
    }
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column)),
            sqlite3_column_bytes(m_stmt, column)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(m_stmt, column)),
                                   sqlite3_column_bytes(m_stmt, column)));
    default:
        return QVariant();
    }
}

qint64 Statement::int64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

QByteArrayView Statement::rawText(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return QByteArrayView(text, text ? sqlite3_column_bytes(m_stmt, column) : 0);
}

QString Statement::text(int column) const
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column)),
                             sqlite3_column_bytes(m_stmt, column));
}

std::optional<SqlResult> Statement::readAll()
{
    if (!m_stmt || !m_ok) {
        return std::nullopt;
    }
    const int n = columnCount();
    QStringList names;
    names.reserve(n);
    for (int c = 0; c < n; ++c) {
        names << columnName(c);
    }
    QList<QVariantList> rows;
    while (next()) {
        QVariantList row;
        row.reserve(n);
        for (int c = 0; c < n; ++c) {
            row << value(c);
        }
        rows << std::move(row);
    }
    if (!m_ok) {
        sqlite3_reset(m_stmt);
        return std::nullopt;
    }
    sqlite3_reset(m_stmt);
    return SqlResult(std::move(names), std::move(rows));
}

// ---------------------------------------------------------------------------- Database

Database::~Database()
{
    close();
}

void Database::takeEngineError()
{
    if (m_db) {
        const int code = sqlite3_extended_errcode(m_db);
        QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
        // Another program compacted or restored the file while this connection was open: the
        // engine refuses to write into the file the rename took away. Say what happened and
        // what to do, rather than only that the file is read-only.
        if (code == SQLITE_READONLY_DBMOVED) {
            message = DatabaseReplacedMessage() + u'\n' + message;
        }
        setError(message, code);
    } else {
        setError(QStringLiteral("数据库未打开"));
    }
}

QString DatabaseReplacedMessage()
{
    return QStringLiteral("数据库文件已被其他程序压缩或恢复，请重新启动本程序！");
}

bool Database::lastErrorWasReplaced() const
{
    return m_lastErrorCode == SQLITE_READONLY_DBMOVED;
}

QString Database::failureText(const QString &message) const
{
    return lastErrorWasReplaced() ? message + u'\n' + DatabaseReplacedMessage() : message;
}

bool Database::lastErrorWasBusy() const
{
    const int primary = m_lastErrorCode & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

void Database::setBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
    if (m_db) {
        sqlite3_busy_timeout(m_db, milliseconds);
    }
}

bool Database::openFile(const QString &path, const QString &password, int flags)
{
    close();
    setError({});
    sqlite3 *db = nullptr;
    const QByteArray file = path.toUtf8();
    const auto failWith = [&](const char *fallback) {
        if (db) {
            setError(QString::fromUtf8(sqlite3_errmsg(db)), sqlite3_extended_errcode(db));
        } else {
            setError(QString::fromUtf8(fallback));
        }
        sqlite3_close(db);
        return false;
    };
    if (sqlite3_open_v2(file.constData(), &db, flags, nullptr) != SQLITE_OK) {
        return failWith("无法打开文件");
    }
    // Another process may be writing (a command-line run beside the open program): wait for
    // it rather than fail at once.
    sqlite3_busy_timeout(db, m_busyTimeoutMs);
    if (!RegisterCollations(db)) {
        return failWith("无法注册排序规则");
    }
    if (!password.isEmpty()) {
        const QByteArray key = password.toUtf8();
        if (sqlite3_key(db, key.constData(), int(key.size())) != SQLITE_OK) {
            return failWith("无法设置密码");
        }
    }
    // Reading the schema is what tells a wrong password or a foreign file (and what rolls
    // back a journal left by a writer that crashed).
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt);
    }
    const int tables = rc == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    if (rc != SQLITE_ROW) {
        return failWith("无法读取数据库");
    }
    m_db = db;
    m_path = path;
    m_savepointDepth = 0;
    // An empty file reads as an empty database; only a new one may be empty.
    if (tables == 0 && !(flags & SQLITE_OPEN_CREATE)) {
        close();
        setError(QStringLiteral("file is encrypted or is not a database"), SQLITE_NOTADB);
        return false;
    }
    sqlite3_exec(db, "PRAGMA cache_size = -32000", nullptr, nullptr, nullptr);
    return true;
}

bool Database::open(const QString &path, const QString &password, Access access)
{
    if (path.trimmed().isEmpty() || !QFileInfo(path).isFile()) {
        close();
        setError(QStringLiteral("数据库文件不存在: ") + path);
        return false;
    }
    return openFile(path, password,
                    access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
}

bool Database::openConnection(const QString &connectionString)
{
    const ConnectionParams p = ParseConnectionString(connectionString);
    return open(p.dataSource, p.password);
}

bool Database::create(const QString &path, const QString &password)
{
    close();
    if (path.trimmed().isEmpty()) {
        setError(QStringLiteral("没有给出文件名"));
        return false;
    }
    if (path == QLatin1String(":memory:")) {
        return openFile(path, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    }
    // The key ships with the program, so the file's permissions are what keeps others out:
    // the file is made here, exclusively and 0600, before the engine writes into it.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        setError(
            (errno == EEXIST ? QStringLiteral("文件已存在: ") : QStringLiteral("无法创建文件: ")) +
            path);
        return false;
    }
    ::close(fd);
    if (!openFile(path, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
        const QString error = m_lastError;
        const int code = m_lastErrorCode;
        QFile::remove(path);
        setError(error, code);
        return false;
    }
    return true;
}

void Database::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_savepointDepth = 0;
}

Statement Database::prepare(const QString &sql)
{
    if (!m_db) {
        setError(QStringLiteral("数据库未打开"));
        return {};
    }
    sqlite3_stmt *stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK) {
        takeEngineError();
        sqlite3_finalize(stmt);
        return {};
    }
    return Statement(this, stmt);
}

bool Database::exec(const QString &sql, const QVariantList &params)
{
    Statement st = prepare(sql);
    if (!st.isValid()) {
        return false;
    }
    return st.bindAll(params) && st.exec();
}

std::optional<SqlResult> Database::query(const QString &sql, const QVariantList &params)
{
    Statement st = prepare(sql);
    if (!st.isValid() || !st.bindAll(params)) {
        return std::nullopt;
    }
    return st.readAll();
}

std::optional<QVariant> Database::scalar(const QString &sql, const QVariantList &params)
{
    Statement st = prepare(sql);
    if (!st.isValid() || !st.bindAll(params) || !st.next()) {
        return std::nullopt;
    }
    return st.value(0);
}

qint64 Database::lastInsertId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

int Database::changes() const
{
    return m_db ? sqlite3_changes(m_db) : 0;
}

bool Database::tableExists(const QString &table)
{
    const auto v = scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                         "AND name = ? COLLATE NOCASE"),
                          {table});
    return v && v->toLongLong() > 0;
}

QStringList Database::columns(const QString &table)
{
    QStringList names;
    const auto r = query(QStringLiteral("PRAGMA table_info(") + QuoteIdent(table) + u')');
    if (r) {
        for (int i = 0; i < r->rowCount(); ++i) {
            names << r->text(i, QStringLiteral("name"));
        }
    }
    return names;
}

bool Database::hasColumn(const QString &table, const QString &column)
{
    return columns(table).contains(column, Qt::CaseInsensitive);
}

bool Database::addColumn(const QString &table, const QString &column, const QString &declaration)
{
    return exec(QStringLiteral("ALTER TABLE ") + QuoteIdent(table) + QStringLiteral(" ADD COLUMN ")
                + QuoteIdent(column) + u' ' + declaration);
}

bool Database::dropColumn(const QString &table, const QString &column)
{
    const auto createSql = scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = "
                                                 "'table' AND name = ? COLLATE NOCASE"),
                                  {table});
    if (!createSql) {
        setError(QStringLiteral("没有这个表: ") + table);
        return false;
    }
    auto definition = TableDefinition::parse(createSql->toString());
    if (!definition) {
        setError(QStringLiteral("无法读取表的定义: ") + table);
        return false;
    }
    if (!definition->removeColumn(column)) {
        setError(QStringLiteral("没有这个列: ") + column);
        return false;
    }
    if (definition->columnNames().isEmpty()) {
        setError(QStringLiteral("不能删除表的最后一列: ") + column);
        return false;
    }
    const QString actualName = definition->tableName();
    const QStringList kept = definition->columnNames();

    // Indexes that do not use the dropped column are made again after the rebuild.
    QStringList indexSql;
    const auto indexes = query(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = "
                                              "'index' AND tbl_name = ? COLLATE NOCASE AND sql IS "
                                              "NOT NULL"),
                               {actualName});
    if (!indexes) {
        return false;
    }
    for (int i = 0; i < indexes->rowCount(); ++i) {
        const auto info = query(QStringLiteral("PRAGMA index_info(")
                                + QuoteIdent(indexes->text(i, 0)) + u')');
        if (!info) {
            return false;
        }
        bool usesColumn = false;
        for (int r = 0; r < info->rowCount(); ++r) {
            usesColumn |= info->text(r, QStringLiteral("name")).compare(column, Qt::CaseInsensitive) == 0;
        }
        if (!usesColumn) {
            indexSql << indexes->text(i, 1);
        }
    }

    Transaction tx(*this);
    if (!tx.isActive()) {
        return false;
    }
    std::optional<QVariant> sequence;
    if (tableExists(QStringLiteral("sqlite_sequence"))) {
        sequence = scalar(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"),
                          {actualName});
    }
    const QString temp = actualName + QStringLiteral("__rebuild");
    const QString cols = QuoteIdents(kept);
    if (!exec(definition->createStatement(temp))
        || !exec(QStringLiteral("INSERT INTO ") + QuoteIdent(temp) + u'(' + cols
                 + QStringLiteral(") SELECT ") + cols + QStringLiteral(" FROM ")
                 + QuoteIdent(actualName))
        || !exec(QStringLiteral("DROP TABLE ") + QuoteIdent(actualName))
        || !exec(QStringLiteral("ALTER TABLE ") + QuoteIdent(temp) + QStringLiteral(" RENAME TO ")
                 + QuoteIdent(actualName))) {
        return false;
    }
    for (const QString &sql : indexSql) {
        if (!exec(sql)) {
            return false;
        }
    }
    if (sequence) {
        exec(QStringLiteral("DELETE FROM sqlite_sequence WHERE name = ?"), {actualName});
        if (!exec(QStringLiteral("INSERT INTO sqlite_sequence(name, seq) VALUES (?, ?)"),
                  {actualName, *sequence})) {
            return false;
        }
    }
    return tx.commit();
}

int Database::userVersion()
{
    const auto v = scalar(QStringLiteral("PRAGMA user_version"));
    return v ? v->toInt() : -1;
}

bool Database::setUserVersion(int version)
{
    // PRAGMA takes no bound values; the version is a number we produce ourselves.
    return exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
}

bool Database::exportCopy(const QString &emptyFile, const QString &password)
{
    const int version = userVersion();
    // The connection was opened without permission to create files, and ATTACH inherits
    // that: the caller's empty file is a new database to the engine.
    const QFileInfo target(emptyFile);
    if (!target.isFile() || target.size() != 0) {
        setError(QStringLiteral("副本文件不存在或不是空文件: ") + emptyFile);
        return false;
    }
    if (!exec(QStringLiteral("ATTACH DATABASE ? AS corvane_copy KEY ?"), {emptyFile, password})) {
        return false;
    }
    const bool copied = scalar(QStringLiteral("SELECT sqlcipher_export('corvane_copy')")).has_value()
                        && exec(QStringLiteral("PRAGMA corvane_copy.user_version = %1").arg(version));
    const QString error = m_lastError;
    const int code = m_lastErrorCode;
    const bool detached = exec(QStringLiteral("DETACH DATABASE corvane_copy"));
    if (!copied) {
        setError(error, code);
    }
    return copied && detached;
}

bool Database::copyPagesTo(const QString &emptyFile, const QString &password)
{
    const QFileInfo target(emptyFile);
    if (!m_db || !target.isFile() || target.size() != 0) {
        setError(QStringLiteral("副本文件不存在或不是空文件: ") + emptyFile);
        return false;
    }
    Database copy;
    if (!copy.openFile(emptyFile, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
        setError(copy.lastError(), copy.lastErrorCode());
        return false;
    }
    sqlite3_backup *backup = sqlite3_backup_init(copy.m_db, "main", m_db, "main");
    if (!backup) {
        setError(QString::fromUtf8(sqlite3_errmsg(copy.m_db)), sqlite3_extended_errcode(copy.m_db));
        return false;
    }
    // One step: the source is read in one read transaction, so the copy is one moment of it.
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        setError(QString::fromUtf8(sqlite3_errstr(rc)), rc);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------- Transaction

Transaction::Transaction(Database &db) : m_db(db)
{
    m_outermost = m_db.m_savepointDepth == 0;
    m_name = QStringLiteral("corvane_sp_%1").arg(++m_db.m_savepointDepth);
    m_active = m_db.exec(m_outermost ? QStringLiteral("BEGIN IMMEDIATE")
                                     : QStringLiteral("SAVEPOINT ") + m_name);
    if (!m_active) {
        --m_db.m_savepointDepth;
    }
}

Transaction::~Transaction()
{
    if (m_active) {
        rollback();
    }
}

bool Transaction::commit()
{
    if (!m_active) {
        return false;
    }
    if (!m_db.exec(m_outermost ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + m_name)) {
        rollback();
        return false;
    }
    m_active = false;
    --m_db.m_savepointDepth;
    return true;
}

void Transaction::rollback()
{
    if (!m_active) {
        return;
    }
    const QString error = m_db.lastError();
    const int code = m_db.lastErrorCode();
    if (m_outermost) {
        // The engine may have ended the transaction itself (a full disk, say); then there
        // is nothing left to roll back.
        if (!sqlite3_get_autocommit(m_db.handle())) {
            m_db.exec(QStringLiteral("ROLLBACK"));
        }
    } else {
        m_db.exec(QStringLiteral("ROLLBACK TO ") + m_name);
        m_db.exec(QStringLiteral("RELEASE ") + m_name);
    }
    m_db.setError(error, code); // keep the message of what failed, not of the roll-back
    m_active = false;
    --m_db.m_savepointDepth;
}
