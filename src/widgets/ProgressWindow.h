#pragma once

#include "base/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class MessageService;
class QLabel;
class QProgressBar;
class QPushButton;

// The shared progress window of the long runs: stays on top, no border icons. Losing the
// focus in the middle of a run asks whether to interrupt; "Yes" only hides the window, the
// run itself goes on to its end.
class ProgressWindow final : public QWidget, public Progress
{
    Q_OBJECT
public:
    explicit ProgressWindow(MessageService &messages, QWidget *parent = nullptr);

    void begin(const QString &caption, const QString &hint, int maximum, int step = 1) override;
    void advance() override;
    void finish() override;

    QLabel *hintLabel() const { return m_hint; }
    QProgressBar *bar() const { return m_bar; }
    QPushButton *cancelButton() const { return m_cancel; }
    // What happens when the window loses the focus (called by the window system).
    void focusLost();

protected:
    void changeEvent(QEvent *event) override;

private:
    MessageService &m_messages;
    QLabel *m_hint;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
    int m_step = 5;
    bool m_finishing = false;
    bool m_asking = false;
    QElapsedTimer m_sinceEvents;
};
