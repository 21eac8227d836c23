// Plays packed short messages on a FluidSynth synthesizer.
//
// A layer strikes the same key twice on one channel, each time with another program. FluidSynth's own
// note-on releases whatever sounds on that channel and key, so only the last layer would be heard. While
// a key is held, a strike with another preset therefore starts that preset's voices beside the others;
// the key's note-off releases them all. A strike with the same preset still restarts the note, as a
// re-struck key should.
#pragma once

#include <fluidsynth.h>

#include <cstdint>

namespace nw::output {

class SynthPlayer {
  public:
    explicit SynthPlayer(fluid_synth_t *synth) : synth_(synth) {}

    void send(uint32_t packed);

  private:
    void noteOn(int channel, int key, int velocity);
    void noteOff(int channel, int key);

    fluid_synth_t *synth_;
    // The preset that struck each held key last; null once the key is released. An entry left behind by
    // an all-notes-off only makes the next strike start beside voices that are already released.
    fluid_preset_t *struckWith_[16][128] = {};
    // Ids of the voices started beside a held key, far above the ids FluidSynth gives its own notes.
    unsigned int nextLayerId_ = 0x80000000u;
};

}  // namespace nw::output
