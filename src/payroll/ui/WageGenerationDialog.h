#pragma once

#include "payroll/WageGeneration.h"

#include "widgets/BaseWindows.h"

#include <optional>

class Database;
class MessageService;
class QCheckBox;
class QComboBox;
class QSpinBox;

// What the generation dialog settled: the month, the month rule's answer for it (a new sheet
// and its run number, or the draft to continue), and whether to copy last month's wages.
struct SheetRequest
{
    int year = 0;
    int month = 0;
    SheetPeriodChoice choice;
    bool copyLastMonth = false;
};

// "工资生成": the year (1900 to 2500, changed with the arrows only) and month of the sheet to
// make, and "复制上月工资"; both start at today's. "确定" asks the month rule, which explains a
// refusal, and the dialog then stays open for another choice.
class WageGenerationDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    WageGenerationDialog(Database &db, MessageService &messages, QWidget *parent = nullptr);

    SheetRequest request() const { return m_request; }
    QSpinBox *yearBox() const { return m_year; }
    QComboBox *monthBox() const { return m_month; }
    QCheckBox *copyBox() const { return m_copy; }

protected:
    bool onOk() override;

private:
    Database &m_db;
    MessageService &m_messages;
    SheetRequest m_request;
    QSpinBox *m_year = nullptr;
    QComboBox *m_month = nullptr;
    QCheckBox *m_copy = nullptr;
};

// ChooseSheetPeriod: runs the dialog; nothing when it was cancelled.
std::optional<SheetRequest> ChooseSheetPeriod(Database &db, MessageService &messages,
                                              QWidget *parent = nullptr);
