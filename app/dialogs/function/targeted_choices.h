#pragma once
// The shape the voice and controller pages share: a target box over a list of choices, and 确定.
#include <QStringList>
#include <functional>

class QComboBox;
class QPushButton;
class QWidget;

namespace piano {

class ChoiceList;

struct TargetedChoices {
    QComboBox *targetBox;
    ChoiceList *list;
    QPushButton *okButton;
};

// Places the three on `page`. The arrow keys in the list choose as a click does (`choose`), except while
// `clickLeavesPage` holds: there a click also leaves for another page, which a key stepping through the
// list must not do.
TargetedChoices BuildTargetedChoices(QWidget *page, const QStringList &targets, const QStringList &choices,
                                     std::function<bool()> clickLeavesPage,
                                     std::function<void(int row)> choose);

}  // namespace piano
