#include "default_key_map.h"

#include <initializer_list>

namespace piano {
namespace {

// Windows virtual-key codes of the keys used here.
constexpr int kF1 = 0x70;
constexpr int kNumpad0 = 0x60;
constexpr int kMultiply = 0x6A, kAdd = 0x6B, kSubtract = 0x6D, kDecimal = 0x6E, kDivide = 0x6F;
constexpr int kSemicolon = 0xBA, kEquals = 0xBB, kComma = 0xBC, kPeriod = 0xBE, kSlash = 0xBF;
constexpr int kOpenBracket = 0xDB, kBackslash = 0xDC, kCloseBracket = 0xDD;
constexpr int kPageUp = 0x21, kHome = 0x24, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
constexpr int kInsert = 0x2D, kDelete = 0x2E;
constexpr int kNoFunction = 0xFF;

void mapRun(KeyboardState &state, int firstSlot, std::initializer_list<int> codes) {
    int slot = firstSlot;
    for (int code : codes)
        state.keyFunction(code) = uint8_t(slot++ - 1);
}

}  // namespace

void BuildDefaultKeyMap(KeyboardState &state) {
    state.installDefaultMap();
    for (int code = 0; code < kKeyCodeCount; ++code)
        state.keyFunction(code) = kNoFunction;

    for (int i = 0; i < 12; ++i)
        state.keyFunction(kF1 + i) = uint8_t(i);
    mapRun(state, 13,
           {'Z', 'S', 'X', 'D', 'C', 'V', 'G', 'B', 'H', 'N', 'J', 'M', kComma, 'L', kPeriod, kSemicolon,
            kSlash});
    mapRun(state, 25, {'Q', '2', 'W', '3', 'E', 'R', '5', 'T',          '6',     'Y',
                       '7', 'U', 'I', '9', 'O', '0', 'P', kOpenBracket, kEquals, kCloseBracket});
    mapRun(state, 45,
           {kBackslash, kNumpad0, kNumpad0 + 1, kNumpad0 + 2, kNumpad0 + 3, kNumpad0 + 4, kNumpad0 + 5,
            kNumpad0 + 6, kNumpad0 + 7, kNumpad0 + 8, kNumpad0 + 9, kDecimal, kAdd, kSubtract, kMultiply,
            kDivide});

    const int buttons[] = {kInsert, kHome, kPageUp, kDelete};
    for (int b = 0; b < 4; ++b)
        state.keyFunction(buttons[b]) = uint8_t(kFirstButtonSelect + b);
    const int steps[][2] = {{kLeft, 1}, {kDown, 6}, {kUp, 11}, {kRight, 16}};
    for (const auto &[code, step] : steps)
        state.keyFunction(code) = uint8_t(kFirstControllerStep + step - 1);

    const uint8_t controllers[] = {91, 93, 74, 64};  // reverb, chorus, brightness, sustain pedal
    for (int b = 1; b <= 4; ++b)
        state.buttonController(b) = controllers[b - 1];

    // Effects 6..11 strike each note in two voices, the first leading. A first start selects effect 8,
    // so the keyboard first sounds as a grand piano with strings beneath.
    const uint8_t layer1[] = {
        4,   // 6: electric piano
        52,  // 7: choir
        0,   // 8: acoustic grand piano
        19,  // 9: church organ
        61,  // 10: brass section
        46,  // 11: harp
    };
    const uint8_t layer2[] = {
        89,  // 6: over a warm pad
        48,  // 7: with strings
        48,  // 8: with strings
        52,  // 9: with choir
        48,  // 10: with strings
        24,  // 11: with nylon guitar
    };
    for (int effect = 6; effect <= 11; ++effect) {
        state.chordVoice1(effect) = layer1[effect - 6];
        state.chordVoice2(effect) = layer2[effect - 6];
    }
}

}  // namespace piano
