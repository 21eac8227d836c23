#include "display_view.h"

#include "program.h"

namespace DisplayView {

void setView(Program &p, int view) {
    if (view < ViewTextLines || view > ViewLevelMeter) return;
    MainWindowControls &c = p.controls;
    for (QLabel *line : {c.label1, c.label2, c.label3})
        line->setVisible(view == ViewTextLines);
    c.listBox1->setVisible(view == ViewSongList);
    c.paintBox1->setVisible(view == ViewLevelMeter);
    p.state.displayView = view;
}

}  // namespace DisplayView
