#pragma once

struct Program;

// The transport buttons. Their meaning depends on the mode: in play mode they play, pause and stop
// the song; in record mode they play back, stop playing back and start recording the buffer.
namespace Transport {

void play(Program &program);
void pause(Program &program);
void stopOrRecord(Program &program);
void switchMode(Program &program);

// Tempo and position steps act only while a song plays.
void speedUp(Program &program);
void speedDown(Program &program);
void skipForward(Program &program);
void skipBack(Program &program);

// A press at `x` on the progress gauge panel `panelWidth` wide.
void seek(Program &program, int x, int panelWidth);
void toggleLoop(Program &program);

// The song velocity scale the song-volume slider stands at, as the timer sends it. Every start sets
// it before the song's first notes, so they are not played at another loudness until the next tick.
int songVelocityScale(const Program &program);

// Sends the four controller buttons' values to their controllers.
void refreshControllers(Program &program);

}  // namespace Transport
