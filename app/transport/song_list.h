#pragma once

struct Program;

// The song list: up to 100 files, each row showing a file name, with its full path in SongPaths.
namespace SongList {

// Loads the row's song into the engine and starts it; the gauge takes the song's length.
void loadAndStart(Program &program, int row);

void doubleClick(Program &program, int row);
void next(Program &program);
void previous(Program &program);

// Runs the open dialog and fills the list with the chosen files; nothing plays until play is pressed.
void openFiles(Program &program);

// Line 1 texts for the mouse over the previous and next buttons.
void hoverPrevious(Program &program);
void hoverNext(Program &program);

}  // namespace SongList
