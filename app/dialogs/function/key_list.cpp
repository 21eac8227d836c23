#include "key_list.h"

#include <string>

namespace piano {

const std::array<MappableKey, kMappableKeyCount> kKeyList{{
    {"F1", 112},         {"F2", 113},         {"F3", 114},
    {"F4", 115},         {"F5", 116},         {"F6", 117},
    {"F7", 118},         {"F8", 119},         {"F9", 120},
    {"F10", 121},        {"F11", 122},        {"F12", 123},
    {"`", 192},          {"1", 49},           {"2", 50},
    {"3", 51},           {"4", 52},           {"5", 53},
    {"6", 54},           {"7", 55},           {"8", 56},
    {"9", 57},           {"0", 48},           {"-", 189},
    {"=", 187},          {"BACKSPACE", 8},    {"SCROLL LOCK", 145},
    {"PAUSE BREAK", 19}, {"<NUM LOCK>", 144}, {"<   /    >", 111},
    {"<   *    >", 106}, {"<   -    >", 109}, {"Q", 81},
    {"W", 87},           {"E", 69},           {"R", 82},
    {"T", 84},           {"Y", 89},           {"U", 85},
    {"I", 73},           {"O", 79},           {"P", 80},
    {"[", 219},          {"]", 221},          {"ENTER", 13},
    {"INSERT", 45},      {"HOME", 36},        {"PAGE UP", 33},
    {"<   7    >", 103}, {"<   8    >", 104}, {"<   9    >", 105},
    {"<   +    >", 107}, {"CAPS LOCK", 20},   {"A", 65},
    {"S", 83},           {"D", 68},           {"F", 70},
    {"G", 71},           {"H", 72},           {"J", 74},
    {"K", 75},           {"L", 76},           {";", 186},
    {"'", 222},          {"DELETE", 46},      {"END", 35},
    {"PAGE DOWN", 34},   {"<   4    >", 100}, {"<   5    >", 101},
    {"<   6    >", 102}, {"Z", 90},           {"X", 88},
    {"C", 67},           {"V", 86},           {"B", 66},
    {"N", 78},           {"M", 77},           {",", 188},
    {".", 190},          {"/", 191},          {"\\", 220},
    {"UP", 38},          {"<   1    >", 97},  {"<   2    >", 98},
    {"<   3    >", 99},  {"SPACE", 32},       {"LEFT", 37},
    {"DOWN", 40},        {"RIGHT", 39},       {"<   0    >", 96},
    {"<   .    >", 110},
}};

const char *FunctionRowText(int row) {
    static const std::array<std::string, kFunctionRowCount> rows = [] {
        std::array<std::string, kFunctionRowCount> r;
        for (int i = 0; i < 60; ++i)
            r[i] = std::to_string(i + 1);
        for (int i = 0; i < 16; ++i)
            r[60 + i] = "CON" + std::to_string(i + 1);
        for (int i = 0; i < 4; ++i)
            r[76 + i] = "按钮" + std::to_string(i + 1);
        return r;
    }();
    return row >= 0 && row < kFunctionRowCount ? rows[row].c_str() : "";
}

}  // namespace piano
