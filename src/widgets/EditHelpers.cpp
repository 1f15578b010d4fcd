#include "widgets/EditHelpers.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

// Keys that edit or move rather than type: always allowed.
bool isControlKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    // Shortcuts (copy, paste, undo) are not typing.
    return (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) || event.text().isEmpty();
}

bool isDigitText(const QString &text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return !text.isEmpty();
}

class KeyFilter final : public QObject
{
public:
    enum class Mode { Digits, Money, EnterToNext };
    KeyFilter(QObject *parent, Mode mode) : QObject(parent), m_mode(mode) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (m_mode) {
        case Mode::Digits:
            return !DigitsOnlyAccepts(*key);
        case Mode::Money: {
            const auto *edit = qobject_cast<QLineEdit *>(watched);
            return !MoneyAccepts(*key, edit ? edit->text() : QString());
        }
        case Mode::EnterToNext:
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                && key->modifiers() == Qt::NoModifier) {
                QWidget *focus = QApplication::focusWidget();
                // Buttons and multi-line boxes keep their own meaning of Enter.
                if (!focus || qobject_cast<QPushButton *>(focus)
                    || qobject_cast<QPlainTextEdit *>(focus) || qobject_cast<QTextEdit *>(focus)) {
                    return false;
                }
                // Parts of the focused control (the edit box inside a spin box or date field)
                // hand the focus back to it: they are not the next control.
                const auto takesFocus = [focus](QWidget *w) {
                    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible()
                           && !focus->isAncestorOf(w) && !w->focusProxy();
                };
                QWidget *w = focus->nextInFocusChain();
                while (w != focus && !takesFocus(w)) {
                    w = w->nextInFocusChain();
                }
                w->setFocus(Qt::TabFocusReason);
                return true;
            }
            return false;
        }
        return false;
    }

private:
    Mode m_mode;
};

} // namespace

bool DigitsOnlyAccepts(const QKeyEvent &event)
{
    return isControlKey(event) || isDigitText(event.text());
}

bool MoneyAccepts(const QKeyEvent &event, const QString &currentText)
{
    if (isControlKey(event)) {
        return true;
    }
    if (event.text() == QLatin1String(".")) {
        return !currentText.contains(u'.');
    }
    return isDigitText(event.text());
}

void DigitsOnlyKeyPress(QLineEdit *edit)
{
    edit->installEventFilter(new KeyFilter(edit, KeyFilter::Mode::Digits));
}

void MoneyKeyPress(QLineEdit *edit)
{
    edit->installEventFilter(new KeyFilter(edit, KeyFilter::Mode::Money));
}

void EnterToNextControl(QWidget *window)
{
    auto *filter = new KeyFilter(window, KeyFilter::Mode::EnterToNext);
    for (QWidget *child : window->findChildren<QWidget *>()) {
        child->installEventFilter(filter);
    }
}

void HighlightLabel(QLabel *label)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(p);
}

void GreyEdit(QWidget *edit)
{
    if (!qobject_cast<QLineEdit *>(edit)) {
        return;
    }
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    edit->setPalette(p);
}
