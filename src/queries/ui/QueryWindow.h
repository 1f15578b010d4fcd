#pragma once

#include "widgets/BaseWindows.h"

class Banner;
class Database;
class FileOpener;
class MessageService;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

// The frame every query window shares: the heading, the period ("时期": a year and, where
// the query needs one, a month), the window's own inputs, "查询(&Q)", "输出&Excel" and
// "关闭(&C)", and below them the results. A child window of the main window.
class QueryWindow : public FunctionWindow
{
    Q_OBJECT
public:
    struct Frame
    {
        QString caption;
        QString heading;
        QString hint; // shown beside the heading; may be empty
        bool withMonth = true;
        bool enterMovesOn = true; // Enter moves the focus to the next control
        QString icon = QStringLiteral("query");
    };

    QueryWindow(Database &db, MessageService &messages, FileOpener &opener, const Frame &frame,
                QWidget *parent = nullptr);

    QSpinBox *yearBox() const { return m_year; }
    QComboBox *monthBox() const { return m_month; }
    QPushButton *queryButton() const { return m_query; }
    QPushButton *exportButton() const { return m_export; }
    QPushButton *closeButton() const { return m_close; }
    Banner *banner() const { return m_banner; }
    QString yearText() const;
    QString monthText() const;

    // "查询(&Q)": runs the query under the wait cursor.
    void runQuery();
    // "输出&Excel": writes the shown result's rows into a workbook when there is one.
    virtual void exportResult() = 0;

protected:
    // Runs the query and shows its result or its refusal.
    virtual void query() = 0;
    // Where subclasses put their inputs (after the period) and their results.
    QHBoxLayout *inputs() const { return m_inputs; }
    QVBoxLayout *results() const { return m_results; }
    // "时期" and the income limit's label are blue.
    QLabel *addInput(const QString &label, QWidget *field, bool highlighted = false);

    Database &m_db;
    MessageService &m_messages;
    FileOpener &m_opener;

private:
    Banner *m_banner = nullptr;
    QSpinBox *m_year = nullptr;
    QComboBox *m_month = nullptr;
    QPushButton *m_query = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_close = nullptr;
    QHBoxLayout *m_inputs = nullptr;
    QVBoxLayout *m_results = nullptr;
};
