#pragma once

#include <QDate>

class Session;

// The weekly compaction at shutdown.

// What LastCompactDate holds, or `today` when it is missing or not a date.
QDate LastCompactDate(const QDate &today);
// True when the file is due: the last compaction is 7 or more days before `today`. A date
// in the future (the clock was set back) is never due.
bool CompactionDue(const QDate &last, const QDate &today);

// Records the first run's day, and when a compaction is due closes the connection for good
// and compacts the file (a failure leaves the file as it was and does not stop the
// shutdown). True when a compaction ran.
bool CompactAtShutdown(Session &session);
