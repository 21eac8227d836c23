#include "help_page.h"

#include <QFileInfo>

#include "context_menu.h"
#include "program.h"

namespace HelpPage {

const char *const kMissingMessage = "没有找到文件Pianohlp.htm,请检查文件是否在Help目录下";

namespace {
Opener &opener() {
    // By default through the launcher the menu's other programs start with, so one seam serves both.
    static Opener current = [](const QUrl &url) {
        return ContextMenu::currentLauncher().openUrl(url.toLocalFile());
    };
    return current;
}
}  // namespace

void setOpener(Opener replacement) {
    opener() = std::move(replacement);
}

bool open(Program &p) {
    const QString page = p.state.paths.helpPage;
    if (!QFileInfo(page).isFile()) {
        p.dialogs.messageBox(QString::fromUtf8(kMissingMessage), QStringLiteral("Piano"), 0);
        return false;
    }
    return opener()(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
}

}  // namespace HelpPage
