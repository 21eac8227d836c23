#include <gtest/gtest.h>

#include "dialog_service.h"

// The program's filters shown by Qt's file dialogs: every pattern in both cases (song files are named
// either way), and a name that carries its own pattern list does not show it twice.
TEST(FileFilter, PatternsInBothCasesAndNoRepeatedList) {
    struct Case {
        const char *program;
        const char *shown;
    } cases[] = {
        {"标准MIDI文件 (*.mid)|*.MID", "标准MIDI文件 (*.mid *.MID)"},
        {"伴奏文件 (*.tkb)|*.TKB", "伴奏文件 (*.tkb *.TKB)"},
        {"标准MIDI文件|*.mid;*.rmi", "标准MIDI文件 (*.mid *.MID *.rmi *.RMI)"},
        {"外观文件(*.skn)|*.SKN;*.skn", "外观文件 (*.skn *.SKN)"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(qtFileFilter(QString::fromUtf8(c.program)).toStdString(), c.shown) << c.program;
}
