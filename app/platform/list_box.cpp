#include "app/platform/list_box.h"

#include <QMouseEvent>
#include <QSignalBlocker>

namespace app {

ListBox::ListBox(QWidget* 父) : QListWidget(父) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, &ListBox::itemChosen);
}

int ListBox::取选中项() const {
    const QListWidgetItem* 项 = currentItem();
    return 项 && 项->isSelected() ? currentRow() : -1;
}

void ListBox::置选中项(int 行) {
    const QSignalBlocker 静默(this);
    setCurrentRow(行);
}

void ListBox::mousePressEvent(QMouseEvent* 事件) {
    const int 之前 = currentRow();
    const bool 之前已选 = 取选中项() >= 0;
    QListWidget::mousePressEvent(事件);
    // A press that changed the row was reported through currentRowChanged already.
    const QListWidgetItem* 项 = itemAt(事件->position().toPoint());
    if (项 && row(项) == 之前 && currentRow() == 之前 && (之前已选 || 取选中项() >= 0))
        emit itemChosen();
}

}  // namespace app
