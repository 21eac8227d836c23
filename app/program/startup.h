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
// The question about a non-empty recording buffer (the close button, the window manager's close, "新建"):
// Yes opens the save page, No empties the buffer, Cancel keeps it. True when the buffer may be let go
// of: it was empty, it was saved on the page, or the user chose to empty it.
bool askAboutUnsavedTake(Program &program);
// Closes the device, releases the libraries and writes the keyboard state, settings and lists.
void formDestroy(Program &program);
// Closes the device and releases the libraries, writing nothing: the first half of shutdown, and all
// of it for a start-up that ended early.
void abandon(Program &program);

}  // namespace Startup
