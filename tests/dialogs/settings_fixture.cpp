#include "settings_fixture.h"

#include <QFile>

#include "skin.h"

void SettingsFixture::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    program_ = std::make_unique<Program>(dialogs_);
    Program &p = *program_;
    p.state.paths = ProgramPaths::under(dir_.path());
    p.settings = SettingsFile(p.state.paths.settingsFile);
    // Live playing is left out: its share of the program's files and layouts does nothing here.
    p.hooks.saveKeyboardState = [](const QString &) { return true; };
    p.hooks.enlargeKeyboardTables = [] {};
    p.hooks.shrinkKeyboardTables = [] {};
    p.hooks.showBeat = [](int) {};
    p.hooks.liveSettings = [] { return piano::LiveSettings{}; };
    p.controls = buildMainWindowControls(&window_);
    createOverlayImages(p.controls);
    ASSERT_TRUE(p.defaultLibrary.load(PIANO_TEST_DEFAULTS));
    ASSERT_TRUE(p.skinLibrary.load(PIANO_TEST_SKIN));
    ASSERT_TRUE(engineLibrary_.load(PIANO_TEST_ENGINE));
    ASSERT_TRUE(engineLibrary_.bind(p.engine));
    Skin::loadSkin(p);
}

void SettingsFixture::writeFile(const QString &name, const QByteArray &bytes) const {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString SettingsFixture::settingsText() const {
    QFile file(path("Piano"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString SettingsFixture::readSetting(const char *section, const char *key) const {
    return program_->settings.readString(section, key, "<absent>");
}
