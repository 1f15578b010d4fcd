#pragma once

#include "db/Database.h"

#include <atomic>
#include <thread>

// Another writer on the file, as corvane-cli beside the program: its own connection takes the
// write lock, adds the row `value` to Dict_TaxType at once, and commits `ms` later on a
// thread of its own. committed() tells whether the engine reported the commit done.
class DelayedWriter
{
public:
    DelayedWriter(const QString &path, const QString &value, int ms);
    ~DelayedWriter();

    // Waits for the commit and says whether it was reported done.
    bool committed();

private:
    Database m_db;
    std::thread m_thread;
    std::atomic<bool> m_committed{false};
};
