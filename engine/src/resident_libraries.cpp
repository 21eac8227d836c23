// The sound libraries the engine brings in keep process-wide state of their own: libjack its client
// bookkeeping and handlers, libasound its parsed configuration, FluidSynth and RtMidi their registries.
// The program unloads the engine at shutdown and may load it again; these libraries stay loaded, as they
// would in a program linked against them, so their state is never torn down under a thread that still
// uses it nor left unreachable (which a leak checker rightly reports) when the engine goes.
#include <dlfcn.h>

#include <initializer_list>

namespace {

__attribute__((constructor)) void keepSoundLibrariesResident() {
    for (const char *name : {"libjack.so.0", "libasound.so.2", "libfluidsynth.so.3", "librtmidi.so.6"})
        dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);  // only marks a library already loaded
}

}  // namespace
