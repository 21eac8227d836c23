#include "choice_list.h"

#include <QStyle>

namespace piano {

void ChoiceList::keyPressEvent(QKeyEvent *event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0 && movedByKey) movedByKey(currentRow());
}

void ShowNotesInFourColumns(QListWidget *list) {
    constexpr int kColumns = 4;
    constexpr int kRowHeight = 15;
    list->setFlow(QListView::LeftToRight);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int inside = list->width() - 2 * list->frameWidth() -
                       list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    // The view starts a new row once a name would reach the right edge, so the edge is left free.
    list->setGridSize(QSize((inside - 1) / kColumns, kRowHeight));
}

}  // namespace piano
