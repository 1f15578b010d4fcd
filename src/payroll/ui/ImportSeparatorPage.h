#pragma once

#include "payroll/ImportConfig.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The text file's second page ("请设置分列数据所包含的分隔符号。"): the separator, the text
// qualifier, and the file as it is.
class ImportSeparatorPage final : public QWidget
{
    Q_OBJECT
public:
    explicit ImportSeparatorPage(QWidget *parent = nullptr);

    ImportSeparator separator() const;
    void setSeparator(ImportSeparator separator);
    QString otherText() const;
    void setOtherText(const QString &text);
    // The separator's text; empty when "其他" has none.
    QString separatorText() const;
    QString qualifier() const;
    void setQualifier(const QString &qualifier);
    bool single() const;
    void setSingle(bool single);
    // Shows the file's lines in the preview.
    void showLines(const QStringList &lines);

    QRadioButton *button(ImportSeparator separator) const;
    QLineEdit *otherEdit() const { return m_other; }
    QComboBox *qualifierBox() const { return m_qualifier; }
    QPlainTextEdit *preview() const { return m_preview; }

private:
    QButtonGroup *m_group;
    QLineEdit *m_other;
    QCheckBox *m_single;
    QComboBox *m_qualifier;
    QPlainTextEdit *m_preview;
};
