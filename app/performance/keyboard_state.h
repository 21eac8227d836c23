#pragma once
// The keyboard model: one 436-byte table holding the voice and pitch of every note slot, the function
// of every virtual-key code, the controller numbers and the layer voices of the harmony effects.
#include <array>
#include <cstdint>
#include <string>

namespace piano {

constexpr int kSlotCount = 60;
constexpr int kKeyCodeCount = 250;  // codes 250 and above have no entry in the map

struct KeyboardState {
    static constexpr int kSize = 436;
    static constexpr int kSlotVoice = 0;            // + slot 1..60
    static constexpr int kSlotPitch = 60;           // + slot 1..60
    static constexpr int kKeyFunction = 121;        // + virtual-key code 0..249
    static constexpr int kButtonController = 370;   // + button 1..4
    static constexpr int kChannelController = 375;  // + channel 0..15
    static constexpr int kChannelControlValue = 391;
    static constexpr int kChannelVoice = 407;
    static constexpr int kChordVoice1 = 417;  // + effect 6..11
    static constexpr int kChordVoice2 = 423;  // + effect 6..11
    static constexpr int kControllerTarget = 435;

    std::array<uint8_t, kSize> bytes{};

    uint8_t &slotVoice(int slot) { return bytes[kSlotVoice + slot]; }
    uint8_t &slotPitch(int slot) { return bytes[kSlotPitch + slot]; }
    uint8_t &keyFunction(int code) { return bytes[kKeyFunction + code]; }
    uint8_t &buttonController(int button) { return bytes[kButtonController + button]; }
    uint8_t &chordVoice1(int effect) { return bytes[kChordVoice1 + effect]; }
    uint8_t &chordVoice2(int effect) { return bytes[kChordVoice2 + effect]; }
    uint8_t &controllerTarget() { return bytes[kControllerTarget]; }

    // The bare pitches: slot n sounds 35 + n; nothing else is touched.
    void installDefaultMap();
};

// Key function values.
constexpr int kFirstControllerStep = 60;  // 60..75: controller step 1..16
constexpr int kLastControllerStep = 75;
constexpr int kFirstButtonSelect = 76;  // 76..79: select controller button 1..4
constexpr int kLastButtonSelect = 79;

// The file `Key`: 419 bytes in seven blocks (the layer voices come before the channel blocks).
constexpr int kKeyFileSize = 419;

enum class KeyFileLoad {
    Read,           // opened for reading and writing and read
    ReadOnly,       // could only be opened for reading; read all the same
    CreatedDefault  // missing (created empty), empty or unreadable: the shipped map is in force
};

// Fills `state` from the file at `path` (as far as the file reaches); without a map to read, it takes
// the map the program ships (BuildDefaultKeyMap), not the bare state where every key plays slot 1.
KeyFileLoad LoadKeyboardState(KeyboardState &state, const std::string &path);
// Writes the seven blocks at the start of the file, whole or not at all (a longer file keeps its tail);
// false if it cannot be written.
bool SaveKeyboardState(const KeyboardState &state, const std::string &path);

}  // namespace piano
