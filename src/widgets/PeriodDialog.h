#pragma once

#include "widgets/BaseWindows.h"

#include <optional>

class QComboBox;
class QSpinBox;

// A year and a month, the period of a sheet, a return or a list.
struct YearMonth
{
    int year = 0;
    int month = 0;
    bool operator==(const YearMonth &) const = default;
};

// "报表时期": asks for a year (1900 to 2500, changed with the arrows only) and a month (1 to
// 12), both starting at today's. Caption and banner read "报表时期" unless the caller names
// the dialog. Enter moves on to the next field; "确定" takes the period.
class PeriodDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    explicit PeriodDialog(const QString &title = {}, QWidget *parent = nullptr);

    YearMonth period() const;
    QSpinBox *yearBox() const { return m_year; }
    QComboBox *monthBox() const { return m_month; }

private:
    QSpinBox *m_year = nullptr;
    QComboBox *m_month = nullptr;
};

// Runs the dialog; the chosen period, or nothing when it was cancelled.
std::optional<YearMonth> SelectPeriod(const QString &title = {}, QWidget *parent = nullptr);
