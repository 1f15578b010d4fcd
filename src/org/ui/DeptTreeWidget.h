#pragma once

#include "org/DeptTree.h"

#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

// Replaces the items of `widget` with the nodes of `tree`, each under its parent, in the tree's
// display order; `decorate` gives each new item the data its window keeps (node index `n`).
// Expands everything and makes the root current.
void FillDeptTreeWidget(QTreeWidget *widget, const DeptTree &tree,
                        const std::function<void(QTreeWidgetItem *, int n)> &decorate);
