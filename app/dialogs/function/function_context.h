#pragma once
// What the function dialog reads and changes: the program (its state, settings file, dialog service,
// skin library and engine), the live-playing model, and the two values the dialog keeps between
// openings.
#include <QString>

#include "performance.h"
#include "program.h"

namespace piano {

// Kept from one opening of the dialog to the next for as long as the program runs.
struct FunctionDialogMemory {
    int selectedChannel = 0;  // channel of the last channel number button pressed
    QString saveFileName;
};

struct FunctionContext {
    Program &program;
    Performance &performance;
    FunctionDialogMemory &memory;

    KeyboardState &keys() { return performance.state; }
    const EngineBinding &engine() const { return program.engine; }
    int32_t call(int32_t command, int32_t arg = 0, const char *data = "") const {
        return program.engine.call(command, arg, data);
    }
    // The cell marked on the control panel; in the effects mode that is the harmony effect.
    int panelCell() const {
        const ControlPanel &panel = performance.panel;
        if (panel.mode == 2) return performance.harmonyEffect;
        return panel.mode >= 1 && panel.mode <= 3 ? panel.cell[panel.mode] : 0;
    }
};

// Pages of the dialog, in the order of its page container.
enum class FunctionTab { Accomp, Save, KeyMap, Scale, Voice, Channels, Controllers };

}  // namespace piano
