#pragma once

class QKeyEvent;
class QLabel;
class QLineEdit;
class QWidget;
class QString;

// Typing rules and looks shared by the program's edit boxes.

// Only the digits 0-9 (and Backspace and editing keys) reach the box.
void DigitsOnlyKeyPress(QLineEdit *edit);
// Digits, and one "." while the text holds none.
void MoneyKeyPress(QLineEdit *edit);
// Enter in any control of the window moves the focus to the next control in tab order.
void EnterToNextControl(QWidget *window);
// Required fields' labels are blue.
void HighlightLabel(QLabel *label);
// The read-only look: a silver background for an edit box; other widgets are left alone.
void GreyEdit(QWidget *edit);

// The key filters as plain decisions, so they can be checked without widgets.
bool DigitsOnlyAccepts(const QKeyEvent &event);
bool MoneyAccepts(const QKeyEvent &event, const QString &currentText);
