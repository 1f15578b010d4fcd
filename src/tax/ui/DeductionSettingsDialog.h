#pragma once

#include "widgets/BaseWindows.h"

class Database;
class MessageService;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;
class TaxRates;

// "扣除费用设置": the monthly wage deductions of Chinese and foreign staff, and whether the tax
// returns print the region name before their title. Saving reloads the two wage rate sets so
// that the new deductions apply at once.
class DeductionSettingsDialog final : public BaseDialog
{
    Q_OBJECT
public:
    DeductionSettingsDialog(Database &db, TaxRates &rates, MessageService &messages, QWidget *parent = nullptr);

    QLineEdit *chineseEdit() const { return m_chinese; }
    QLineEdit *foreignEdit() const { return m_foreign; }
    QCheckBox *printRegionBox() const { return m_printRegion; }
    QLineEdit *regionEdit() const { return m_region; }
    QWidget *regionPanel() const { return m_regionPanel; }
    QTabWidget *pages() const { return m_pages; }
    QLabel *heading() const { return m_heading; }

    // "确定": checks, saves and closes; a failed save keeps the dialog open.
    void save();

private:
    void load();
    QWidget *buildDeductionPage();
    QWidget *buildPrintPage();

    Database &m_db;
    TaxRates &m_rates;
    MessageService &m_messages;
    QLabel *m_heading = nullptr;
    QTabWidget *m_pages = nullptr;
    QLineEdit *m_chinese = nullptr;
    QLineEdit *m_foreign = nullptr;
    QCheckBox *m_printRegion = nullptr;
    QWidget *m_regionPanel = nullptr;
    QLineEdit *m_region = nullptr;
};

// "其他设置" in the main menu: the dialog, modal over `parent`.
void ShowDeductionSettings(Database &db, TaxRates &rates, MessageService &messages,
                           QWidget *parent);
