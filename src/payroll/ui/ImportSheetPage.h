#pragma once

#include <QWidget>

class ImportPreviewModel;
class QComboBox;
class QPushButton;
class QTableView;

// The worksheet page ("显示工作表"): the workbook's sheets and a preview of the chosen one.
class ImportSheetPage final : public QWidget
{
    Q_OBJECT
public:
    explicit ImportSheetPage(QWidget *parent = nullptr);

    void setSheets(const QStringList &names);
    // Empty when none is chosen.
    QString sheet() const;
    void setSheet(const QString &name);
    ImportPreviewModel *preview() const { return m_preview; }

    QComboBox *sheetBox() const { return m_sheets; }
    QPushButton *showButton() const { return m_show; }
    QTableView *grid() const { return m_grid; }

signals:
    void showRequested();

private:
    QComboBox *m_sheets;
    QPushButton *m_show;
    QTableView *m_grid;
    ImportPreviewModel *m_preview;
};
