#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <set>

#include "controller_list.h"
#include "default_key_map.h"
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

// Each row names, in Chinese, the General MIDI program it sends, under that program's number.
TEST(Tables, VoiceListRowsNameTheProgramsTheySend) {
    struct Row {
        const char *generalMidi;
        const char *shown;
    };
    const Row rows[kVoiceCount] = {
        {"Acoustic Grand Piano", "0 三角钢琴"},
        {"Bright Acoustic Piano", "1 明亮钢琴"},
        {"Electric Grand Piano", "2 电声钢琴"},
        {"Honky-tonk Piano", "3 下等酒馆钢琴"},
        {"Electric Piano 1", "4 罗兹电钢琴"},
        {"Electric Piano 2", "5 合唱效果电钢琴"},
        {"Harpsichord", "6 古钢琴"},
        {"Clavinet", "7 击弦古钢琴"},
        {"Celesta", "8 小乐钟"},
        {"Glockenspiel", "9 钟琴"},
        {"Music Box", "10 音乐盒,八音盒"},
        {"Vibraphone", "11 电颤琴"},
        {"Marimba", "12 木琴(1)"},
        {"Xylophone", "13 木琴(2)"},
        {"Tubular Bells", "14 管状的钟"},
        {"Dulcimer", "15 洋琴"},
        {"Drawbar Organ", "16 管风琴"},
        {"Percussive Organ", "17 敲击的管风琴"},
        {"Rock Organ", "18 摇摆管风琴"},
        {"Church Organ", "19 教堂管风琴"},
        {"Reed Organ", "20 簧片管风琴"},
        {"Accordion", "21 手风琴"},
        {"Harmonica", "22 口琴"},
        {"Tango Accordion", "23 跳探戈舞用手风琴"},
        {"Acoustic Guitar (nylon)", "24 吉他(尼龙弦)"},
        {"Acoustic Guitar (steel)", "25 吉他(钢丝弦)"},
        {"Electric Guitar (jazz)", "26 电吉他 (爵士乐, 喧闹)"},
        {"Electric Guitar (clean)", "27 电吉他 (清洁)"},
        {"Electric Guitar (muted)", "28 电吉他 (沙哑)"},
        {"Overdriven Guitar", "29 过载吉他"},
        {"Distortion Guitar", "30 声音扭曲,失真的吉他"},
        {"Guitar Harmonics", "31 和声吉他"},
        {"Acoustic Bass", "32 声学低音乐器"},
        {"Electric Bass (finger)", "33 电声学低音乐器"},
        {"Electric Bass (pick)", "34 电声学低音乐器 (拨片)"},
        {"Fretless Bass", "35 无品低音乐器"},
        {"Slap Bass 1", "36 拍击低音乐器 1"},
        {"Slap Bass 2", "37 拍击低音乐器 2"},
        {"Synth Bass 1", "38 合成低音乐器 1"},
        {"Synth Bass 2", "39 合成低音乐器 2"},
        {"Violin", "40 小提琴"},
        {"Viola", "41 中提琴"},
        {"Cello", "42 大提琴"},
        {"Contrabass", "43 低音大提琴"},
        {"Tremolo Strings", "44 颤音弦声"},
        {"Pizzicato Strings", "45 拨奏弦声"},
        {"Orchestral Harp", "46 管弦乐队的竖琴"},
        {"Timpani", "47 定音鼓"},
        {"String Ensemble 1", "48 弦乐合奏 1"},
        {"String Ensemble 2", "49 弦乐合奏 2"},
        {"Synth Strings 1", "50 合成弦乐 1"},
        {"Synth Strings 2", "51 合成弦乐 2"},
        {"Choir Aahs", "52 歌唱团"},
        {"Voice Oohs", "53 高声团"},
        {"Synth Voice", "54 合成高声团"},
        {"Orchestra Hit", "55 管弦乐队的打击声"},
        {"Trumpet", "56 喇叭,小号"},
        {"Trombone", "57 长号,拉管"},
        {"Tuba", "58 大号"},
        {"Muted Trumpet", "59 弱音喇叭"},
        {"French Horn", "60 法国号，圆号"},
        {"Brass Section", "61 铜管乐器"},
        {"Synth Brass 1", "62 合成. 铜管乐器 1"},
        {"Synth Brass 2", "63 合成. 铜管乐器 2"},
        {"Soprano Sax", "64 最高音萨克斯管"},
        {"Alto Sax", "65 中音萨克斯管"},
        {"Tenor Sax", "66 次中音萨克斯管"},
        {"Baritone Sax", "67 上低音萨克斯管"},
        {"Oboe", "68 双簧管"},
        {"English Horn", "69 英国喇叭"},
        {"Bassoon", "70 低音管, 巴颂管"},
        {"Clarinet", "71 竖笛, 单簧管, 黑管"},
        {"Piccolo", "72 短笛"},
        {"Flute", "73 长笛"},
        {"Recorder", "74 八孔长笛"},
        {"Pan Flute", "75 排箫"},
        {"Blown Bottle", "76 吹瓶"},
        {"Shakuhachi", "77 尺八"},
        {"Whistle", "78 口哨"},
        {"Ocarina", "79 陶制的卵形笛"},
        {"Lead 1 (square)", "80 Lead1 (方波)"},
        {"Lead 2 (sawtooth)", "81 Lead2 (锯齿形的)"},
        {"Lead 3 (calliope)", "82 Lead3 (气笛风琴引导)"},
        {"Lead 4 (chiff)", "83 Lead4 (吹管)"},
        {"Lead 5 (charang)", "84 Lead5 (沙朗)"},
        {"Lead 6 (voice)", "85 Lead6 (高声)"},
        {"Lead 7 (fifths)", "86 Lead7 (五度)"},
        {"Lead 8 (bass + lead)", "87 Lead8 (低音加主音)"},
        {"Pad 1 (new age)", "88 Pad1 (新时代)"},
        {"Pad 2 (warm)", "89 Pad2 (温暖)"},
        {"Pad 3 (polysynth)", "90 Pad3 (复音合成)"},
        {"Pad 4 (choir)", "91 Pad4 (歌唱团)"},
        {"Pad 5 (bowed)", "92 Pad5 (弓弦)"},
        {"Pad 6 (metallic)", "93 Pad6 (金属的)"},
        {"Pad 7 (halo)", "94 Pad7 (光环)"},
        {"Pad 8 (sweep)", "95 Pad8 (扫掠)"},
        {"FX 1 (rain)", "96 FX1 (雨天)"},
        {"FX 2 (soundtrack)", "97 FX2 (声音轨道)"},
        {"FX 3 (crystal)", "98 FX3 (结晶状的)"},
        {"FX 4 (atmosphere)", "99 FX4 (空气)"},
        {"FX 5 (brightness)", "100 FX5 (明亮的)"},
        {"FX 6 (goblins)", "101 FX6 (鬼怪)"},
        {"FX 7 (echoes)", "102 FX7 (有回声性质的)"},
        {"FX 8 (sci-fi)", "103 FX8 (科幻)"},
        {"Sitar", "104 锡塔尔琴"},
        {"Banjo", "105 班卓琴, 五弦琴"},
        {"Shamisen", "106 三味线"},
        {"Koto", "107 <日>十三弦古筝"},
        {"Kalimba", "108 卡林巴琴"},
        {"Bagpipe", "109 风笛"},
        {"Fiddle", "110 民间提琴"},
        {"Shanai", "111 唢呐"},
        {"Tinkle Bell", "112 丁当作响钟声"},
        {"Agogo", "113 阿哥哥铃"},
        {"Steel Drums", "114 铁鼓"},
        {"Woodblock", "115 敲击木板"},
        {"Taiko Drum", "116 大鼓"},
        {"Melodic Tom", "117 通通鼓"},
        {"Synth Drum", "118 合成鼓色"},
        {"Reverse Cymbal", "119 反向铙钹"},
        {"Guitar Fret Noise", "120 吉它噪音"},
        {"Breath Noise", "121 呼吸"},
        {"Seashore", "122 海岸"},
        {"Bird Tweet", "123 鸟叫"},
        {"Telephone Ring", "124 电话"},
        {"Helicopter", "125 直升机"},
        {"Applause", "126 鼓掌"},
        {"Gunshot", "127 枪炮的射击"},
    };
    for (int program = 0; program < kVoiceCount; ++program)
        EXPECT_EQ(VoiceListRow(program), rows[program].shown) << program << " " << rows[program].generalMidi;
    EXPECT_EQ(VoiceListRow(-1), "");
    EXPECT_EQ(VoiceListRow(kVoiceCount), "");
}

TEST(Tables, NoteNames) {
    EXPECT_EQ(NoteNameRow(0), "C0");
    EXPECT_EQ(NoteNameRow(1), "C#0");
    EXPECT_EQ(NoteNameRow(48), "C4");
    EXPECT_EQ(NoteNameRow(119), "B9");
    EXPECT_EQ(NoteNameRow(120), "");
}

// The help page gives the layered voices and the shipped map's notes under the names the lists show.
TEST(Tables, HelpPageNamesVoicesAndNotesAsTheListsDo) {
    QFile file(PIANO_HELP_PAGE);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << PIANO_HELP_PAGE;
    const QString help = QString::fromUtf8(file.readAll());
    KeyboardState shipped;
    BuildDefaultKeyMap(shipped);
    auto cell = [](const std::string &text) { return "<td>" + QString::fromStdString(text) + "</td>"; };
    for (int effect = 6; effect <= 11; ++effect) {
        EXPECT_TRUE(help.contains(cell(VoiceListRow(shipped.chordVoice1(effect))))) << effect;
        EXPECT_TRUE(help.contains(cell(VoiceListRow(shipped.chordVoice2(effect))))) << effect;
    }
    auto note = [](int pitch) { return QString::fromStdString(NoteNameRow(pitch)); };
    for (int slot : {1, 60}) {
        const int pitch = shipped.slotPitch(slot);
        EXPECT_TRUE(help.contains(QStringLiteral("%1（%2）").arg(note(pitch)).arg(pitch))) << pitch;
    }
    EXPECT_TRUE(help.contains(QStringLiteral("音高 60 叫 ") + note(60)));
    // F1..F12 play the first twelve slots, the bottom letter rows slots 13..29.
    EXPECT_TRUE(help.contains(note(shipped.slotPitch(1)) + "～" + note(shipped.slotPitch(12))));
    EXPECT_TRUE(help.contains(note(shipped.slotPitch(13)) + "～" + note(shipped.slotPitch(29))));
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
