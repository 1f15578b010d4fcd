#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The wizard's first page: the file, the month the data is for, and a saved configuration.
class ImportFilePage final : public QWidget
{
    Q_OBJECT
public:
    // `configSlots` are the configuration slots offered (those whose file exists).
    ImportFilePage(const QDate &today, const QList<int> &configSlots, QWidget *parent = nullptr);

    QString path() const;
    void setPath(const QString &path);
    int year() const;
    // 0 when no month is chosen.
    int month() const;
    // The chosen configuration slot, 0 for none.
    int configSlot() const;
    void clearConfigSlot();

    QLineEdit *pathEdit() const { return m_path; }
    QPushButton *browseButton() const { return m_browse; }
    QSpinBox *yearBox() const { return m_year; }
    QComboBox *monthBox() const { return m_month; }
    QComboBox *configBox() const { return m_config; }

signals:
    void browseRequested();
    void configChosen(int slot);

private:
    QLineEdit *m_path;
    QPushButton *m_browse;
    QSpinBox *m_year;
    QComboBox *m_month;
    QComboBox *m_config;
};
