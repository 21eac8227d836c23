#pragma once
// Every value of the settings file "Piano", by section and key; sections and keys match without regard
// to case, so a value is read and written under the one spelling written here.
#include <array>

struct SettingsKey {
    const char *section;
    const char *key;
};

namespace SettingsKeys {

// The window and its controls, written at shutdown.
inline constexpr SettingsKey kLeft{"Piano", "Left"};
inline constexpr SettingsKey kTop{"Piano", "Top"};
inline constexpr SettingsKey kVolume{"Piano", "Volume"};  // master-volume thumb
inline constexpr SettingsKey kPanelMode{"Piano", "inx1"};
inline constexpr SettingsKey kControllerButton{"Piano", "CortrorButton"};
inline constexpr SettingsKey kEnlarged{"Piano", "MaxMin"};
// Controller button values 1..4, then the selected cells of panel modes 1..3.
inline constexpr std::array<SettingsKey, 7> kButtons{{{"Piano", "Button1"},
                                                      {"Piano", "Button2"},
                                                      {"Piano", "Button3"},
                                                      {"Piano", "Button4"},
                                                      {"Piano", "Button5"},
                                                      {"Piano", "Button6"},
                                                      {"Piano", "Button7"}}};
// Slider thumbs Control1..Control6 (index 0 is unused: the master volume has its own key).
inline constexpr std::array<SettingsKey, 7> kControls{{{"Piano", "Volume"},
                                                       {"Piano", "Control1"},
                                                       {"Piano", "Control2"},
                                                       {"Piano", "Control3"},
                                                       {"Piano", "Control4"},
                                                       {"Piano", "Control5"},
                                                       {"Piano", "Control6"}}};

// Program-wide choices.
inline constexpr SettingsKey kColour{"Set", "Color"};
inline constexpr SettingsKey kDevice{"Set", "DrviveID"};
inline constexpr SettingsKey kFlatButtons{"Set", "ButtonFlat"};
inline constexpr SettingsKey kPlainPictures{"Set", "PicFlat"};
inline constexpr SettingsKey kAccompController{"Set", "ControlCode"};
inline constexpr SettingsKey kRecordSong{"Set", "SavePlay"};
inline constexpr SettingsKey kRecordAccomp{"Set", "SaveTkb"};
inline constexpr SettingsKey kVoicePower{"Set", "YinSePower"};
inline constexpr SettingsKey kScalePower{"Set", "YinJeiPower"};
inline constexpr SettingsKey kRecoveredTake{"Set", "RecoveredTake"};
inline constexpr SettingsKey kMidiInput{"Set", "MidiIn"};  // "auto", "none" or a source's name

// Files and folders.
inline constexpr SettingsKey kDefaultPictures{"Directory", "RESDPathMax"};
inline constexpr SettingsKey kSkin{"Directory", "RESDPath"};
inline constexpr SettingsKey kOpenFolder{"Directory", "OpenPath"};

}  // namespace SettingsKeys
