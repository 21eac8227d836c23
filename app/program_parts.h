#pragma once

struct Program;

// Plugs the keyboard, control panel, main timer and dialogs into the main window by filling
// program.hooks. Runs once, when the main window is built and before start-up.
void attachProgramParts(Program &program);
