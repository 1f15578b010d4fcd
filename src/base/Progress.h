#pragma once

#include <QString>

// How a long run (computing a sheet, posting a month) reports its progress. The desktop
// program shows the progress window; tests count the steps.
class Progress
{
public:
    virtual ~Progress() = default;
    // Caption of the window, the hint above the bar, the number of units and the units per
    // step.
    virtual void begin(const QString &caption, const QString &hint, int maximum, int step = 1) = 0;
    // One step forward (one row done).
    virtual void advance() = 0;
    // The run is over; the window goes.
    virtual void finish() = 0;
};

// Counts what a run reported, for tests.
class CountingProgress final : public Progress
{
public:
    void begin(const QString &c, const QString &h, int max, int s) override
    {
        caption = c;
        hint = h;
        maximum = max;
        step = s;
        ++begun;
    }
    void advance() override { ++steps; }
    void finish() override { ++finished; }

    QString caption;
    QString hint;
    int maximum = 0;
    int step = 0;
    int begun = 0;
    int steps = 0;
    int finished = 0;
};
