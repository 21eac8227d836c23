#include "song_buttons.h"

namespace piano {
namespace {

// After a voice change the channel rows follow three timer ticks later.
constexpr int kChannelRefreshDelayTicks = 3;

void refreshChannelsSoon(Performance &p) {
    if (p.hooks.refreshChannelsSoon) p.hooks.refreshChannelsSoon(kChannelRefreshDelayTicks);
}

}  // namespace

void ClickSongButton(Performance &p, SongButton button) {
    switch (button) {
        case SongButton::BendDown:
            EngineCall(*p.engine, MDRV_BEND_ADD);
            break;
        case SongButton::BendUp:
            EngineCall(*p.engine, MDRV_BEND_SUB);
            break;
        case SongButton::ResetBend:
            EngineCall(*p.engine, MDRV_RESET_BEND);
            break;
        case SongButton::ResetSpeed:
            EngineCall(*p.engine, MDRV_RESET_SPEED);
            break;
        case SongButton::ProgramUp:
            EngineCall(*p.engine, MDRV_SONG_PROGRAM_UP);
            refreshChannelsSoon(p);
            break;
        case SongButton::ProgramDown:
            EngineCall(*p.engine, MDRV_SONG_PROGRAM_DOWN);
            refreshChannelsSoon(p);
            break;
        case SongButton::RestorePrograms:
            EngineCall(*p.engine, MDRV_RESTORE_SONG_PROGRAMS);
            if (p.hooks.functionDialogExists && p.hooks.functionDialogExists()) {
                EngineCall(*p.engine, MDRV_RESTORE_SONG_PROGRAMS);
                if (p.hooks.refillChannelPage) p.hooks.refillChannelPage();
            }
            break;
    }
}

}  // namespace piano
