#include "targeted_choices.h"

#include <QComboBox>
#include <QPushButton>

#include "choice_list.h"
#include "function_dialog.h"

namespace piano {

TargetedChoices BuildTargetedChoices(QWidget *page, const QStringList &targets, const QStringList &choices,
                                     std::function<bool()> clickLeavesPage,
                                     std::function<void(int row)> choose) {
    auto *targetBox = new QComboBox(page);
    targetBox->addItems(targets);
    PlaceOnSheet(targetBox, 6, 6, 170, 22);
    auto *list = new ChoiceList(page);
    list->movedByKey = [leaves = std::move(clickLeavesPage), choose = std::move(choose)](int row) {
        if (!leaves()) choose(row);
    };
    list->addItems(choices);
    PlaceOnSheet(list, 6, 32, 170, 234);
    auto *okButton = new QPushButton(QStringLiteral("确定"), page);
    PlaceOnSheet(okButton, 100, 272, 75, 25);
    return {targetBox, list, okButton};
}

}  // namespace piano
