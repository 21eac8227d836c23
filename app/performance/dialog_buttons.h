#pragma once
// The four small buttons that open pages of the function dialog. The action runs when the mouse
// button is released inside the button that was pressed.
#include "performance.h"

namespace piano {

enum class DialogButton {
    Voices,         // "N": choose a voice to play
    ChannelVoices,  // "F": channel voices
    Controllers,    // "C": controller codes
    AccompVoices    // "B": accompaniment voices
};

void DialogButtonPress(Performance &p, DialogButton button);
// x, y relative to the button; width, height its size.
void DialogButtonRelease(Performance &p, DialogButton button, int x, int y, int width, int height);

}  // namespace piano
