#pragma once

#include <QList>
#include <QString>

// The four message boxes of the program. Windows and services report through this interface;
// the desktop program shows real boxes, tests record them and answer the questions.
class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual void showError(const QString &text) = 0;   // caption "错误"
    virtual void showWarning(const QString &text) = 0; // caption "警告"
    virtual void showInfo(const QString &text) = 0;    // caption "提示"
    virtual bool askYesNo(const QString &text) = 0;    // caption "提示", true on Yes
};

// Records every box; questions are answered from a queue (Yes when the queue is empty).
class ScriptedMessageService final : public MessageService
{
public:
    enum class Kind { Error, Warning, Info, Question };
    struct Box
    {
        Kind kind;
        QString text;
        bool operator==(const Box &) const = default;
    };

    void showError(const QString &text) override { m_boxes.append({Kind::Error, text}); }
    void showWarning(const QString &text) override { m_boxes.append({Kind::Warning, text}); }
    void showInfo(const QString &text) override { m_boxes.append({Kind::Info, text}); }
    bool askYesNo(const QString &text) override
    {
        m_boxes.append({Kind::Question, text});
        return m_answers.isEmpty() ? true : m_answers.takeFirst();
    }

    void setNextAnswer(bool yes) { m_answers.append(yes); }
    const QList<Box> &boxes() const { return m_boxes; }
    QStringList texts() const
    {
        QStringList t;
        for (const Box &b : m_boxes) {
            t << b.text;
        }
        return t;
    }
    QString lastText() const { return m_boxes.isEmpty() ? QString() : m_boxes.last().text; }
    void clear()
    {
        m_boxes.clear();
        m_answers.clear();
    }

private:
    QList<Box> m_boxes;
    QList<bool> m_answers;
};

// For the command line: errors, warnings and notes go to standard error, questions are
// answered Yes (the command was asked for on purpose).
class StderrMessageService final : public MessageService
{
public:
    void showError(const QString &text) override;
    void showWarning(const QString &text) override;
    void showInfo(const QString &text) override;
    bool askYesNo(const QString &text) override;
};
