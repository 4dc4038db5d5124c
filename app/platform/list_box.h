// A list control that reports every user selection, choosing the current row again included,
// which a plain "current row changed" notification would miss.
#pragma once

#include <QListWidget>
#include <QStringList>

namespace app {

class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* 父);

    // The selected row, -1 when no row is selected.
    int 取选中项() const;
    // Selects a row without raising itemChosen: only the user's choices are events.
    void 置选中项(int 行);

signals:
    void itemChosen();

protected:
    void mousePressEvent(QMouseEvent*) override;
};

using 列表框 = ListBox;

}  // namespace app
