#pragma once

struct Program;
namespace piano {
struct Performance;
}

// Gives the timer and the transport what they need of live playing: the keyboard model's controller
// numbers and values, and the release of every key.
void linkTransportToLivePlaying(Program &program, piano::Performance &performance);
