#pragma once

#include "widgets/BaseWindows.h"

#include <optional>

class QComboBox;
class QDateEdit;
class QSpinBox;

// The posting dialog ("工资过账", and the back pay's): the year and month being posted, shown
// but not editable, and the posting date, picked in a calendar, starting at today.
class PostingDateDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    PostingDateDialog(const QString &title, int year, int month, QWidget *parent = nullptr);

    // The date chosen, "yyyy-mm-dd".
    QString postingDate() const;
    QSpinBox *yearBox() const { return m_year; }
    QComboBox *monthBox() const { return m_month; }
    QDateEdit *dateEdit() const { return m_date; }

private:
    QSpinBox *m_year = nullptr;
    QComboBox *m_month = nullptr;
    QDateEdit *m_date = nullptr;
};

// ChoosePostingDate: runs the dialog; the posting date ("yyyy-mm-dd"), or nothing when it was
// cancelled.
std::optional<QString> ChoosePostingDate(const QString &title, int year, int month,
                                         QWidget *parent = nullptr);
