#pragma once
// The General MIDI program names offered for every voice choice (row = program number) and the note
// names offered for pitches (row = note number; the last row is empty).
#include <string>

namespace piano {

constexpr int kVoiceCount = 128;
constexpr int kNoteNameCount = 121;

// The program's row text; empty outside 0..127.
std::string VoiceListRow(int program);
// "C0", "C#0" .. "B9" for 0..119; empty for 120 and anything else.
std::string NoteNameRow(int note);

}  // namespace piano
