#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QStackedWidget;

// The wizard frame: a white top panel with the step's title, the pages, and a bottom panel
// with "上一步(&B)", "下一步(&N)", "取消" and "完成(&F)". Subclasses add pages and decide in
// leavePage() whether the user may go on.
class WizardDialog : public QDialog
{
    Q_OBJECT
public:
    explicit WizardDialog(QWidget *parent = nullptr);

    // Adds a page with the title shown above it while it is current.
    int addPage(QWidget *page, const QString &title);
    int currentPage() const;
    int pageCount() const;
    void setCurrentPage(int index);

    QLabel *titleLabel() const { return m_title; }
    QPushButton *backButton() const { return m_back; }
    QPushButton *nextButton() const { return m_next; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *finishButton() const { return m_finish; }

    // The buttons, callable without clicking.
    bool goNext();
    bool goBack();
    bool finish();

protected:
    // May the user leave page `index` forward? (Checks, with their messages.)
    virtual bool leavePage(int index) { Q_UNUSED(index) return true; }
    // Where "下一步" leads from page `index` once leavePage() agreed, and where "上一步" leads
    // back to: the next and the previous page, unless a wizard branches.
    virtual int nextPage(int index) const { return index + 1; }
    virtual int previousPage(int index) const { return index - 1; }
    // Runs when "完成" is pressed on the last page; true closes the wizard.
    virtual bool onFinish() { return true; }

private:
    void updateButtons();

    QLabel *m_title;
    QStackedWidget *m_pages;
    QStringList m_titles;
    QPushButton *m_back;
    QPushButton *m_next;
    QPushButton *m_cancel;
    QPushButton *m_finish;
};
