#pragma once

#include <QString>

struct Program;

// The three text lines of the display. Every renderer but the idle one puts its text first on line 1;
// all of them end the progress read-out on line 1.
namespace DisplayLines {

void renderStatus(Program &program, const QString &text);
void renderControllers(Program &program, const QString &text);
void renderPanel(Program &program, const QString &text);
void renderSliders(Program &program, const QString &text);
void renderIdle(Program &program, const QString &text = {});

// The idle texts, which are also the lines' texts at start.
QString idleLine(int line);
void setLines(Program &program, const QString &line1, const QString &line2, const QString &line3);

}  // namespace DisplayLines
