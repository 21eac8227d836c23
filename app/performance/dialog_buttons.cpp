#include "dialog_buttons.h"

#include "function_page.h"

namespace piano {
namespace {

int index(DialogButton b) {
    return static_cast<int>(b);
}

void open(Performance &p, int page) {
    if (p.hooks.openFunctionDialog) p.hooks.openFunctionDialog(page, false);
}

}  // namespace

void DialogButtonPress(Performance &p, DialogButton button) {
    p.dialogButtons.marked[index(button)] = true;
    if (button == DialogButton::AccompVoices) EngineCall(*p.engine, MDRV_SET_ACCOMP_PROGRAM_FLAG, 0);
}

void DialogButtonRelease(Performance &p, DialogButton button, int x, int y, int width, int height) {
    const bool wasMarked = p.dialogButtons.marked[index(button)];
    p.dialogButtons.marked[index(button)] = false;
    if (!wasMarked || x <= 0 || x >= width || y <= 0 || y >= height) return;
    switch (button) {
        case DialogButton::Voices:
            open(p, kPageBandVoice);
            break;
        case DialogButton::ChannelVoices:
            EngineCall(*p.engine, MDRV_USER_PROGRAMS);
            open(p, kPageChannels);
            break;
        case DialogButton::Controllers:
            EngineCall(*p.engine, MDRV_USER_PROGRAMS);
            open(p, kPageControllers);
            break;
        case DialogButton::AccompVoices:
            EngineCall(*p.engine, MDRV_SET_ACCOMP_PROGRAM_FLAG, 1);
            open(p, kPageAccompVoice);
            break;
    }
}

}  // namespace piano
