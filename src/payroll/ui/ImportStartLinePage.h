#pragma once

#include <QWidget>

class QListWidget;
class QSpinBox;

// The text file's first page: the file's layout (delimited, the only one) and the line the
// data starts on.
class ImportStartLinePage final : public QWidget
{
    Q_OBJECT
public:
    explicit ImportStartLinePage(QWidget *parent = nullptr);

    int startLine() const;
    void setStartLine(int line);
    QSpinBox *startLineBox() const { return m_startLine; }
    QListWidget *layoutList() const { return m_layouts; }

private:
    QListWidget *m_layouts;
    QSpinBox *m_startLine;
};
