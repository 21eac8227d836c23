#pragma once
// The buttons that change the playing song's pitch, tempo and voices.
#include "performance.h"

namespace piano {

enum class SongButton {
    BendDown,        // "("
    BendUp,          // ")"
    ResetBend,       // "T"
    ResetSpeed,      // "S"
    ProgramUp,       // ">"
    ProgramDown,     // "<"
    RestorePrograms  // "Y"
};

void ClickSongButton(Performance &p, SongButton button);

}  // namespace piano
