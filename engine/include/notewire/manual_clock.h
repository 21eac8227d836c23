/* notewire's hand-driven clock, for tests of the program that loads the engine library.
 *
 * With NOTEWIRE_MANUAL_CLOCK=1 in the environment when MDRV_OPEN first starts the clock, no clock thread
 * runs: the engine's 1 ms ticks happen only when nwAdvanceManualClock is called, on the caller's thread.
 * Songs, recording time bases and accompaniments then move exactly as far as a test says, however
 * loaded the machine is. The program itself never calls this.
 */
#ifndef NOTEWIRE_MANUAL_CLOCK_H
#define NOTEWIRE_MANUAL_CLOCK_H

#include "notewire/notewire.h"

#ifdef __cplusplus
extern "C" {
#endif

#define NOTEWIRE_MANUAL_CLOCK_VARIABLE "NOTEWIRE_MANUAL_CLOCK"
#define NOTEWIRE_ADVANCE_MANUAL_CLOCK_SYMBOL "nwAdvanceManualClock"

/* Runs `milliseconds` ticks of the clock and returns how many ran: 0 when the clock is not hand-driven
 * (the variable was unset at open, or the engine is not open yet) or `milliseconds` is negative. */
NOTEWIRE_API int32_t nwAdvanceManualClock(int32_t milliseconds);

#ifdef __cplusplus
}
#endif

#endif /* NOTEWIRE_MANUAL_CLOCK_H */
