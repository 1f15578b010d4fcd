#include "org/DeptTree.h"

#include <QHash>

QList<int> DeptTree::displayOrder() const
{
    QList<int> order;
    order.reserve(nodes.size());
    QList<int> stack;
    for (auto it = topLevel.crbegin(); it != topLevel.crend(); ++it) {
        stack.append(*it);
    }
    while (!stack.isEmpty()) {
        const int n = stack.takeLast();
        order.append(n);
        const QList<int> &kids = nodes.at(n).children;
        for (auto it = kids.crbegin(); it != kids.crend(); ++it) {
            stack.append(*it);
        }
    }
    return order;
}

DeptTree BuildDeptTree(const QString &corpName, const QList<DeptRecord> &rows)
{
    DeptTree tree;
    DeptTree::Node root;
    root.data = {kRootDeptId, QString(), 0, corpName, kRootDeptId};
    root.label = corpName;
    tree.nodes.append(root);
    tree.topLevel.append(0);

    // Nodes by code. Codes are unique in the table, so the display order is only needed to
    // choose between several nodes of one code.
    QHash<QString, QList<int>> byCode;
    byCode[kRootDeptId].append(0);

    for (const DeptRecord &row : rows) {
        // A stored row for the company itself would only repeat the root.
        if (row.deptLevelId == kRootDeptId) {
            continue;
        }
        DeptTree::Node node;
        node.data = {row.deptId, row.fatherId, row.deptLevel, row.deptName, row.deptLevelId};
        node.label = row.deptName;
        const int index = int(tree.nodes.size());

        int parent = -1;
        const auto found = byCode.constFind(row.fatherId);
        if (found != byCode.cend() && !found->isEmpty()) {
            if (found->size() == 1) {
                parent = found->first();
            } else {
                const QList<int> order = tree.displayOrder();
                for (const int n : order) {
                    if (found->contains(n)) {
                        parent = n;
                        break;
                    }
                }
            }
        }
        node.parent = parent;
        tree.nodes.append(node);
        if (parent >= 0) {
            tree.nodes[parent].children.append(index);
        } else {
            tree.topLevel.append(index);
        }
        byCode[row.deptId].append(index);
    }
    return tree;
}
