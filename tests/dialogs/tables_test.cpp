#include <gtest/gtest.h>

#include <set>

#include "controller_list.h"
#include "key_list.h"
#include "voice_list.h"

namespace piano {
namespace {

TEST(Tables, KeyListRowsAndCodes) {
    struct Case {
        int row;
        const char *label;
        int code;
    } cases[] = {{0, "F1", 112},  {9, "F10", 121},         {12, "`", 192},
                 {22, "0", 48},   {28, "<NUM LOCK>", 144}, {48, "<   7    >", 103},
                 {80, "\\", 220}, {85, "SPACE", 32},       {90, "<   .    >", 110}};
    for (const Case &c : cases) {
        EXPECT_STREQ(kKeyList[c.row].label, c.label) << c.row;
        EXPECT_EQ(kKeyList[c.row].code, c.code) << c.row;
    }
    std::set<int> codes;
    for (const MappableKey &k : kKeyList)
        codes.insert(k.code);
    EXPECT_EQ(codes.size(), kKeyList.size()) << "every key has its own code";
}

TEST(Tables, FunctionRows) {
    EXPECT_STREQ(FunctionRowText(0), "1");
    EXPECT_STREQ(FunctionRowText(59), "60");
    EXPECT_STREQ(FunctionRowText(62), "CON3");
    EXPECT_STREQ(FunctionRowText(75), "CON16");
    EXPECT_STREQ(FunctionRowText(79), "按钮4");
}

TEST(Tables, VoiceListNumberingSkips66) {
    EXPECT_EQ(VoiceListRow(0), "0 三角钢琴");
    EXPECT_EQ(VoiceListRow(58), "58 大号66 Tenor sax");
    EXPECT_EQ(VoiceListRow(65), "65 低音萨克斯管");
    EXPECT_EQ(VoiceListRow(66), "67 中音萨克斯管");
    EXPECT_EQ(VoiceListRow(127), "128 枪炮的射击");
    EXPECT_EQ(VoiceListRow(128), "");
}

TEST(Tables, NoteNames) {
    EXPECT_EQ(NoteNameRow(0), "C0");
    EXPECT_EQ(NoteNameRow(1), "C#0");
    EXPECT_EQ(NoteNameRow(48), "C4");
    EXPECT_EQ(NoteNameRow(119), "B9");
    EXPECT_EQ(NoteNameRow(120), "");
}

TEST(Tables, ControllerListAndChannelLabels) {
    EXPECT_EQ(ControllerRowOf(7), 4);
    EXPECT_EQ(ControllerRowOf(95), 25);
    EXPECT_EQ(ControllerRowOf(3), -1);
    EXPECT_STREQ(kControllerList[24].text, "94 Celeste(Deturn)Dcpth");
    EXPECT_STREQ(ControllerChannelLabel(94), "Celeste(deturn)Dcpth");
    EXPECT_STREQ(ControllerChannelLabel(3), "没有使用");
}

}  // namespace
}  // namespace piano
