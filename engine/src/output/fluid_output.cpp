// The built-in synthesizer: FluidSynth with a General MIDI SoundFont. The synthesizer is made once per
// process and kept across closing and reopening; closing silences and resets it. Its audio output and
// its SoundFont (which takes the better part of a second to load) start beside the program, so a
// missing or slow sound server never holds the window; what fails is kept to be told to the user once,
// and tried again the next time the device is opened.
#include <fluidsynth.h>
#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>

#include "output.h"
#include "synth_player.h"

namespace nw::output {
namespace {

// The gain at the top of the master volume: a ten-key layered chord over a loud song still stays below
// full scale there.
constexpr double kFullScaleGain = 0.7;
constexpr int kPolyphony = 256;
// How long opening waits for the audio output to start; a slower one comes up behind the open device.
constexpr auto kAudioStartWait = std::chrono::milliseconds(200);

constexpr const char *kNoAudio = "不能启动声音输出，请检查声音服务是否正在运行!";
constexpr const char *kBadSoundFont = "不能加载音色库文件，请检查文件是否正确: ";

bool fileExists(const std::string &path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// A SoundFont is a RIFF form of type "sfbk"; anything else is refused before the long load starts.
bool looksLikeSoundFont(const std::string &path) {
    if (!fileExists(path)) return false;
    char head[12] = {};
    std::ifstream in(path, std::ios::binary);
    return in.read(head, sizeof head) && std::memcmp(head, "RIFF", 4) == 0 &&
           std::memcmp(head + 8, "sfbk", 4) == 0;
}

void quietLog(int, const char *, void *) {}

// The master volume (0..65535) as the synthesizer's gain. The gain follows the square of the volume, as
// loudness controls do: half volume is -12 dB, so the whole slider is useful, and the program's default
// place sits 6.5 dB below the top, which leaves the headroom for everything playing at once.
double gainForVolume(uint32_t volume) {
    const double share = double(volume & 0xFFFF) / 65535.0;
    return kFullScaleGain * share * share;
}

// Until the program sets the volume, the synthesizer plays at the program's default.
constexpr uint32_t kInitialVolume = 45000;

class Synth {
  public:
    ~Synth() {
        if (audioStarter_.joinable()) audioStarter_.join();
        if (fontLoader_.joinable()) fontLoader_.join();
        if (driver_) delete_fluid_audio_driver(driver_);
        if (synth_) delete_fluid_synth(synth_);
        if (settings_) delete_fluid_settings(settings_);
    }

    // Makes the synthesizer and (again, when they failed before) starts its audio output and its
    // SoundFont, waiting a moment at most. Call it without the engine lock.
    void prepare() {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!create()) return;
        startAudio(lock);
        loadSoundFont();
    }

    // The synthesizer takes messages: there is a SoundFont to play and the audio has not failed.
    bool canPlay() {
        std::lock_guard<std::mutex> guard(mutex_);
        return synth_ && audio_ != Stage::Failed && !soundFontPath().empty();
    }

    bool prepared() {
        std::lock_guard<std::mutex> guard(mutex_);
        return synth_ != nullptr;
    }

    std::string takeFailure() {
        std::lock_guard<std::mutex> guard(mutex_);
        std::string failure;
        failure.swap(untold_);
        if (!failure.empty()) told_ = failure;
        return failure;
    }

    void settle() {
        std::unique_lock<std::mutex> lock(mutex_);
        settled_.wait(lock, [this] { return audio_ != Stage::Busy && font_ != Stage::Busy; });
    }

    fluid_synth_t *synth() const { return synth_; }

  private:
    enum class Stage { Idle, Busy, Done, Failed };

    bool create() {
        if (synth_) return true;
        if (soundFontPath().empty()) {
            std::fprintf(stderr, "notewire: no General MIDI SoundFont found (set NOTEWIRE_SOUNDFONT)\n");
            return false;
        }
        // Drivers that are not there complain loudly, and so does a failed load; only the outcome
        // matters, and that is told by the engine.
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, quietLog, nullptr);
        settings_ = new_fluid_settings();
        fluid_settings_setint(settings_, "synth.polyphony", kPolyphony);
        fluid_settings_setnum(settings_, "synth.gain", gainForVolume(kInitialVolume));
        fluid_settings_setnum(settings_, "synth.sample-rate", 48000.0);
        // Small periods so a key sounds within a few milliseconds.
        fluid_settings_setint(settings_, "audio.period-size", 128);
        fluid_settings_setint(settings_, "audio.periods", 2);
        fluid_settings_setint(settings_, "audio.pulseaudio.adjust-latency", 0);
        synth_ = new_fluid_synth(settings_);
        return synth_ != nullptr;
    }

    // A failure not told yet, unless it is the one told last (the same failure is told once).
    void keepFailure(const std::string &failure) {
        std::fprintf(stderr, "notewire: %s\n", failure.c_str());
        if (failure != told_) untold_ = failure;
    }

    void startAudio(std::unique_lock<std::mutex> &lock) {
        if (audio_ == Stage::Busy || audio_ == Stage::Done) return;
        if (audioStarter_.joinable()) audioStarter_.join();  // it has finished: the stage is not Busy
        audio_ = Stage::Busy;
        tellLateAudioFailure_ = false;
        std::string driverName = "";
        if (const char *chosen = std::getenv("NOTEWIRE_AUDIO_DRIVER")) driverName = chosen;
        std::string fileName = "";
        if (const char *file = std::getenv("NOTEWIRE_AUDIO_FILE")) fileName = file;
        audioStarter_ = std::thread([this, driverName, fileName] {
            fluid_audio_driver_t *driver = openDriver(driverName, fileName);
            std::lock_guard<std::mutex> guard(mutex_);
            driver_ = driver;
            audio_ = driver ? Stage::Done : Stage::Failed;
            if (driver) told_.clear();
            // A failure within the wait fails the open, which the engine tells as a device failure.
            if (!driver && tellLateAudioFailure_) keepFailure(kNoAudio);
            settled_.notify_all();
        });
        if (!settled_.wait_for(lock, kAudioStartWait, [this] { return audio_ != Stage::Busy; }))
            tellLateAudioFailure_ = true;
    }

    // Runs on the starter thread; the settings are touched by no one else meanwhile.
    fluid_audio_driver_t *openDriver(const std::string &chosen, const std::string &file) {
        if (!file.empty()) fluid_settings_setstr(settings_, "audio.file.name", file.c_str());
        auto tryDriver = [this](const char *name) {
            fluid_settings_setstr(settings_, "audio.driver", name);
            return new_fluid_audio_driver(settings_, synth_);
        };
        if (!chosen.empty()) return tryDriver(chosen.c_str());
        for (const char *name : {"pipewire", "pulseaudio", "alsa"})
            if (fluid_audio_driver_t *driver = tryDriver(name)) return driver;
        return nullptr;
    }

    // Loads the SoundFont when it failed before or another one has been chosen since.
    void loadSoundFont() {
        const std::string font = soundFontPath();
        if (font_ == Stage::Busy || (font_ == Stage::Done && font == fontPath_)) return;
        if (!looksLikeSoundFont(font)) {
            font_ = Stage::Failed;
            keepFailure(kBadSoundFont + font);
            return;
        }
        if (fontLoader_.joinable()) fontLoader_.join();
        font_ = Stage::Busy;
        // Notes played before the SoundFont is in are silent.
        fontLoader_ = std::thread([this, font, previous = fontId_] {
            const int id = fluid_synth_sfload(synth_, font.c_str(), 1);
            if (id != FLUID_FAILED && previous != FLUID_FAILED) fluid_synth_sfunload(synth_, previous, 1);
            std::lock_guard<std::mutex> guard(mutex_);
            font_ = id != FLUID_FAILED ? Stage::Done : Stage::Failed;
            if (id != FLUID_FAILED) {
                fontId_ = id;
                fontPath_ = font;
                told_.clear();
            } else {
                keepFailure(kBadSoundFont + font);
            }
            settled_.notify_all();
        });
    }

  public:
    bool soundFontLoaded() {
        std::lock_guard<std::mutex> guard(mutex_);
        return font_ == Stage::Done;
    }

  private:
    std::mutex mutex_;
    std::condition_variable settled_;
    std::thread audioStarter_;
    std::thread fontLoader_;
    Stage audio_ = Stage::Idle;
    Stage font_ = Stage::Idle;
    std::string fontPath_;  // the SoundFont in the synthesizer
    int fontId_ = FLUID_FAILED;
    bool tellLateAudioFailure_ = false;
    std::string untold_;  // a failure the user has not been told of yet
    std::string told_;    // the failure told last, not told again until something succeeds
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
    explicit SynthDevice(std::shared_ptr<Synth> synth)
        : owner_(std::move(synth)), synth_(owner_->synth()), player_(synth_) {}
    ~SynthDevice() override {
        fluid_synth_all_sounds_off(synth_, -1);
        fluid_synth_system_reset(synth_);
    }

    int32_t send(uint32_t packed) override {
        player_.send(packed);
        return 0;
    }

    void setVolume(uint32_t volume) override { fluid_synth_set_gain(synth_, float(gainForVolume(volume))); }

  private:
    std::shared_ptr<Synth> owner_;
    fluid_synth_t *synth_;
    SynthPlayer player_;
};

}  // namespace

std::string soundFontPath() {
    if (const char *env = std::getenv("NOTEWIRE_SOUNDFONT"); env && fileExists(env)) return env;
    for (const char *path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                             "/usr/share/sounds/sf2/TimGM6mb.sf2"})
        if (fileExists(path)) return path;
    return {};
}

bool synthAvailable() {
    return !soundFontPath().empty();
}

int32_t synthPolyphony() {
    return kPolyphony;
}

void prepareSynth() {
    theSynth()->prepare();
}

std::string takeSynthFailure() {
    return theSynth()->takeFailure();
}

void settleSynth() {
    theSynth()->settle();
}

bool synthSoundFontLoaded() {
    return theSynth()->soundFontLoaded();
}

std::unique_ptr<Device> openSynth() {
    auto synth = theSynth();
    if (!synth->prepared()) synth->prepare();  // opened without being prepared first
    if (!synth->canPlay()) return nullptr;
    return std::make_unique<SynthDevice>(std::move(synth));
}

}  // namespace nw::output
