#pragma once

#include <QDateTime>
#include <QString>

struct Program;

// A take that was never saved outlives an end the player could not answer for (logout, shutdown, a
// kill): it is written into the installation folder and the next start says where.
namespace TakeRecovery {

// Writes a non-empty recording buffer as "恢复的录音-<date>-<time>.tkb" (a standard MIDI file ".mid"
// when the take holds more events than a take file keeps) and notes the path in the settings. Returns
// the path, or an empty string when there was nothing to keep or it could not be written.
QString keepUnsavedTake(Program &p, const QDateTime &now);
// Tells the user, once, where the take of the last run was kept.
void tellAboutKeptTake(Program &p);

}  // namespace TakeRecovery
