#pragma once

#include <QString>

struct Program;

// The song list: up to 100 files, each row showing a file name, with its full path in SongPaths.
namespace SongList {

// Loads a song file into the engine and starts it; the gauge takes the song's length.
void loadAndStartFile(Program &program, const QString &file);
// The same for a row of the list.
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
