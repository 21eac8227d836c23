// The built-in synthesizer: FluidSynth with a General MIDI SoundFont. The synthesizer and its audio
// driver are made once per process (loading the SoundFont takes the better part of a second) and kept
// across closing and reopening; closing silences and resets it.
#include <fluidsynth.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

#include "output.h"

namespace nw::output {
namespace {

constexpr double kFullScaleGain = 0.8;
constexpr double kInitialGain = 0.5;
constexpr int kPolyphony = 256;

bool fileExists(const std::string &path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void quietLog(int, const char *, void *) {}

class Synth {
public:
    ~Synth() {
        if (loader_.joinable()) loader_.join();
        if (driver_) delete_fluid_audio_driver(driver_);
        if (synth_) delete_fluid_synth(synth_);
        if (settings_) delete_fluid_settings(settings_);
    }

    // Starts the synthesizer and its audio, and the SoundFont loading; true when it can play.
    bool ensureStarted() {
        std::lock_guard<std::mutex> guard(mutex_);
        if (tried_) return driver_ != nullptr;
        tried_ = true;
        std::string font = soundFontPath();
        if (font.empty()) {
            std::fprintf(stderr, "notewire: no General MIDI SoundFont found (set NOTEWIRE_SOUNDFONT)\n");
            return false;
        }
        settings_ = new_fluid_settings();
        fluid_settings_setint(settings_, "synth.polyphony", kPolyphony);
        fluid_settings_setnum(settings_, "synth.gain", kInitialGain);
        fluid_settings_setnum(settings_, "synth.sample-rate", 48000.0);
        // Small periods so a key sounds within a few milliseconds.
        fluid_settings_setint(settings_, "audio.period-size", 128);
        fluid_settings_setint(settings_, "audio.periods", 2);
        fluid_settings_setint(settings_, "audio.pulseaudio.adjust-latency", 0);
        if (const char *file = std::getenv("NOTEWIRE_AUDIO_FILE"))
            fluid_settings_setstr(settings_, "audio.file.name", file);
        synth_ = new_fluid_synth(settings_);
        if (!synth_) return false;
        startAudio();
        if (!driver_) return false;
        // The SoundFont takes most of a second to load: it loads beside the program, so the window
        // shows at once; notes played before it is in are silent.
        loader_ = std::thread([synth = synth_, font] {
            if (fluid_synth_sfload(synth, font.c_str(), 1) == FLUID_FAILED)
                std::fprintf(stderr, "notewire: cannot load the SoundFont %s\n", font.c_str());
        });
        return true;
    }

    fluid_synth_t *synth() const { return synth_; }

private:
    void startAudio() {
        const char *chosen = std::getenv("NOTEWIRE_AUDIO_DRIVER");
        const char *candidates[] = {"pipewire", "pulseaudio", "alsa"};
        // Drivers that are not there complain loudly; only the outcome matters.
        fluid_log_function_t previous[LAST_LOG_LEVEL];
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            previous[level] = fluid_set_log_function(level, quietLog, nullptr);
        if (chosen && *chosen) {
            tryDriver(chosen);
        } else {
            for (const char *name : candidates)
                if (tryDriver(name)) break;
        }
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, previous[level], nullptr);
        if (!driver_) std::fprintf(stderr, "notewire: no audio output could be started\n");
    }

    bool tryDriver(const char *name) {
        fluid_settings_setstr(settings_, "audio.driver", name);
        driver_ = new_fluid_audio_driver(settings_, synth_);
        return driver_ != nullptr;
    }

    std::mutex mutex_;
    std::thread loader_;
    bool tried_ = false;
    fluid_settings_t *settings_ = nullptr;
    fluid_synth_t *synth_ = nullptr;
    fluid_audio_driver_t *driver_ = nullptr;
};

// Shared so that a device still open at process exit keeps the synthesizer alive until it closes.
std::shared_ptr<Synth> theSynth() {
    static std::shared_ptr<Synth> synth = std::make_shared<Synth>();
    return synth;
}

class SynthDevice final : public Device {
public:
    explicit SynthDevice(std::shared_ptr<Synth> synth) : owner_(std::move(synth)), synth_(owner_->synth()) {}
    ~SynthDevice() override {
        fluid_synth_all_sounds_off(synth_, -1);
        fluid_synth_system_reset(synth_);
    }

    int32_t send(uint32_t packed) override {
        int status = int(packed & 0xFF), d1 = int(packed >> 8 & 0x7F), d2 = int(packed >> 16 & 0x7F);
        int channel = status & 0x0F;
        switch (status & 0xF0) {
            case 0x80: fluid_synth_noteoff(synth_, channel, d1); break;
            case 0x90: fluid_synth_noteon(synth_, channel, d1, d2); break;
            case 0xA0: fluid_synth_key_pressure(synth_, channel, d1, d2); break;
            case 0xB0: fluid_synth_cc(synth_, channel, d1, d2); break;
            case 0xC0: fluid_synth_program_change(synth_, channel, d1); break;
            case 0xD0: fluid_synth_channel_pressure(synth_, channel, d1); break;
            case 0xE0: fluid_synth_pitch_bend(synth_, channel, d1 | d2 << 7); break;
            default: break;  // system messages mean nothing to the synthesizer
        }
        return 0;
    }

    void setVolume(uint32_t volume) override {
        fluid_synth_set_gain(synth_, float(kFullScaleGain * double(volume & 0xFFFF) / 65535.0));
    }

private:
    std::shared_ptr<Synth> owner_;
    fluid_synth_t *synth_;
};

}  // namespace

std::string soundFontPath() {
    if (const char *env = std::getenv("NOTEWIRE_SOUNDFONT"); env && fileExists(env)) return env;
    for (const char *path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                             "/usr/share/sounds/sf2/TimGM6mb.sf2"})
        if (fileExists(path)) return path;
    return {};
}

bool synthAvailable() { return !soundFontPath().empty(); }

int32_t synthPolyphony() { return kPolyphony; }

void prepareSynth() { theSynth()->ensureStarted(); }

std::unique_ptr<Device> openSynth() {
    auto synth = theSynth();
    if (!synth->ensureStarted()) return nullptr;
    return std::make_unique<SynthDevice>(std::move(synth));
}

}  // namespace nw::output
