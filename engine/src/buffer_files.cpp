// Saving the recording buffer and loading accompaniment patterns.
#include "engine.h"

namespace nw {

void Engine::saveBufferMidi(Lock &, const char *) {}
void Engine::saveBufferTake(Lock &, const char *) {}
void Engine::loadAccomp(Lock &, const char *) {}

}  // namespace nw
