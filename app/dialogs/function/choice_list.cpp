#include "choice_list.h"

namespace piano {

void ChoiceList::keyPressEvent(QKeyEvent *event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0 && movedByKey) movedByKey(currentRow());
}

}  // namespace piano
