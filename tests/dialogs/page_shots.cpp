// Renders every page of the function dialog with the shipped skin into PNG files, to look at them
// as a user would: page_shots <resource.skn> <output folder>.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "channel_page.h"
#include "dialog_fixture.h"
#include "save_page.h"

using namespace piano;

namespace {

// Channels 0 to 3 play the song and channel 9 the keyboard, each on a program of its own.
void fillChannels(FakeEngine &engine) {
    for (int channel = 0; channel < 16; ++channel) {
        engine.roles[channel] = channel < 4 ? CH_SONG : channel == 9 ? CH_KEYBOARD : CH_FREE;
        engine.programs[channel] = channel * 8;
    }
}

}  // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc < 3) return 2;
    QTemporaryDir install;
    ScriptedDialogs dialogs;
    Program program(dialogs);
    program.state.paths = ProgramPaths::under(install.path());
    program.settings = SettingsFile(program.state.paths.settingsFile);
    program.skinLibrary.load(argv[1]);
    FakeEngine engine;
    fillChannels(engine);
    engine.channel0Program = engine.accompProgram = engine.bufferCount = 1;
    engine.bind(program.engine);
    Performance performance;
    performance.state.installDefaultMap();
    for (int i = 0; i < 16; ++i) {
        const uint8_t controllers[] = {91, 7, 94};  // 94 has the longest name
        performance.state.bytes[KeyboardState::kChannelController + i] = controllers[i % 3];
        performance.state.bytes[KeyboardState::kChannelControlValue + i] = i * 8;
    }
    for (int i = 0; i < 11; ++i)
        performance.panel.accompFiles[i] = "/usr/share/piano/伴奏/伴奏" + std::to_string(i + 1) + ".tkb";
    FunctionDialogOpener opener(program, performance);
    opener.memory.saveFileName = "/home/user/录音.mid";
    QDir().mkpath(argv[2]);
    const std::pair<int, const char *> pages[] = {{0, "accomp"},   {2, "keymap"},      {4, "voice"},
                                                  {5, "channels"}, {6, "controllers"}, {30, "scale"}};
    auto shoot = [&](const char *name) {
        FunctionDialog *d = opener.dialog();
        d->show();
        QApplication::processEvents();
        d->grab().save(QDir(argv[2]).filePath(QString(name) + ".png"));
    };
    for (const auto &[page, name] : pages) {
        opener.open(page);
        shoot(name);
    }
    opener.open(5);
    opener.dialog()->channelPage()->doubleClickRow(1);
    shoot("voice_for_channel");
    opener.open(5);
    opener.dialog()->channelPage()->clickNumber(2);
    shoot("controller_for_channel");
    // The save page: both of its views.
    opener.open(0);
    opener.dialog()->savePage()->prepare();
    opener.dialog()->showTab(FunctionTab::Save, FunctionSize::kSave);
    shoot("save");
    opener.dialog()->savePage()->showOptions();
    shoot("save_options");
    return 0;
}
