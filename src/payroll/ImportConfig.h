#pragma once

#include <QList>
#include <QString>

#include <optional>

// What kind of file an import reads: the file dialog's filter, or a saved configuration's
// fileType.
enum class ImportFileType { None = 0, Text = 1, Excel = 2 };

// The separators the wizard offers, numbered as a configuration stores them.
enum class ImportSeparator { None = 0, Semicolon = 1, Comma = 2, Blank = 3, Tab = 4, Other = 5 };

// The separator's text: ";", ",", " ", a tab, or the "其他" text as typed (empty when none).
QString SeparatorText(ImportSeparator separator, const QString &otherText);

// One pairing of a source column with a column of the wage sheet, the employee number shown
// as "人员编号".
struct ImportPair
{
    QString source;
    QString target;
    bool operator==(const ImportPair &) const = default;
};

// A saved pairing ("配置文件1" to "配置文件3"): the file "configure" + N + ".ini" in the
// application folder, an INI file in the system code page. The text keys are kept as
// written; the wizard reads them its way (startLineValue()).
struct ImportConfig
{
    QString fileName;
    ImportFileType fileType = ImportFileType::None;
    // Text files.
    QString startLine;
    ImportSeparator separate = ImportSeparator::None;
    QString separateTxt;
    QString txtIdentify;
    bool isSingle = false;
    // Workbooks.
    QString tableName;
    QList<ImportPair> pairs;

    // The start line as the spin box takes it: 1 when the text is no number, else within
    // 1 to 2500.
    int startLineValue() const;
};

namespace ImportConfigs {
inline constexpr int Slots = 3;
inline constexpr int MaxStartLine = 2500;

// "configure1.ini": the slot's file name, and its path in the application folder.
QString fileName(int slot);
QString path(int slot);
bool exists(int slot);
// The slots whose file exists, in order.
QList<int> available();

// Nothing when the file cannot be read.
std::optional<ImportConfig> read(int slot);
// Replaces the slot's file: the start section, the text or the workbook section by the file
// type, and the pairs in order. False when it cannot be written.
bool write(int slot, const ImportConfig &config);
} // namespace ImportConfigs
