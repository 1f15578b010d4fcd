#pragma once

#include "payroll/ImportConfig.h"

#include <QWidget>

class QListWidget;
class QToolButton;
class QTreeWidget;

// The pairing page: the source columns ("需导入的数据字段"), the columns of the wage sheet
// ("需匹配的数据字段") and the pairs made of them ("匹配结果"). Both lists stay sorted; a
// paired name leaves its list and comes back when the pair is dissolved.
class ImportPairingPage final : public QWidget
{
    Q_OBJECT
public:
    explicit ImportPairingPage(QWidget *parent = nullptr);

    // Fresh lists, no pairs.
    void setNames(const QStringList &sources, const QStringList &targets);
    // Pairs two names still in their lists (a saved pair); false when either is not there.
    bool pair(const QString &source, const QString &target);
    // "->": the selected source with the selected target.
    bool pairSelected();
    // "<-": dissolves the selected pair.
    bool unpairSelected();
    QList<ImportPair> pairs() const { return m_pairs; }
    QStringList sources() const { return m_sources; }
    QStringList targets() const { return m_targets; }

    QListWidget *sourceList() const { return m_sourceList; }
    QListWidget *targetList() const { return m_targetList; }
    QTreeWidget *pairList() const { return m_pairList; }
    QToolButton *pairButton() const { return m_pairButton; }
    QToolButton *unpairButton() const { return m_unpairButton; }

private:
    void refresh();

    QStringList m_sources;
    QStringList m_targets;
    QList<ImportPair> m_pairs;
    QListWidget *m_sourceList;
    QListWidget *m_targetList;
    QTreeWidget *m_pairList;
    QToolButton *m_pairButton;
    QToolButton *m_unpairButton;
};
