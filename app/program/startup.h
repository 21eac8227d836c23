#pragma once

struct Program;

// The main window's life cycle: creation, first show, the close prompt and shutdown.
namespace Startup {

extern const char *const kNoPermissionMessage;
extern const char *const kNotInstalledMessage;
extern const char *const kBufferNotSavedMessage;

// Runs the start-up sequence. False: the program ends (anything to tell the user has been shown).
bool formCreate(Program &program);
// Restores the layout and the sliders when the window is first shown. False: the program ends.
bool formShow(Program &program);
// The close button's question about a non-empty recording buffer. True: the window may close.
bool closePrompt(Program &program);
// Closes the device, releases the libraries and writes the keyboard state, settings and lists.
void formDestroy(Program &program);
// Releases what start-up acquired without writing anything; for a start-up that ended early.
void abandon(Program &program);

}  // namespace Startup
