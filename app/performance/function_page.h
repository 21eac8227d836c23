#pragma once

namespace piano {

// The page a function dialog opens on: the values of the program-wide page selector that every opener
// (menu, buttons, control panel, close prompt) sets before the dialog is made.
enum FunctionPage : int {
    kPageAccomp = 0,
    kPageSave = 1,
    kPageKeyMap = 2,
    kPagePanelCell = 3,  // the voice or the scale page, after the control panel's mode
    kPageBandVoice = 4,
    kPageChannels = 5,
    kPageControllers = 6,
    kPageScale = 30,
    kPageAccompVoice = 40,
    kPageChordVoice1 = 111,
    kPageChordVoice2 = 112,
    kPageVoices = 300,
};

}  // namespace piano
