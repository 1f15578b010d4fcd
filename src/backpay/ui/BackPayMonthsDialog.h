#pragma once

#include "backpay/BackPayMonth.h"
#include "widgets/BaseWindows.h"

#include <functional>
#include <optional>

class MessageService;
class QCheckBox;
class QListWidget;
class QSpinBox;

// The month chooser of back pay ("补发工资"): the posted wage months on the left
// ("已发放工资月:", of the year chosen or of all years), the months to back-pay on the right
// ("补发工资月:"). Between 1 and 12 months may be chosen.
class BackPayMonthsDialog final : public OkCancelDialog
{
    Q_OBJECT
public:
    // The months on offer for a year (every year when none); nothing when they cannot be read.
    using Candidates = std::function<std::optional<BackPayMonths>(std::optional<int> year)>;

    BackPayMonthsDialog(Candidates candidates, const BackPayMonths &chosen,
                        MessageService &messages, QWidget *parent = nullptr);

    BackPayMonths chosen() const;

    QListWidget *offeredList() const { return m_offered; }
    QListWidget *chosenList() const { return m_chosen; }
    QSpinBox *yearBox() const { return m_year; }
    QCheckBox *allYearsBox() const { return m_allYears; }
    // ">", ">>", "<", "<<".
    void moveRight();
    void moveAllRight();
    void moveLeft();
    void moveAllLeft();

protected:
    bool onOk() override;

private:
    void reload();
    // A month goes back to the left only when the left list shows its year and lacks it.
    bool belongsLeft(const BackPayMonth &month) const;
    void addItem(QListWidget *list, const BackPayMonth &month);
    static BackPayMonth monthOf(const class QListWidgetItem *item);

    Candidates m_candidates;
    MessageService &m_messages;
    QListWidget *m_offered = nullptr;
    QListWidget *m_chosen = nullptr;
    QSpinBox *m_year = nullptr;
    QCheckBox *m_allYears = nullptr;
};
