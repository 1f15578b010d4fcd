#pragma once

#include "widgets/BaseWindows.h"

#include <QDate>

#include <optional>

class QComboBox;
class QDateEdit;
class QSpinBox;

// The posting dialog of wages and back pay: the year and month being posted, shown and not
// editable, and the posting date ("过账日期:"), today to begin with. Caption and title are
// what is posted ("工资过账", "补发工资过账").
class PostingDateDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    PostingDateDialog(const QString &title, int year, int month, QWidget *parent = nullptr);

    QDate postingDate() const;
    QSpinBox *yearBox() const { return m_year; }
    QComboBox *monthBox() const { return m_month; }
    QDateEdit *dateEdit() const { return m_date; }

private:
    QSpinBox *m_year = nullptr;
    QComboBox *m_month = nullptr;
    QDateEdit *m_date = nullptr;
};

// ChoosePostingDate: the date chosen, or nothing when cancelled.
std::optional<QDate> ChoosePostingDate(const QString &title, int year, int month,
                                       QWidget *parent = nullptr);
