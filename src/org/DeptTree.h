#pragma once

#include "org/OrgTypes.h"

#include <QList>

// What every node of the department tree carries.
struct DeptNodeData
{
    QString deptId;
    QString fatherId;
    int deptLevel = 0;
    QString deptName;
    QString deptLevelId;
};

// The department tree as the browser shows it, built without widgets. Node 0 is the company
// root; nodes are kept in the order they were added.
struct DeptTree
{
    struct Node
    {
        DeptNodeData data;
        QString label;
        int parent = -1; // -1 for top-level nodes
        QList<int> children;
    };
    QList<Node> nodes;
    QList<int> topLevel;

    // The nodes in display order (each node before its children, children in order).
    QList<int> displayOrder() const;
};

// The root (labelled with the company name) and one node per row, hung below the first node
// in display order whose code is the row's parent code; a row whose parent is not in the tree
// becomes a further top-level node. Rows must come parents first (ordered by level).
DeptTree BuildDeptTree(const QString &corpName, const QList<DeptRecord> &rows);
