#include "org/ui/DeptTreeWidget.h"

#include <QTreeWidget>

void FillDeptTreeWidget(QTreeWidget *widget, const DeptTree &tree,
                        const std::function<void(QTreeWidgetItem *, int n)> &decorate)
{
    widget->clear();
    QList<QTreeWidgetItem *> items(tree.nodes.size(), nullptr);
    for (const int n : tree.displayOrder()) {
        const DeptTree::Node &node = tree.nodes.at(n);
        auto *item = node.parent >= 0 ? new QTreeWidgetItem(items.at(node.parent))
                                      : new QTreeWidgetItem(widget);
        item->setText(0, node.label);
        decorate(item, n);
        items[n] = item;
    }
    widget->expandAll();
    widget->setCurrentItem(widget->topLevelItem(0));
}
