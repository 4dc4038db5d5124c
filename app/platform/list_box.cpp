#include "app/platform/list_box.h"

#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace app {

ListBox::ListBox(QWidget* 父) : QListWidget(父) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The selection, not the current row: a mouse press moves the current row before it
    // selects, so "current row changed" arrives while the old row is still the selected one.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { emit itemChosen(); });
}

int ListBox::取选中项() const {
    const QList<QListWidgetItem*> 选中 = selectedItems();
    return 选中.isEmpty() ? -1 : row(选中.first());
}

void ListBox::置选中项(int 行) {
    const QSignalBlocker 静默(this);
    setCurrentRow(行);
}

void ListBox::mousePressEvent(QMouseEvent* 事件) {
    const int 之前 = 取选中项();
    QListWidget::mousePressEvent(事件);
    // Choosing the selected row again changes no selection, but it is a choice all the same.
    if (itemAt(事件->position().toPoint()) && 取选中项() == 之前 && 之前 >= 0) emit itemChosen();
}

}  // namespace app
