#include "scripted_dialogs.h"

QStringList ScriptedDialogs::boxTexts() const {
    QStringList texts;
    for (const Box &box : boxes)
        texts << box.text;
    return texts;
}

int32_t ScriptedDialogs::messageBox(const QString &text, const QString &caption, uint32_t style) {
    boxes.push_back({text, caption, style});
    if (answers.empty()) return answerWhenNoneLeft;
    const int32_t answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList ScriptedDialogs::nextFileAnswer(FileDialog::Kind kind, const QString &folder,
                                            const QString &filter) {
    fileDialogs.push_back({kind, folder, filter});
    if (fileAnswers.empty()) return {};
    QStringList answer = fileAnswers.front();
    fileAnswers.pop_front();
    answer.removeAll(QString());
    return answer;
}

QStringList ScriptedDialogs::openFiles(const QString &folder, const QString &filter) {
    return nextFileAnswer(FileDialog::Open, folder, filter);
}

QString ScriptedDialogs::saveFile(const QString &folder, const QString &filter) {
    return nextFileAnswer(FileDialog::Save, folder, filter).value(0);
}

QColor ScriptedDialogs::pickColour(const QColor &initial) {
    colourDialogs.push_back(initial);
    if (colourAnswers.empty()) return {};
    const QColor answer = colourAnswers.front();
    colourAnswers.pop_front();
    return answer;
}
