#include "layout.h"

#include <QFont>
#include <algorithm>

#include "program.h"
#include "skin.h"
#include "window_design.h"

namespace Layout {
namespace {

QRect scaled(const QRect &r, int (*f)(int)) {
    return QRect(f(r.x()), f(r.y()), f(r.width()), f(r.height()));
}

// Controls placed directly on the window (menus and other top-level children are not controls).
void scaleDirectControls(MainWindowControls &c, int (*f)(int)) {
    for (QObject *child : c.window->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow()) continue;
        const QRect r = scaled(w->geometry(), f);
        if (auto *image = qobject_cast<ImageControl *>(w))
            image->setBoundsRect(r.x(), r.y(), r.width(), r.height());
        else
            w->setGeometry(r);
    }
}

void setFontSize(QWidget *w, int points) {
    QFont font = w->font();
    font.setPointSize(points);
    w->setFont(font);
}

// The controls whose bounds the layout scales, but for the thumbs and the panel markers: those follow
// their slider values and panel cells, which may change while the window is enlarged.
std::vector<QWidget *> scaledControls(const MainWindowControls &c) {
    std::vector<QWidget *> controls;
    for (QWidget *w : c.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow() && w != c.overlayImages[13] && w != c.overlayImages[14]) controls.push_back(w);
    controls.insert(controls.end(), c.controllerGauges.begin(), c.controllerGauges.end());
    controls.push_back(c.songProgress);
    return controls;
}

void keepNormalBounds(MainWindowControls &c) {
    c.normalLayout.clear();
    for (QWidget *w : scaledControls(c))
        c.normalLayout.push_back({w, w->geometry(), QRect()});
}

void noteEnlargedBounds(MainWindowControls &c) {
    for (MainWindowControls::KeptBounds &kept : c.normalLayout)
        kept.enlarged = kept.control->geometry();
}

// The controls still where enlarging put them, with their normal bounds; one moved since keeps the
// place shrinking computes for it.
std::vector<MainWindowControls::KeptBounds> unmovedSinceEnlarged(const MainWindowControls &c) {
    std::vector<MainWindowControls::KeptBounds> unmoved;
    for (const MainWindowControls::KeptBounds &kept : c.normalLayout)
        if (kept.control->geometry() == kept.enlarged) unmoved.push_back(kept);
    return unmoved;
}

void fitProgressGauge(MainWindowControls &c) {
    c.songProgress->setGeometry(c.progressPanel->contentsRect());
}

// The layout changes in place: the window stays mapped, so the compositor neither places it again nor
// takes its activation (held keys would be dropped), and it is painted once, when every control has its
// new bounds. Painting resumes however the change ends.
class RepaintAfterChange {
  public:
    explicit RepaintAfterChange(QWidget *window) : window_(window) { window_->setUpdatesEnabled(false); }
    ~RepaintAfterChange() {
        window_->setUpdatesEnabled(true);
        window_->update();
    }
    RepaintAfterChange(const RepaintAfterChange &) = delete;
    RepaintAfterChange &operator=(const RepaintAfterChange &) = delete;

  private:
    QWidget *window_;
};

}  // namespace

void enlarge(Program &p) {
    MainWindowControls &c = p.controls;
    QWidget *window = c.window;
    RepaintAfterChange repaint(window);
    keepNormalBounds(c);

    const QSize size(enlargeValue(window->width()), enlargeValue(window->height()));
    window->resize(size);
    window->setFixedSize(size);
    const QPoint moved = window->pos() - kEnlargeShift;
    window->move(std::max(0, moved.x()), std::max(0, moved.y()));

    scaleDirectControls(c, enlargeValue);

    for (Gauge *g : c.controllerGauges)
        g->setGeometry(scaled(g->geometry(), enlargeValue).translated(0, 1));

    c.windowButtons->setGeometry(615, 15, 42, 14);

    // The thumbs' places are live playing's: it moves them when it scales its tables.
    for (ImageControl *thumb : c.verticalThumbs)
        thumb->setBoundsRect(0, thumb->y(), 21, 15);
    for (ImageControl *thumb : c.horizontalThumbs)
        thumb->setBoundsRect(thumb->x(), 0, 15, 21);

    p.hooks.enlargeKeyboardTables();

    for (int i = 9; i <= 12; ++i) {
        ImageControl *lamp = c.overlayImages[i];
        lamp->setBoundsRect(lamp->x() + (i == 11 ? 1 : 0), lamp->y(), 13, 10);
    }

    p.state.enlarged = true;
    Skin::loadKeyPictures(p, 1);

    c.keyboardPicture->setBoundsRect(c.keyboardPicture->x(), c.keyboardPicture->y(),
                                     c.keyboardPicture->width() + 1, c.keyboardPicture->height());
    c.controllerButtons[1]->move(c.controllerButtons[1]->x() - 1, c.controllerButtons[1]->y());
    c.controllerButtons[2]->move(c.controllerButtons[2]->x() + 1, c.controllerButtons[2]->y());
    c.modeButtons[0]->move(c.modeButtons[0]->x(), c.modeButtons[0]->y() - 1);
    c.modeButtons[1]->move(c.modeButtons[1]->x(), c.modeButtons[1]->y() + 1);

    Skin::showEnlargedPictures(p);

    for (QLabel *line : {c.displayLine1, c.displayLine2, c.displayLine3})
        setFontSize(line, enlargeValue(line->font().pointSize()));
    for (auto &[number, button] : c.captionButtons)
        setFontSize(button, 13);

    for (QWidget *w :
         std::initializer_list<QWidget *>{c.displayLine1, c.displayLine2, c.displayLine3, c.songList})
        w->resize(w->width() + 2, w->height());
    for (QWidget *w : std::initializer_list<QWidget *>{c.displayLine3, c.songList})
        w->resize(w->width(), w->height() + 2);

    for (int i : {14, 13}) {
        ImageControl *marker = c.overlayImages[i];
        marker->setAutoSize(false);
        marker->setStretch(true);
        marker->resize(enlargeValue(marker->width()), enlargeValue(marker->height()));
    }

    c.valueBar->setMaximum(enlargeValue(c.valueBar->maximum()));

    c.controlPanel->clearPicture();
    p.hooks.showBeat(5);

    Skin::applyFlatButtons(p, p.defaultLibrary.holds("Flig") ? 1 : 0);

    fitProgressGauge(c);
    noteEnlargedBounds(c);
}

void shrink(Program &p) {
    MainWindowControls &c = p.controls;
    QWidget *window = c.window;
    RepaintAfterChange repaint(window);
    const std::vector<MainWindowControls::KeptBounds> restorable = unmovedSinceEnlarged(c);
    window->move(window->pos() + kEnlargeShift);
    p.state.enlarged = false;

    const QSize size(shrinkValue(window->width()), shrinkValue(window->height()));
    window->resize(size);
    window->setFixedSize(size);
    scaleDirectControls(c, shrinkValue);

    for (int i = 0; i < 4; ++i) {
        Gauge *g = c.controllerGauges[i];
        // The first, third and fourth gauge have odd design lefts, which the two scalings lose a pixel of.
        g->setGeometry(scaled(g->geometry(), shrinkValue).translated(i == 1 ? 0 : 1, 0));
    }

    namespace design = piano::design;
    c.windowButtons->setGeometry(design::kWindowButtons);
    for (int i = 0; i < 4; ++i)
        c.verticalPanels[i]->setGeometry(design::VerticalSlider(i));
    for (int i = 0; i < 3; ++i)
        c.horizontalPanels[i]->setGeometry(design::HorizontalSlider(i));
    c.progressPanel->setGeometry(design::kProgressPanel);
    for (ImageControl *thumb : c.verticalThumbs)
        thumb->setBoundsRect(0, thumb->y(), 11, 14);
    for (ImageControl *thumb : c.horizontalThumbs)
        thumb->setBoundsRect(thumb->x(), 0, 15, 11);

    p.hooks.shrinkKeyboardTables();

    for (int i = 0; i < 4; ++i) {
        ImageControl *lamp = c.overlayImages[9 + i];
        lamp->setBoundsRect(i == 2 ? design::kBeatLampLefts[i] : lamp->x(), lamp->y(), 8, 6);
    }

    Skin::loadSkin(p);
    Skin::loadKeyPictures(p, 1);
    c.keyboardPicture->setPicture(p.defaultLibrary.bitmap("BEIFENB13"));

    for (QLabel *line : {c.displayLine1, c.displayLine2, c.displayLine3})
        setFontSize(line, 9);
    for (auto &[number, button] : c.captionButtons)
        setFontSize(button, 9);
    const int displayWidth = design::kDisplay.width();
    c.displayLine1->resize(displayWidth, c.displayLine1->height());
    c.displayLine2->resize(displayWidth, c.displayLine2->height());
    c.displayLine3->resize(displayWidth, 15);
    c.songList->resize(design::kDisplay.size());

    for (int i : {14, 13}) {
        c.overlayImages[i]->setAutoSize(true);
        c.overlayImages[i]->setStretch(false);
    }
    c.valueBar->setMaximum(shrinkValue(c.valueBar->maximum()));

    for (int i = 0; i < 3; ++i)
        c.modeButtons[i]->setGeometry(design::ModeButton(i));
    for (int i = 0; i < 4; ++i)
        c.controllerButtons[i]->setGeometry(design::ControllerButton(i));
    const QRect keyboard = design::kKeyboard;
    c.keyboardPicture->setBoundsRect(keyboard.x(), keyboard.y(), keyboard.width(), keyboard.height());
    c.litKeys->setGeometry(keyboard);

    fitProgressGauge(c);
    for (const MainWindowControls::KeptBounds &kept : restorable)
        kept.control->setGeometry(kept.normal);
    c.normalLayout.clear();
}

void toggle(Program &p) {
    if (p.state.enlarged)
        shrink(p);
    else
        enlarge(p);
}

}  // namespace Layout
