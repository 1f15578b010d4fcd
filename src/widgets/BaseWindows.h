#pragma once

#include <QDialog>
#include <QWidget>

class QBoxLayout;
class QFormLayout;
class QPushButton;
class QVBoxLayout;
class QLabel;

// The family every window of the program is built on.

// 9-point SimSun, falling back to the installed CJK serif face.
QFont ProgramFont();
void CenterOnScreen(QWidget *window);
// Adds "label: field" to a form, the label's mnemonic leading to the field; returns the label.
QLabel *AddLabelledRow(QFormLayout *form, const QString &text, QWidget *field);

// The white band at the top of a dialog: a picture and the dialog's title in large type.
class Banner final : public QWidget
{
    Q_OBJECT
public:
    Banner(const QString &text, const QString &iconName, QWidget *parent = nullptr);
    QString text() const { return m_text; }
    // Dialogs whose title depends on how they were opened (adding or changing) set it late.
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    QSize sizeHint() const override;

private:
    QString m_text;
    QString m_iconName;
};

// A dialog with a fixed border, the program's font, centred on the screen. Put inside a child
// window of the main window it is an ordinary widget: that frame sizes and places it.
class BaseDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BaseDialog(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};

// A dialog with "确定" (default) and "取消" (Esc). The subclass fills body() and decides in
// onOk() whether the dialog may close: pressOk() runs it, so tests press the button without
// exec().
class OkCancelDialog : public BaseDialog
{
    Q_OBJECT
public:
    enum class Buttons { Horizontal, Vertical };

    // `banner` may be empty (no band). `helpKeyword` adds "帮助(&H)" opening that topic.
    OkCancelDialog(Buttons buttons, const QString &banner, const QString &bannerIcon,
                     QWidget *parent = nullptr, const QString &helpKeyword = {});

    QWidget *body() const { return m_body; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }
    Banner *banner() const { return m_banner; }
    // Runs the checks; accepts the dialog when they pass. Returns whether it was accepted.
    bool pressOk();

protected:
    // The checks and the save; true lets the dialog close with OK.
    virtual bool onOk() { return true; }
    // For dialogs whose Enter moves on to the next field: "确定" stops being the default
    // button, so Enter can never save a half-filled form. Only a click (or Space on the
    // focused button) presses it.
    void keepEnterFromSaving();

private:
    Banner *m_banner = nullptr;
    QWidget *m_body = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_help = nullptr;
};

// A child window inside the main window: shown when created, destroyed when closed.
class FunctionWindow : public QWidget
{
    Q_OBJECT
public:
    explicit FunctionWindow(QWidget *parent = nullptr);
};
