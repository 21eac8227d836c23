#include "vk_codes.h"

#include <array>

namespace piano {
namespace {

enum Vk : int {
    kBack = 0x08,
    kTab = 0x09,
    kReturn = 0x0D,
    kShift = 0x10,
    kControl = 0x11,
    kMenu = 0x12,
    kPause = 0x13,
    kCapital = 0x14,
    kEscape = 0x1B,
    kSpace = 0x20,
    kPrior = 0x21,
    kNext = 0x22,
    kEnd = 0x23,
    kHome = 0x24,
    kLeft = 0x25,
    kUp = 0x26,
    kRight = 0x27,
    kDown = 0x28,
    kSnapshot = 0x2C,
    kInsert = 0x2D,
    kDelete = 0x2E,
    kLWin = 0x5B,
    kRWin = 0x5C,
    kApps = 0x5D,
    kNumpad0 = 0x60,
    kMultiply = 0x6A,
    kAdd = 0x6B,
    kSubtract = 0x6D,
    kDecimal = 0x6E,
    kDivide = 0x6F,
    kF1 = 0x70,
    kNumLock = 0x90,
    kScroll = 0x91,
    kOem1 = 0xBA,
    kOemPlus = 0xBB,
    kOemComma = 0xBC,
    kOemMinus = 0xBD,
    kOemPeriod = 0xBE,
    kOem2 = 0xBF,
    kOem3 = 0xC0,
    kOem4 = 0xDB,
    kOem5 = 0xDC,
    kOem6 = 0xDD,
    kOem7 = 0xDE,
    kOem102 = 0xE2
};

// X11 key codes 0..135 of a PC keyboard (evdev rules).
constexpr std::array<uint8_t, 136> makeX11Table() {
    std::array<uint8_t, 136> t{};
    t[9] = kEscape;
    const char row1[] = "1234567890";
    for (int i = 0; i < 10; ++i)
        t[10 + i] = static_cast<uint8_t>(row1[i]);
    t[20] = kOemMinus;
    t[21] = kOemPlus;
    t[22] = kBack;
    t[23] = kTab;
    const char row2[] = "QWERTYUIOP";
    for (int i = 0; i < 10; ++i)
        t[24 + i] = static_cast<uint8_t>(row2[i]);
    t[34] = kOem4;
    t[35] = kOem6;
    t[36] = kReturn;
    t[37] = kControl;
    const char row3[] = "ASDFGHJKL";
    for (int i = 0; i < 9; ++i)
        t[38 + i] = static_cast<uint8_t>(row3[i]);
    t[47] = kOem1;
    t[48] = kOem7;
    t[49] = kOem3;
    t[50] = kShift;
    t[51] = kOem5;
    const char row4[] = "ZXCVBNM";
    for (int i = 0; i < 7; ++i)
        t[52 + i] = static_cast<uint8_t>(row4[i]);
    t[59] = kOemComma;
    t[60] = kOemPeriod;
    t[61] = kOem2;
    t[62] = kShift;
    t[63] = kMultiply;
    t[64] = kMenu;
    t[65] = kSpace;
    t[66] = kCapital;
    for (int i = 0; i < 10; ++i)
        t[67 + i] = static_cast<uint8_t>(kF1 + i);
    t[77] = kNumLock;
    t[78] = kScroll;
    // Keypad digits keep their own codes whatever NumLock says.
    const int keypad[] = {7, 8, 9, -1, 4, 5, 6, -2, 1, 2, 3, 0};
    for (int i = 0; i < 12; ++i)
        t[79 + i] = static_cast<uint8_t>(keypad[i] == -1   ? kSubtract
                                         : keypad[i] == -2 ? kAdd
                                                           : kNumpad0 + keypad[i]);
    t[91] = kDecimal;
    t[94] = kOem102;
    t[95] = kF1 + 10;
    t[96] = kF1 + 11;
    t[104] = kReturn;
    t[105] = kControl;
    t[106] = kDivide;
    t[107] = kSnapshot;
    t[108] = kMenu;
    t[110] = kHome;
    t[111] = kUp;
    t[112] = kPrior;
    t[113] = kLeft;
    t[114] = kRight;
    t[115] = kEnd;
    t[116] = kDown;
    t[117] = kNext;
    t[118] = kInsert;
    t[119] = kDelete;
    t[127] = kPause;
    t[133] = kLWin;
    t[134] = kRWin;
    t[135] = kApps;
    return t;
}

constexpr auto kX11Table = makeX11Table();

// A keypad key as Qt reports it, with NumLock on (digits) or off (navigation keys).
int keypadVk(int key) {
    switch (key) {
        case Qt::Key_0:
        case Qt::Key_Insert:
            return kNumpad0;
        case Qt::Key_1:
        case Qt::Key_End:
            return kNumpad0 + 1;
        case Qt::Key_2:
        case Qt::Key_Down:
            return kNumpad0 + 2;
        case Qt::Key_3:
        case Qt::Key_PageDown:
            return kNumpad0 + 3;
        case Qt::Key_4:
        case Qt::Key_Left:
            return kNumpad0 + 4;
        case Qt::Key_5:
        case Qt::Key_Clear:
            return kNumpad0 + 5;
        case Qt::Key_6:
        case Qt::Key_Right:
            return kNumpad0 + 6;
        case Qt::Key_7:
        case Qt::Key_Home:
            return kNumpad0 + 7;
        case Qt::Key_8:
        case Qt::Key_Up:
            return kNumpad0 + 8;
        case Qt::Key_9:
        case Qt::Key_PageUp:
            return kNumpad0 + 9;
        case Qt::Key_Asterisk:
            return kMultiply;
        case Qt::Key_Plus:
            return kAdd;
        case Qt::Key_Minus:
            return kSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
        case Qt::Key_Delete:
            return kDecimal;
        case Qt::Key_Slash:
            return kDivide;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            return kReturn;
        default:
            return 0;
    }
}

// Shifted characters of a US keyboard, back to the key that types them.
int unshiftedDigit(int key) {
    switch (key) {
        case Qt::Key_Exclam:
            return '1';
        case Qt::Key_At:
            return '2';
        case Qt::Key_NumberSign:
            return '3';
        case Qt::Key_Dollar:
            return '4';
        case Qt::Key_Percent:
            return '5';
        case Qt::Key_AsciiCircum:
            return '6';
        case Qt::Key_Ampersand:
            return '7';
        case Qt::Key_Asterisk:
            return '8';
        case Qt::Key_ParenLeft:
            return '9';
        case Qt::Key_ParenRight:
            return '0';
        default:
            return 0;
    }
}

}  // namespace

int VkFromX11ScanCode(uint32_t scanCode) {
    return scanCode < kX11Table.size() ? kX11Table[scanCode] : 0;
}

int VkFromQtKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) return keypadVk(key);
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return kF1 + (key - Qt::Key_F1);
    if (const int digit = unshiftedDigit(key)) return digit;
    switch (key) {
        case Qt::Key_Escape:
            return kEscape;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return kTab;
        case Qt::Key_Backspace:
            return kBack;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kReturn;
        case Qt::Key_Insert:
            return kInsert;
        case Qt::Key_Delete:
            return kDelete;
        case Qt::Key_Pause:
            return kPause;
        case Qt::Key_Print:
            return kSnapshot;
        case Qt::Key_Home:
            return kHome;
        case Qt::Key_End:
            return kEnd;
        case Qt::Key_Left:
            return kLeft;
        case Qt::Key_Up:
            return kUp;
        case Qt::Key_Right:
            return kRight;
        case Qt::Key_Down:
            return kDown;
        case Qt::Key_PageUp:
            return kPrior;
        case Qt::Key_PageDown:
            return kNext;
        case Qt::Key_Shift:
            return kShift;
        case Qt::Key_Control:
            return kControl;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return kMenu;
        case Qt::Key_Meta:
            return kLWin;
        case Qt::Key_Menu:
            return kApps;
        case Qt::Key_CapsLock:
            return kCapital;
        case Qt::Key_NumLock:
            return kNumLock;
        case Qt::Key_ScrollLock:
            return kScroll;
        case Qt::Key_Space:
            return kSpace;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return kOemMinus;
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            return kOemPlus;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            return kOem4;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            return kOem6;
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            return kOem1;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            return kOem7;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde:
            return kOem3;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
            return kOem5;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return kOemComma;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return kOemPeriod;
        case Qt::Key_Slash:
        case Qt::Key_Question:
            return kOem2;
        default:
            return 0;
    }
}

int VkFromKeyEvent(uint32_t nativeScanCode, int key, Qt::KeyboardModifiers modifiers) {
    if (nativeScanCode != 0) {
        if (const int vk = VkFromX11ScanCode(nativeScanCode)) return vk;
    }
    return VkFromQtKey(key, modifiers);
}

}  // namespace piano
