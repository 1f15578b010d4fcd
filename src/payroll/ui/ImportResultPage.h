#pragma once

#include <QWidget>

class ImportPreviewModel;
class QComboBox;
class QPushButton;
class QTableView;

// The last page ("显示结果"): the rows the import will write, and saving the pairing in a
// configuration slot ("配置文件保存").
class ImportResultPage final : public QWidget
{
    Q_OBJECT
public:
    explicit ImportResultPage(QWidget *parent = nullptr);

    ImportPreviewModel *preview() const { return m_preview; }
    // 0 when none is chosen.
    int slot() const;
    void setSlot(int slot);

    QTableView *grid() const { return m_grid; }
    QComboBox *slotBox() const { return m_slot; }
    QPushButton *saveButton() const { return m_save; }

signals:
    void saveRequested();

private:
    QTableView *m_grid;
    ImportPreviewModel *m_preview;
    QComboBox *m_slot;
    QPushButton *m_save;
};
