#include "CliRunner.h"

#include <QProcess>

#include <gtest/gtest.h>

QStringList CliRun::lines() const
{
    return out.split(u'\n', Qt::SkipEmptyParts);
}

QHash<QString, QString> CliRun::fields(int line) const
{
    const QStringList all = lines();
    const QStringList header = all.value(0).split(u'\t');
    const QStringList values = all.value(line).split(u'\t');
    QHash<QString, QString> fields;
    for (int i = 0; i < header.size(); ++i) {
        fields.insert(header[i], values.value(i));
    }
    return fields;
}

CliRunner &CliRunner::home(const QString &dir)
{
    m_home = dir;
    return *this;
}

CliRunner &CliRunner::db(const QString &path)
{
    m_db = path;
    return *this;
}

CliRunner &CliRunner::trimErr()
{
    m_trimErr = true;
    return *this;
}

void CliRunner::start(QProcess &p, const QStringList &args) const
{
    QStringList all;
    if (!m_home.isEmpty()) {
        all << QStringLiteral("--home") << m_home;
    }
    all += args;
    if (!m_db.isEmpty()) {
        all << QStringLiteral("--db") << m_db;
    }
    // A command that unexpectedly asks reads the end of its input rather than hanging.
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(QStringLiteral(CORVANE_CLI), all);
}

CliRun CliRunner::run(const QStringList &args) const
{
    QProcess p;
    start(p, args);
    CliRun run;
    if (!p.waitForFinished(60000)) {
        ADD_FAILURE() << "corvane-cli " << args.join(u' ').toStdString() << ": "
                      << p.errorString().toStdString();
        p.kill();
        p.waitForFinished();
    } else if (p.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "corvane-cli " << args.join(u' ').toStdString() << " crashed";
    } else {
        run.code = p.exitCode();
    }
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    if (m_trimErr) {
        run.err = run.err.trimmed();
    }
    return run;
}
