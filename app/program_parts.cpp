#include "program_parts.h"

#include "program.h"

// Until the keyboard, panel, timer and dialogs are present the hooks keep their do-nothing defaults.
void attachProgramParts(Program &) {}
