#include "song_buttons.h"

namespace piano {
namespace {

// The channel list refresh runs at tick 100: after a voice change it follows three ticks later.
constexpr int kEarlyChannelRefreshTick = 97;

void refreshChannelsSoon(Performance &p) {
    if (p.hooks.setTickCount) p.hooks.setTickCount(kEarlyChannelRefreshTick);
}

}  // namespace

void ClickSongButton(Performance &p, SongButton button) {
    switch (button) {
        case SongButton::BendDown:
            EngineCall(p.engine, MDRV_BEND_ADD);
            break;
        case SongButton::BendUp:
            EngineCall(p.engine, MDRV_BEND_SUB);
            break;
        case SongButton::ResetBend:
            EngineCall(p.engine, MDRV_RESET_BEND);
            break;
        case SongButton::ResetSpeed:
            EngineCall(p.engine, MDRV_RESET_SPEED);
            break;
        case SongButton::ProgramUp:
            EngineCall(p.engine, MDRV_SONG_PROGRAM_UP);
            refreshChannelsSoon(p);
            break;
        case SongButton::ProgramDown:
            EngineCall(p.engine, MDRV_SONG_PROGRAM_DOWN);
            refreshChannelsSoon(p);
            break;
        case SongButton::RestorePrograms:
            EngineCall(p.engine, MDRV_RESTORE_SONG_PROGRAMS);
            if (p.hooks.functionDialogExists && p.hooks.functionDialogExists()) {
                EngineCall(p.engine, MDRV_RESTORE_SONG_PROGRAMS);
                if (p.hooks.refillChannelPage) p.hooks.refillChannelPage();
            }
            break;
    }
}

}  // namespace piano
