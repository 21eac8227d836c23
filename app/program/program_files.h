#pragma once

#include <QStringList>

struct Program;

// The files that carry the program from one run to the next: the keyboard state "Key", the settings
// "Piano" (all of the running program's values in one write) and the accompaniment list "TkbFile".
namespace ProgramFiles {

// Writes all three, each whole or not at all; returns the paths that could not be written.
QStringList saveAll(Program &p);
// Writes all three and tells the user which could not be written (unless the program is ending on a
// signal, when the failure goes to stderr only). True when everything was written.
bool saveAllAndReport(Program &p);
// Tells the user that these files could not be written and why that matters.
void reportUnwritten(Program &p, const QStringList &paths);

}  // namespace ProgramFiles
