#pragma once

struct Program;

namespace DisplayView {
// 1: the three text lines; 2: the song list; 3: the level meter. Other values change nothing.
void setView(Program &program, int view);
}  // namespace DisplayView
