#pragma once

#include "payroll/ImportConfig.h"
#include "payroll/WageImport.h"
#include "widgets/WizardDialog.h"

#include <memory>
#include <optional>

class Database;
class FileDialogs;
class ImportFilePage;
class ImportPairingPage;
class ImportResultPage;
class ImportSeparatorPage;
class ImportSheetPage;
class ImportStartLinePage;
class MessageService;
class Progress;
class SourceWorkbook;
struct ImportRows;
struct ImportSourceTable;

// "数据导入向导": a workbook's sheet or a delimited text file copied into importE, its
// columns paired with those of the wage sheet, and the month's draft written from them.
// Pages: the file and month; then the worksheet (a workbook) or the start line and the
// separators (a text file); the pairing; the result.
class WageImportWizard final : public WizardDialog
{
    Q_OBJECT
public:
    enum Page { FilePage, SheetPage, StartLinePage, SeparatorPage, PairingPage, ResultPage };

    // `progress` reports the copy into importE and the final write.
    WageImportWizard(Database &db, MessageService &messages, FileDialogs &files,
                     Progress &progress, QWidget *parent = nullptr);
    ~WageImportWizard() override;

    ImportFilePage *filePage() const { return m_filePage; }
    ImportSheetPage *sheetPage() const { return m_sheetPage; }
    ImportStartLinePage *startLinePage() const { return m_startLinePage; }
    ImportSeparatorPage *separatorPage() const { return m_separatorPage; }
    ImportPairingPage *pairingPage() const { return m_pairingPage; }
    ImportResultPage *resultPage() const { return m_resultPage; }

    ImportFileType fileType() const { return m_fileType; }
    // The month written, once "完成" has written it.
    std::optional<ImportedMonth> importedMonth() const { return m_imported; }

    // The buttons of the pages, callable without clicking.
    void browse();                // "浏览"
    void chooseConfig(int slot);  // a slot of "配置文件"
    bool showSheet();             // "浏览表数据"
    bool saveConfig();            // "保存"

protected:
    bool leavePage(int index) override;
    int nextPage(int index) const override;
    int previousPage(int index) const override;
    bool onFinish() override;

private:
    bool leaveFilePage();
    bool openTextFile();
    bool openWorkbook();
    bool leaveSheetPage();
    bool leaveSeparatorPage();
    bool leavePairingPage();
    void enterPairingPage();
    std::shared_ptr<const ImportSourceTable> readSheet(const QString &name);
    bool copyIntoImportTable(const ImportSourceTable &sheet);
    ImportConfig configToSave() const;

    Database &m_db;
    MessageService &m_messages;
    FileDialogs &m_files;
    Progress &m_progress;

    ImportFileType m_fileType = ImportFileType::None;
    bool m_useConfig = false;
    ImportConfig m_config;
    QString m_text; // the whole text file, for the comma-separated reader
    QStringList m_lines;
    std::unique_ptr<SourceWorkbook> m_workbook;
    QString m_sheetName; // the sheet read last, kept so that it is read once
    std::shared_ptr<const ImportSourceTable> m_sheet;
    std::shared_ptr<const ImportRows> m_rows;
    int m_year = 0;
    int m_month = 0;
    std::optional<ImportedMonth> m_imported;

    ImportFilePage *m_filePage;
    ImportSheetPage *m_sheetPage;
    ImportStartLinePage *m_startLinePage;
    ImportSeparatorPage *m_separatorPage;
    ImportPairingPage *m_pairingPage;
    ImportResultPage *m_resultPage;
};

// ImportWageData: runs the wizard; the month whose rows were written, or nothing when it was
// cancelled. The caller (the wage window's "数据导入(&I)") then shows that month and computes
// it: ComputeImportedMonth on the window's own sheet.
std::optional<ImportedMonth> ImportWageData(Database &db, MessageService &messages,
                                            FileDialogs &files, Progress &progress,
                                            QWidget *parent = nullptr);
