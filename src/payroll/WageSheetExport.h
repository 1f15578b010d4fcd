#pragma once

#include <QString>

class FileOpener;
class MessageService;
class WageSheet;

// "输出Excel" of the wage window: every row of the sheet shown (all departments, not the
// totals row) under the sheet's titles — the nine fixed columns, the money columns in their
// order, wageid — into model/工资计算<n>.xlsx, which is then opened. Amounts are written as
// numbers in yuan. A workbook that cannot be written or opened is reported as
// "文件没有找到！". Returns the path written, or empty text.
QString ExportWageSheet(const WageSheet &sheet, FileOpener &opener, MessageService &messages);
