#include "song_list.h"

#include <QDir>
#include <QFileInfo>

#include "display_view.h"
#include "list_file.h"
#include "program.h"
#include "program_files.h"
#include "transport.h"

namespace SongList {

namespace {

const char *const kOpenFilter = "标准MIDI文件|*.mid;*.rmi";
const char *const kTooManyFiles = "你选择了大于100个文件，多余的文件将被忽略";
const char *const kNoSuchFile = "没有这个文件";

QString fileNameOf(const QString &path) {
    return QFileInfo(path).fileName();
}

void fillList(Program &p, const QStringList &paths) {
    QListWidget *list = p.controls.songList;
    list->clear();
    p.state.songPaths.clear();
    for (const QString &path : paths) {
        list->addItem(fileNameOf(path));
        p.state.songPaths.append(path);
    }
}

}  // namespace

void loadAndStartFile(Program &p, const QString &file) {
    const QByteArray path = file.toUtf8();
    p.engine.call(MDRV_LOAD_SONG, p.state.settings.deviceId, path.constData());
    p.controls.songProgress->setMaximum(p.engine.call(MDRV_GET_SONG_LENGTH));
    // The first notes go out at the song-volume slider's scale, not at whatever the last song left.
    p.engine.call(MDRV_SET_SONG_VELOCITY, Transport::songVelocityScale(p));
    p.engine.call(MDRV_START_SONG);
    p.state.refreshChannelsSoon(8);
}

void loadAndStart(Program &p, int row) {
    if (row < 0 || row >= p.state.songPaths.size()) return;
    loadAndStartFile(p, p.state.songPaths[row]);
}

void doubleClick(Program &p, int row) {
    if (row < 0 || row >= p.controls.songList->count()) return;
    loadAndStart(p, row);
    DisplayView::setView(p, ViewLevelMeter);
    p.state.playState = PlayPlaying;
}

void next(Program &p) {
    QListWidget *list = p.controls.songList;
    const int row = list->currentRow() + 1;
    if (row >= list->count()) return;
    loadAndStart(p, row);
    list->setCurrentRow(row);
    p.state.playState = PlayPlaying;
}

void previous(Program &p) {
    QListWidget *list = p.controls.songList;
    const int row = list->currentRow() - 1;
    if (row < 0) return;
    loadAndStart(p, row);
    list->setCurrentRow(row);
    p.state.playState = PlayPlaying;
}

void openFiles(Program &p) {
    // The dialog comes back while the first chosen file cannot be read; cancelling it ends the open.
    for (;;) {
        const QString folder = p.settings.readString(SettingsKeys::kOpenFolder);
        QStringList chosen = p.dialogs.openFiles(folder, QString::fromUtf8(kOpenFilter));
        if (chosen.isEmpty()) return;
        if (chosen.size() > kMaxSongs) {
            p.dialogs.messageBox(QString::fromUtf8(kTooManyFiles), QString(), NW_MB_OK);
            chosen = chosen.mid(0, kMaxSongs);
        }
        if (!ListFile::write(p.state.paths.songListFile, chosen))
            ProgramFiles::reportUnwritten(p, {p.state.paths.songListFile});
        fillList(p, chosen);

        const QFileInfo first(chosen.first());
        if (!first.isFile() || !first.isReadable()) {
            p.dialogs.messageBox(QString::fromUtf8(kNoSuchFile), QString(), NW_MB_OK);
            continue;
        }
        p.settings.writeString(SettingsKeys::kOpenFolder, first.absolutePath());
        p.state.display.firstChosenFile = chosen.first();
        p.controls.songList->setCurrentRow(0);
        p.state.playState = PlayFilesChosen;
        return;
    }
}

void hoverPrevious(Program &p) {
    const int row = p.controls.songList->currentRow();
    if (row > 0 && row - 1 < p.state.songPaths.size())
        p.controls.displayLine1->setText(QStringLiteral("上一曲:") + fileNameOf(p.state.songPaths[row - 1]));
    p.state.progressShown = false;
}

void hoverNext(Program &p) {
    const int row = p.controls.songList->currentRow() + 1;
    if (row >= p.controls.songList->count() || row >= p.state.songPaths.size()) return;
    p.controls.displayLine1->setText(QStringLiteral("下一曲:") + fileNameOf(p.state.songPaths[row]));
    p.state.progressShown = false;
}

}  // namespace SongList
