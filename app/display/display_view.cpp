#include "display_view.h"

#include "program.h"

namespace DisplayView {

void setView(Program &p, int view) {
    if (view < ViewTextLines || view > ViewLevelMeter) return;
    MainWindowControls &c = p.controls;
    for (QLabel *line : {c.displayLine1, c.displayLine2, c.displayLine3})
        line->setVisible(view == ViewTextLines);
    c.songList->setVisible(view == ViewSongList);
    c.levelMeter->setVisible(view == ViewLevelMeter);
    p.state.displayView = view;
}

}  // namespace DisplayView
