#pragma once

#include "Command.h"

#include "base/MessageService.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

class Database;

// What the payroll, item and ledger commands share: opening the database, the listings, and a
// message service that prints the windows' messages on standard error and remembers whether
// the last one was a refusal (exit 2) or a failure (exit 1).
namespace CliSupport {

bool openDatabase(CliContext &ctx, Database &db);

// A listing: the header line, then one line per row, tab-separated; with `csv` RFC 4180 CSV
// (quoted where needed, CRLF line ends). Tabs and line breaks inside a value would break the
// tab-separated form: there they print as blanks.
void printListing(QTextStream &out, const QStringList &header, const QList<QStringList> &rows,
                  bool csv);

int usage(CliContext &ctx, const QString &text);
int refuse(CliContext &ctx, const QString &text);

// Parses a year (1900..2500) and a month (1..12); prints the refusal and returns false.
bool parsePeriod(CliContext &ctx, const QString &year, const QString &month, int &y, int &m);

// Reads the options of a command with sub-commands: the sub-command, the first positional
// argument (any option of `all` may stand before it), decides through `optionsOf` which options
// are taken. Null when the arguments are refused; the command then returns 2.
std::optional<CliOptions>
parseSubCommand(CliContext &ctx, CliOptions all,
                const std::function<CliOptions(const QString &sub)> &optionsOf);

// Refuses options that are not in `known` (flags and options taking a value alike).
bool onlyKnownOptions(CliContext &ctx, const QStringList &known);

} // namespace CliSupport

// Prints every box on standard error. Questions are answered from `answer` (Yes when unset).
class CliMessages final : public MessageService
{
public:
    explicit CliMessages(QTextStream &err) : m_err(err) {}

    void showError(const QString &text) override;
    void showWarning(const QString &text) override;
    void showInfo(const QString &text) override;
    bool askYesNo(const QString &text) override;

    std::function<std::optional<bool>(const QString &question)> answer;

    bool failed() const { return m_failed; }
    bool refused() const { return m_refused; }
    // The exit code after an operation that did not succeed.
    int exitCode() const { return m_failed ? 1 : 2; }

private:
    QTextStream &m_err;
    bool m_failed = false;
    bool m_refused = false;
};
