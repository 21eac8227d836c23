#include "app_fixture.h"

#include "engine_binding.h"
#include "skin_fixture.h"

Installation::Installation() {
    SkinFixture::writeLibrary(dir(), "BeiFen.dat", SkinFixture::defaultNames());
    writeSkin("resource.skn");
}

bool Installation::writeSkin(const QString &fileName, const QStringList &extraNames, int salt) const {
    return SkinFixture::writeLibrary(dir(), fileName, SkinFixture::skinNames() + extraNames, salt);
}

RunningWindow::RunningWindow(const Installation &) : root_(std::make_unique<CompositionRoot>(dialogs)) {
    root_->program().bindEngine = [this](const EngineLibrary &library, EngineBinding &binding) {
        if (!library.bind(binding)) return false;
        engine.recordInFrontOf(binding);
        return true;
    };
}

RunningWindow::~RunningWindow() {
    root_.reset();
}

bool RunningWindow::start() {
    return root_->window().start();
}

void RunningWindow::show() {
    root_->window().show();
}
