// corvane-cli wage import: the wage data import wizard from the command line. The same
// readers, checks, messages and write as the wizard; the overwrite question is answered by
// --yes. A refusal prints the wizard's message on standard error and exits with 2; a failure
// of the database or of reading the file exits with 1.

#include "CliSupport.h"

#include "base/Progress.h"
#include "base/Password.h"
#include "db/Database.h"
#include "payroll/ImportConfig.h"
#include "payroll/ImportTableStore.h"
#include "payroll/ImportTextFile.h"
#include "payroll/ImportTexts.h"
#include "payroll/SourceText.h"
#include "payroll/SourceWorkbook.h"
#include "payroll/PayrollTexts.h"
#include "payroll/WageImport.h"
#include "payroll/WageItemRules.h"
#include "payroll/WageSheet.h"
#include "tax/TaxRates.h"

#include <QHash>

namespace {

const char *const Usage =
    "wage import 文件 --year 年 --month 月 --map \"源列=目的列,…\" [--sheet 工作表]\n"
    "                            [--separator 字符|tab] [--qualifier 字符] [--start-line 行]\n"
    "                            [--config 1-3] [--yes] [--db 文件]\n"
    "                            导入工资数据（目的列“人员编号”为员工编号）；--config 用保存的配置，\n"
    "                            --yes 覆盖该月的草稿；文本文件默认为逗号分隔、双引号识别";

const QStringList Valued = {
    QStringLiteral("--year"),      QStringLiteral("--month"),     QStringLiteral("--map"),
    QStringLiteral("--sheet"),     QStringLiteral("--separator"), QStringLiteral("--qualifier"),
    QStringLiteral("--start-line"), QStringLiteral("--config"),   QStringLiteral("--db")};
const QStringList Flags = {QStringLiteral("--yes")};

std::optional<int> number(const CliOptions &a, const QString &option)
{
    bool ok = false;
    const int n = a.value(option).toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// "源列=目的列,源列=目的列": nothing when a pair lacks its "=" or a name.
std::optional<QList<ImportPair>> parseMap(const QString &map)
{
    QList<ImportPair> pairs;
    for (const QString &item : map.split(u',')) {
        const qsizetype eq = item.indexOf(u'=');
        if (eq <= 0) {
            return std::nullopt;
        }
        ImportPair p{item.left(eq).trimmed(), item.mid(eq + 1).trimmed()};
        if (p.source.isEmpty() || p.target.isEmpty()) {
            return std::nullopt;
        }
        pairs << p;
    }
    return pairs;
}

using CliSupport::refuse;

// The source file's sheet with the pairs that go with it (the saved ones when the
// configuration's sheet is the one read), or the exit code of the refusal.
struct Source
{
    ImportSourceTable table;
    QList<ImportPair> configPairs;
};

std::variant<Source, int> readWorkbook(CliContext &ctx, const CliOptions &a, const QString &path,
                                       const std::optional<ImportConfig> &config)
{
    const auto book = OpenSourceWorkbook(path);
    if (!book) {
        ctx.err << ImportText::ExcelOpenFailed << '\n';
        return 1;
    }
    const QStringList sheets = book->sheetNames();
    const QString configSheet = config ? FindSheet(sheets, config->tableName) : QString();
    QString sheet = a.value(QStringLiteral("--sheet"));
    if (sheet.isEmpty()) {
        sheet = !configSheet.isEmpty() ? configSheet : sheets.value(0);
    }
    if (!sheets.contains(sheet)) {
        return refuse(ctx, QStringLiteral("没有工作表“%1”！（可用: %2）")
                               .arg(sheet, sheets.join(QStringLiteral("、"))));
    }
    auto table = book->readSheet(sheet);
    if (!table) {
        ctx.err << ImportText::SheetOpenFailed << '\n';
        return 1;
    }
    Source source{std::move(*table), {}};
    if (config && configSheet == sheet) {
        source.configPairs = config->pairs;
    }
    return source;
}

std::variant<Source, int> readText(CliContext &ctx, MessageService &messages, const CliOptions &a,
                                   const QString &path, const std::optional<ImportConfig> &config)
{
    const auto text = ReadSourceText(path);
    if (!text) {
        ctx.err << ImportText::TextOpenFailed << '\n';
        return 1;
    }
    TextImportSettings settings{QStringLiteral(","), QStringLiteral("\""), 1};
    if (config) {
        if (config->separate != ImportSeparator::None) {
            settings.separator = SeparatorText(config->separate, config->separateTxt);
            settings.qualifier = config->txtIdentify;
        }
        settings.startLine = config->startLineValue();
    }
    if (a.has(QStringLiteral("--separator"))) {
        const QString s = a.value(QStringLiteral("--separator"));
        settings.separator = s == QLatin1String("tab") ? QStringLiteral("\t") : s;
    }
    if (a.has(QStringLiteral("--qualifier"))) {
        settings.qualifier = a.value(QStringLiteral("--qualifier"));
    }
    if (a.has(QStringLiteral("--start-line"))) {
        const auto line = number(a, QStringLiteral("--start-line"));
        if (!line || *line < 1 || *line > ImportConfigs::MaxStartLine) {
            return refuse(ctx, QStringLiteral("--start-line 应为 1 到 %1 的整数")
                                   .arg(ImportConfigs::MaxStartLine));
        }
        settings.startLine = *line;
    }
    auto table = ImportTextFile(text->text, SplitTextLines(text->text), settings, messages);
    if (!table) {
        return 2;
    }
    return Source{std::move(*table), config ? config->pairs : QList<ImportPair>()};
}

int wageImport(CliContext &ctx)
{
    CliOptions a(Valued, Flags);
    if (!ctx.parse(a)) {
        return 2;
    }
    if (a.positional().size() > 1) {
        ctx.err << "多余的参数: " << a.positional().mid(1).join(u' ') << '\n';
        return ctx.usageError();
    }
    CliMessages messages(ctx.err);
    // The one question, whether to overwrite the month's draft, is answered by --yes; without
    // it the question is the refusal.
    const bool yes = a.has(QStringLiteral("--yes"));
    messages.answer = [yes](const QString &) -> std::optional<bool> {
        if (yes) {
            return true;
        }
        return std::nullopt;
    };

    std::optional<ImportConfig> config;
    if (a.has(QStringLiteral("--config"))) {
        const auto slot = number(a, QStringLiteral("--config"));
        if (!slot || *slot < 1 || *slot > ImportConfigs::Slots) {
            return refuse(ctx, QStringLiteral("--config 应为 1 到 %1").arg(ImportConfigs::Slots));
        }
        if (!ImportConfigs::exists(*slot)) {
            return refuse(ctx, ImportText::ConfigMissing);
        }
        config = ImportConfigs::read(*slot);
        if (!config) {
            ctx.err << ImportText::ConfigReadFailed << '\n';
            return 1;
        }
    }
    const QString path = !a.positional().isEmpty() ? a.positional().first()
                         : config                 ? config->fileName
                                                  : QString();
    const auto year = number(a, QStringLiteral("--year"));
    const auto month = number(a, QStringLiteral("--month"));
    if (!year || !month || *year < 1900 || *year > 2500 || *month < 1 || *month > 12) {
        return refuse(ctx, ImportText::ChooseMonth);
    }
    if (path.isEmpty()) {
        return refuse(ctx, ImportText::ChooseFile);
    }
    std::optional<QList<ImportPair>> map;
    if (a.has(QStringLiteral("--map"))) {
        map = parseMap(a.value(QStringLiteral("--map")));
        if (!map) {
            return refuse(ctx, QStringLiteral("--map 的格式为 \"源列=目的列,源列=目的列\""));
        }
    }

    Database db;
    if (!db.open(CliArgs::databasePath(a), DatabasePassword())) {
        ctx.err << "打开数据库失败: " << db.lastError() << '\n';
        return 1;
    }
    TaxRates rates;
    LoadAllTaxRates(db, rates, messages);
    // The catalogue's items are columns of Wage before anything is paired with them, as the
    // wage window makes them when it opens.
    if (!AddMissingItemColumns(db)) {
        messages.showError(WageText::UpdateWageFailed);
        return 1;
    }
    WageImportStore store(db);
    switch (CheckImportMonth(store, messages, *year, *month)) {
    case ImportMonthCheck::Failed:
        return 1;
    case ImportMonthCheck::Refused:
        return messages.failed() ? 1 : 2;
    case ImportMonthCheck::NewMonth:
    case ImportMonthCheck::OverwriteDraft:
        break;
    }

    auto read = IsWorkbookFile(path) ? readWorkbook(ctx, a, path, config)
                                     : readText(ctx, messages, a, path, config);
    if (const int *code = std::get_if<int>(&read)) {
        return *code;
    }
    const Source &source = std::get<Source>(read);
    if (!ImportTableStore(db).fill(source.table)) {
        ctx.err << ImportText::CopyFailed << '\n';
        return 1;
    }
    const auto rows = BuildImportRows(db, messages, map ? *map : source.configPairs);
    if (!rows) {
        return 2;
    }
    CountingProgress progress;
    switch (WriteWageImport(db, messages, *year, *month, *rows, progress)) {
    case ImportWriteResult::Duplicates:
        ctx.err << "重复的人员编号: " << rows->duplicates.join(QStringLiteral("、")) << '\n';
        return 2;
    case ImportWriteResult::Failed:
        return 1;
    case ImportWriteResult::Written:
        break;
    }
    ctx.out << QStringLiteral("已导入%1年%2月的工资数据: %3行").arg(*year).arg(*month).arg(
                   qint64(rows->rows.size()));
    if (rows->unknownRows > 0) {
        ctx.out << QStringLiteral("（%1行的人员编号没有对应的员工，未导入）").arg(rows->unknownRows);
    }
    ctx.out << '\n';

    // Then the month is computed, as the wage window does after the wizard.
    WageSheet sheet(db, rates);
    CountingProgress computed;
    if (!ComputeImportedMonth(sheet, messages, computed, ImportedMonth{*year, *month})) {
        return messages.exitCode();
    }
    ctx.out << QStringLiteral("已计算%1年%2月工资，%3人\n").arg(*year).arg(*month).arg(computed.steps);
    return 0;
}

const CliCommand command("wage import", Usage, wageImport);

} // namespace
