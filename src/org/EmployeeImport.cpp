#include "org/EmployeeImport.h"

#include "base/AppEnv.h"
#include "base/CodeFold.h"
#include "base/CsvReader.h"
#include "base/MessageService.h"
#include "db/Database.h"
#include "org/DepartmentStore.h"
#include "org/EmpRules.h"
#include "org/EmployeeStore.h"

#include <QHash>
#include <QSet>

namespace {

const QStringList kColumns{"EmpID",   "EmpName",     "DeptID",   "IDCardNo",  "Sex",
                           "EmpType", "nationality", "EmpState", "StartDate", "EndDate",
                           "Address", "Tel",         "BankName", "CardNo",    "Remark"};
const QStringList kRequired{"EmpID", "EmpName", "DeptID", "IDCardNo"};

QString codeKey(const QString &code)
{
    return FoldCode(code.trimmed());
}

// Keeps what the checks would have shown, to report it against the line.
class LineMessages final : public MessageService
{
public:
    void showError(const QString &text) override { last = text; }
    void showWarning(const QString &text) override { last = text; }
    void showInfo(const QString &text) override { last = text; }
    bool askYesNo(const QString &) override { return true; }
    QString last;
};

class Import
{
public:
    explicit Import(Database &db) : m_db(db) {}
    EmpImportResult run(const QString &path);

private:
    bool readHeader(const CsvRecord &header);
    // The row of one line, or the reason it is refused.
    std::optional<EmployeeRecord> readLine(const CsvRecord &line, QString &reason);
    QString field(const CsvRecord &line, const char *column) const
    {
        const int i = m_index.value(QString::fromLatin1(column), -1);
        return i < 0 ? QString() : line.fields.value(i);
    }
    bool has(const char *column) const { return m_index.contains(QString::fromLatin1(column)); }

    Database &m_db;
    QHash<QString, int> m_index;           // column name as in kColumns -> field index
    QHash<QString, QString> m_departments; // folded code -> code
    QSet<QString> m_codes;                 // folded codes taken
    QDate m_today = Today();               // asked once: the clock reads the time zone
    EmpImportResult m_result;
};

bool Import::readHeader(const CsvRecord &header)
{
    for (int i = 0; i < header.fields.size(); ++i) {
        const QString name = header.fields[i].trimmed();
        const auto known = std::find_if(kColumns.begin(), kColumns.end(), [&](const QString &c) {
            return c.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (known == kColumns.end()) {
            m_result.problems << QStringLiteral("第%1行: 未知的列“%2”").arg(header.line).arg(name);
        } else if (m_index.contains(*known)) {
            m_result.problems << QStringLiteral("第%1行: 列“%2”重复").arg(header.line).arg(name);
        } else {
            m_index.insert(*known, i);
        }
    }
    for (const QString &c : kRequired) {
        if (!m_index.contains(c)) {
            m_result.problems << QStringLiteral("第%1行: 缺少列“%2”").arg(header.line).arg(c);
        }
    }
    return m_result.problems.isEmpty();
}

std::optional<EmployeeRecord> Import::readLine(const CsvRecord &line, QString &reason)
{
    if (line.fields.size() != m_index.size()) {
        reason = QStringLiteral("列数与标题行不符");
        return std::nullopt;
    }
    const QString dept = field(line, "DeptID").trimmed();
    if (dept.isEmpty() || dept == kRootDeptId) {
        reason = QStringLiteral("请选择部门！");
        return std::nullopt;
    }
    const QString deptId = m_departments.value(codeKey(dept));
    if (deptId.isEmpty()) {
        reason = QStringLiteral("未找到该部门！");
        return std::nullopt;
    }
    EmpInput in;
    in.fields.empId = field(line, "EmpID");
    in.fields.empName = field(line, "EmpName");
    in.fields.idCardNo = field(line, "IDCardNo");
    const QString sex = field(line, "Sex").trimmed();
    in.fields.sex = sex.isEmpty() ? QStringLiteral("男") : sex;
    const QString type = field(line, "EmpType").trimmed();
    in.fields.empType = type.isEmpty() ? kDomestic : type;
    if (in.fields.sex != QStringLiteral("男") && in.fields.sex != QStringLiteral("女")) {
        reason = QStringLiteral("性别只能为\"男\"或\"女\"！");
        return std::nullopt;
    }
    if (in.fields.empType != kDomestic && in.fields.empType != kForeign) {
        reason = QStringLiteral("员工类型只能为\"中方\"或\"外方\"！");
        return std::nullopt;
    }
    in.fields.nationality = has("nationality") && !field(line, "nationality").trimmed().isEmpty()
                                ? field(line, "nationality")
                                : NationalityDefault(in.fields.empType);
    in.fields.address = field(line, "Address");
    in.fields.tel = field(line, "Tel");
    in.fields.bankName = field(line, "BankName");
    in.fields.cardNo = field(line, "CardNo");
    in.fields.remark = field(line, "Remark");
    const QString state = field(line, "EmpState").trimmed();
    if (state.isEmpty() || state == QLatin1String("1") || state == QStringLiteral("在职")) {
        in.inService = true;
    } else if (state == QLatin1String("0") || state == QStringLiteral("离职")) {
        in.inService = false;
    } else {
        reason = QStringLiteral("在职状态只能为1(在职)或0(离职)！");
        return std::nullopt;
    }
    const auto date = [&](const char *column, QDate &out) {
        const QString text = field(line, column).trimmed();
        out = text.isEmpty() ? m_today : QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        return out.isValid();
    };
    if (!date("StartDate", in.entryDate) || !date("EndDate", in.departureDate)) {
        reason = QStringLiteral("日期格式应为yyyy-mm-dd！");
        return std::nullopt;
    }
    EmpEditState editState;
    editState.deptId = deptId;
    LineMessages messages;
    const auto taken = [&](const QString &code) -> std::optional<bool> {
        return m_codes.contains(codeKey(code));
    };
    if (!CheckEmpInput(taken, messages, in, editState).ok()) {
        reason = messages.last;
        return std::nullopt;
    }
    const EmployeeRecord record = EmpRecordToSave(in, editState);
    m_codes.insert(codeKey(record.empId));
    return record;
}

EmpImportResult Import::run(const QString &path)
{
    QString error;
    const auto text = ReadUtf8File(path, &error);
    const auto records = text ? ParseCsv(*text, &error) : std::nullopt;
    if (!records) {
        m_result.problems << error;
        return m_result;
    }
    if (records->isEmpty()) {
        m_result.problems << QStringLiteral("文件中没有标题行！");
        return m_result;
    }
    if (!readHeader(records->first())) {
        return m_result;
    }
    EmployeeStore employees(m_db);
    const auto codes = employees.allCodes();
    const auto departments = DepartmentStore(m_db).allRows();
    if (!codes || !departments) {
        m_result.failure = EmpText::QueryFailed + u'\n' + m_db.lastError();
        return m_result;
    }
    for (const QString &c : *codes) {
        m_codes.insert(codeKey(c));
    }
    for (const DeptRecord &d : *departments) {
        if (d.deptId != kRootDeptId && !d.deleted) {
            m_departments.insert(codeKey(d.deptId), d.deptId);
        }
    }
    QList<EmployeeRecord> rows;
    rows.reserve(records->size() - 1);
    for (qsizetype i = 1; i < records->size(); ++i) {
        const CsvRecord &line = records->at(i);
        QString reason;
        if (const auto record = readLine(line, reason)) {
            rows << *record;
        } else {
            m_result.problems << QStringLiteral("第%1行: %2").arg(line.line).arg(reason);
        }
    }
    if (!m_result.problems.isEmpty()) {
        return m_result;
    }
    Transaction tx(m_db);
    if (!tx.isActive() || !employees.insertAll(rows) || !tx.commit()) {
        m_result.failure = EmpText::SaveFailed + u'\n' + m_db.lastError();
        return m_result;
    }
    m_result.imported = int(rows.size());
    return m_result;
}

} // namespace

EmpImportResult ImportEmployees(Database &db, const QString &csvPath)
{
    return Import(db).run(csvPath);
}
