#include "payroll/ui/WageImportWizard.h"

#include "base/AppEnv.h"
#include "base/FileDialogs.h"
#include "base/MessageService.h"
#include "base/Progress.h"
#include "payroll/ImportPreviewModel.h"
#include "payroll/ImportTableStore.h"
#include "payroll/ImportTextFile.h"
#include "payroll/ImportTexts.h"
#include "payroll/SourceText.h"
#include "payroll/SourceWorkbook.h"
#include "payroll/WageImport.h"
#include "payroll/ui/ImportFilePage.h"
#include "payroll/ui/ImportPairingPage.h"
#include "payroll/ui/ImportResultPage.h"
#include "payroll/ui/ImportSeparatorPage.h"
#include "payroll/ui/ImportSheetPage.h"
#include "payroll/ui/ImportStartLinePage.h"
#include "widgets/EditHelpers.h"

#include <QApplication>
#include <QFileInfo>

namespace {

// Reading a large file takes a moment; the clerk sees the hourglass meanwhile.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

const QString FileFilter = QStringLiteral("文本文件 (*.txt *.csv);;Excel文件 (*.xls *.xlsx)");

} // namespace

WageImportWizard::WageImportWizard(Database &db, MessageService &messages, FileDialogs &files,
                                   Progress &progress, QWidget *parent)
    : WizardDialog(parent), m_db(db), m_messages(messages), m_files(files), m_progress(progress)
{
    setObjectName(QStringLiteral("WageImportWizard"));
    setWindowTitle(ImportText::WizardTitle);
    m_filePage = new ImportFilePage(Today(), ImportConfigs::available(), this);
    m_sheetPage = new ImportSheetPage(this);
    m_startLinePage = new ImportStartLinePage(this);
    m_separatorPage = new ImportSeparatorPage(this);
    m_pairingPage = new ImportPairingPage(this);
    m_resultPage = new ImportResultPage(this);
    addPage(m_filePage, QStringLiteral("选择数据文件和导入月份"));
    addPage(m_sheetPage, QStringLiteral("选择工作表"));
    addPage(m_startLinePage, QStringLiteral("文本导入：导入行起点"));
    addPage(m_separatorPage, QStringLiteral("文本导入：分隔符号"));
    addPage(m_pairingPage, QStringLiteral("匹配数据字段"));
    addPage(m_resultPage, QStringLiteral("显示结果"));
    EnterToNextControl(this);

    connect(m_filePage, &ImportFilePage::browseRequested, this, &WageImportWizard::browse);
    connect(m_filePage, &ImportFilePage::configChosen, this, &WageImportWizard::chooseConfig);
    connect(m_sheetPage, &ImportSheetPage::showRequested, this, [this] { showSheet(); });
    connect(m_resultPage, &ImportResultPage::saveRequested, this, [this] { saveConfig(); });
}

WageImportWizard::~WageImportWizard() = default;

void WageImportWizard::browse()
{
    const QString current = m_filePage->path();
    const QString dir = current.isEmpty() ? GetAppDir() : QFileInfo(current).absolutePath();
    const QString path = m_files.openFile(QStringLiteral("打开"), FileFilter, dir);
    if (path.isEmpty()) {
        return;
    }
    m_filePage->setPath(path);
    // What the file holds decides how it is read, whichever filter showed it.
    m_fileType = IsWorkbookFile(path) ? ImportFileType::Excel : ImportFileType::Text;
    m_filePage->clearConfigSlot();
    m_useConfig = false;
}

void WageImportWizard::chooseConfig(int slot)
{
    m_useConfig = false;
    if (!ImportConfigs::exists(slot)) {
        m_messages.showInfo(ImportText::ConfigMissing);
        m_fileType = ImportFileType::None;
        m_filePage->setPath(QString());
        return;
    }
    const auto config = ImportConfigs::read(slot);
    if (!config) {
        m_messages.showError(ImportText::ConfigReadFailed);
        return;
    }
    m_config = *config;
    m_useConfig = true;
    m_filePage->setPath(m_config.fileName);
    m_fileType = m_config.fileType;
}

int WageImportWizard::nextPage(int index) const
{
    switch (index) {
    case FilePage:
        return m_fileType == ImportFileType::Excel ? SheetPage : StartLinePage;
    case SheetPage:
    case SeparatorPage:
        return PairingPage;
    default:
        return index + 1;
    }
}

int WageImportWizard::previousPage(int index) const
{
    switch (index) {
    case SheetPage:
    case StartLinePage:
        return FilePage;
    case PairingPage:
        return m_fileType == ImportFileType::Excel ? SheetPage : SeparatorPage;
    default:
        return index - 1;
    }
}

bool WageImportWizard::leavePage(int index)
{
    switch (index) {
    case FilePage:
        return leaveFilePage();
    case SheetPage:
        return leaveSheetPage();
    case StartLinePage:
        m_separatorPage->showLines(m_lines);
        return true;
    case SeparatorPage:
        return leaveSeparatorPage();
    case PairingPage:
        return leavePairingPage();
    default:
        return true;
    }
}

bool WageImportWizard::leaveFilePage()
{
    if (m_filePage->year() == 0 || m_filePage->month() == 0) {
        m_messages.showInfo(ImportText::ChooseMonth);
        return false;
    }
    if (m_filePage->path().isEmpty()) {
        m_messages.showInfo(ImportText::ChooseFile);
        return false;
    }
    WageImportStore store(m_db);
    const ImportMonthCheck check =
        CheckImportMonth(store, m_messages, m_filePage->year(), m_filePage->month());
    if (check == ImportMonthCheck::Refused || check == ImportMonthCheck::Failed) {
        return false;
    }
    m_year = m_filePage->year();
    m_month = m_filePage->month();
    switch (m_fileType) {
    case ImportFileType::Text:
        return openTextFile();
    case ImportFileType::Excel:
        return openWorkbook();
    case ImportFileType::None:
        break;
    }
    return false;
}

bool WageImportWizard::openTextFile()
{
    std::optional<SourceText> text;
    {
        WaitCursor wait;
        text = ReadSourceText(m_filePage->path());
    }
    if (!text) {
        m_messages.showError(ImportText::TextOpenFailed);
        return false;
    }
    m_text = text->text;
    m_lines = SplitTextLines(m_text);
    m_startLinePage->setStartLine(m_useConfig ? m_config.startLineValue() : 1);
    if (m_useConfig && m_config.separate != ImportSeparator::None) {
        m_separatorPage->setSeparator(m_config.separate);
        m_separatorPage->setOtherText(
            m_config.separate == ImportSeparator::Other ? m_config.separateTxt : QString());
        m_separatorPage->setQualifier(m_config.txtIdentify);
        m_separatorPage->setSingle(m_config.isSingle);
    }
    return true;
}

bool WageImportWizard::openWorkbook()
{
    m_sheet.reset();
    m_sheetName.clear();
    {
        WaitCursor wait;
        m_workbook = OpenSourceWorkbook(m_filePage->path());
    }
    if (!m_workbook) {
        m_messages.showError(ImportText::ExcelOpenFailed);
        return false;
    }
    const QStringList sheets = m_workbook->sheetNames();
    m_sheetPage->setSheets(sheets);
    if (m_useConfig) {
        m_sheetPage->setSheet(FindSheet(sheets, m_config.tableName));
    }
    return true;
}

std::shared_ptr<const ImportSourceTable> WageImportWizard::readSheet(const QString &name)
{
    if (m_sheet && m_sheetName == name) {
        return m_sheet;
    }
    WaitCursor wait;
    auto table = m_workbook ? m_workbook->readSheet(name) : std::nullopt;
    if (!table) {
        return nullptr;
    }
    m_sheetName = name;
    m_sheet = std::make_shared<const ImportSourceTable>(std::move(*table));
    return m_sheet;
}

bool WageImportWizard::showSheet()
{
    const QString name = m_sheetPage->sheet();
    if (name.isEmpty()) {
        m_messages.showInfo(ImportText::ChooseSheet);
        return false;
    }
    const auto sheet = readSheet(name);
    if (!sheet) {
        m_messages.showWarning(ImportText::SheetOpenFailed);
        return false;
    }
    if (sheet->rows.empty()) {
        m_sheetPage->preview()->clear();
        m_messages.showInfo(ImportText::NoRows);
        return false;
    }
    m_sheetPage->preview()->showSheet(sheet);
    return true;
}

bool WageImportWizard::copyIntoImportTable(const ImportSourceTable &sheet)
{
    ImportTableStore store(m_db);
    m_progress.begin(ImportText::CopyCaption, ImportText::CopyHint, int(sheet.rows.size()));
    const bool copied = store.fill(sheet, &m_progress);
    m_progress.finish();
    return copied;
}

bool WageImportWizard::leaveSheetPage()
{
    const QString name = m_sheetPage->sheet();
    if (name.isEmpty()) {
        m_messages.showInfo(ImportText::ChooseSheet);
        return false;
    }
    const auto sheet = readSheet(name);
    if (!sheet || !copyIntoImportTable(*sheet)) {
        m_messages.showWarning(ImportText::SheetOpenFailed);
        return false;
    }
    enterPairingPage();
    return true;
}

bool WageImportWizard::leaveSeparatorPage()
{
    const TextImportSettings settings{m_separatorPage->separatorText(),
                                      m_separatorPage->qualifier(),
                                      m_startLinePage->startLine()};
    std::optional<ImportSourceTable> table;
    {
        WaitCursor wait;
        table = ImportTextFile(m_text, m_lines, settings, m_messages);
    }
    if (!table) {
        return false;
    }
    if (!copyIntoImportTable(*table)) {
        m_messages.showError(ImportText::CopyFailed);
        return false;
    }
    enterPairingPage();
    return true;
}

void WageImportWizard::enterPairingPage()
{
    WageImportStore wage(m_db);
    const auto sources = ImportTableStore(m_db).columns();
    const auto targets = ImportTargets(wage);
    m_pairingPage->setNames(sources.value_or(QStringList()), targets.value_or(QStringList()));
    const bool pairsApply =
        m_useConfig && (m_fileType == ImportFileType::Text
                        || (m_workbook
                            && FindSheet(m_workbook->sheetNames(), m_config.tableName)
                                   == m_sheetPage->sheet()));
    if (pairsApply) {
        for (const ImportPair &p : m_config.pairs) {
            m_pairingPage->pair(p.source, p.target);
        }
    }
}

bool WageImportWizard::leavePairingPage()
{
    if (m_pairingPage->targets().contains(ImportText::EmpIdTarget)) {
        m_messages.showInfo(ImportText::PairEmpId);
        return false;
    }
    std::optional<ImportRows> rows;
    {
        WaitCursor wait;
        rows = BuildImportRows(m_db, m_messages, m_pairingPage->pairs());
    }
    if (!rows) {
        return false;
    }
    m_rows = std::make_shared<const ImportRows>(std::move(*rows));
    m_resultPage->preview()->showResult(m_year, m_month, m_rows);
    return true;
}

ImportConfig WageImportWizard::configToSave() const
{
    ImportConfig c;
    c.fileName = m_filePage->path();
    c.fileType = m_fileType;
    if (m_fileType == ImportFileType::Text) {
        c.startLine = QString::number(m_startLinePage->startLine());
        c.separate = m_separatorPage->separator();
        c.separateTxt = m_separatorPage->otherText();
        c.txtIdentify = m_separatorPage->qualifier();
        c.isSingle = m_separatorPage->single();
    } else {
        c.tableName = m_sheetPage->sheet();
    }
    c.pairs = m_pairingPage->pairs();
    return c;
}

bool WageImportWizard::saveConfig()
{
    const int slot = m_resultPage->slot();
    if (slot == 0) {
        // A pairing saved under no slot could never be chosen again.
        m_messages.showInfo(ImportText::ChooseConfig);
        return false;
    }
    if (ImportConfigs::exists(slot) && !m_messages.askYesNo(ImportText::ConfigExists)) {
        return false;
    }
    if (!ImportConfigs::write(slot, configToSave())) {
        m_messages.showError(ImportText::ConfigSaveFailed);
        return false;
    }
    m_messages.showInfo(ImportText::ConfigSaved);
    return true;
}

bool WageImportWizard::onFinish()
{
    if (m_resultPage->slot() == 0 && m_messages.askYesNo(ImportText::AskSaveConfig)) {
        return false; // the clerk saves first
    }
    if (!m_rows) {
        return false;
    }
    switch (WriteWageImport(m_db, m_messages, m_year, m_month, *m_rows, m_progress)) {
    case ImportWriteResult::Written:
        m_imported = ImportedMonth{m_year, m_month};
        return true;
    case ImportWriteResult::Duplicates:
        reject();
        return false;
    case ImportWriteResult::Failed:
        break;
    }
    return false;
}

std::optional<ImportedMonth> ImportWageData(Database &db, MessageService &messages,
                                            FileDialogs &files, Progress &progress,
                                            QWidget *parent)
{
    WageImportWizard wizard(db, messages, files, progress, parent);
    if (wizard.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return wizard.importedMonth();
}
