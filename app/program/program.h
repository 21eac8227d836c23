#pragma once

#include <functional>

#include "dialog_service.h"
#include "engine_binding.h"
#include "main_window_controls.h"
#include "program_hooks.h"
#include "program_state.h"
#include "resource_library.h"
#include "settings_file.h"

// Everything the main window owns: its controls, the program-wide state, the settings file, the two
// bitmap libraries, the engine library with its entry points, and the seams to later pieces.
struct Program {
    explicit Program(DialogService &dialogService) : dialogs(dialogService) {}

    MainWindowControls controls;
    ProgramState state;
    SettingsFile settings{QString()};
    ResourceLibrary defaultLibrary{"/default"};
    ResourceLibrary skinLibrary{"/skin"};
    EngineLibrary engineLibrary;
    EngineBinding engine;
    NwHost host{};
    DialogService &dialogs;
    ProgramHooks hooks;
    // Fills the entry points from the loaded engine; tests wrap them to watch the calls.
    std::function<bool(const EngineLibrary &, EngineBinding &)> bindEngine =
        [](const EngineLibrary &library, EngineBinding &binding) { return library.bind(binding); };
};
