#include "synth_player.h"

namespace nw::output {

void SynthPlayer::send(uint32_t packed) {
    const int status = int(packed & 0xFF), d1 = int(packed >> 8 & 0x7F), d2 = int(packed >> 16 & 0x7F);
    const int channel = status & 0x0F;
    switch (status & 0xF0) {
        case 0x80:
            noteOff(channel, d1);
            break;
        case 0x90:
            d2 ? noteOn(channel, d1, d2) : noteOff(channel, d1);
            break;
        case 0xA0:
            fluid_synth_key_pressure(synth_, channel, d1, d2);
            break;
        case 0xB0:
            fluid_synth_cc(synth_, channel, d1, d2);
            break;
        case 0xC0:
            fluid_synth_program_change(synth_, channel, d1);
            break;
        case 0xD0:
            fluid_synth_channel_pressure(synth_, channel, d1);
            break;
        case 0xE0:
            fluid_synth_pitch_bend(synth_, channel, d1 | d2 << 7);
            break;
        default:
            break;  // system messages mean nothing to the synthesizer
    }
}

void SynthPlayer::noteOn(int channel, int key, int velocity) {
    fluid_preset_t *preset = fluid_synth_get_channel_preset(synth_, channel);
    fluid_preset_t *&held = struckWith_[channel][key];
    if (preset && held && held != preset) {
        // fluid_synth_start leaves the voices already sounding on this key alone.
        fluid_synth_start(synth_, nextLayerId_++, preset, 0, channel, key, velocity);
        if (nextLayerId_ == 0) nextLayerId_ = 0x80000000u;
    } else {
        fluid_synth_noteon(synth_, channel, key, velocity);
    }
    held = preset;
}

void SynthPlayer::noteOff(int channel, int key) {
    fluid_synth_noteoff(synth_, channel, key);
    struckWith_[channel][key] = nullptr;
}

}  // namespace nw::output
