// The main window's text with QT_FONT_DPI=144 (this program's environment): the display lines and the
// caption buttons keep the pixel sizes of the window's own 96 per inch grid in both layouts, and every
// caption fits its button. (Some Qt versions turn that variable into a screen scale instead of a text
// resolution; the sizes must hold either way.)
#include <QFontInfo>
#include <QFontMetrics>

#include "layout.h"
#include "speed_button.h"
#include "window_fixture.h"

namespace {

class TextSizeTest : public WindowTest {};

// The pixels of a point size on the 96 per inch grid.
int gridPixels(int points) {
    return (points * 96 + 36) / 72;
}

TEST_F(TextSizeTest, DisplayLinesAndCaptionsKeepTheirPixelSizesWhateverTheTextResolution) {
    MainWindowControls &c = controls();
    for (bool enlarged : {false, true}) {
        SCOPED_TRACE(enlarged ? "enlarged" : "normal");
        if (enlarged) Layout::toggle(program());
        ASSERT_EQ(state().enlarged, enlarged);
        std::vector<QWidget *> controls{c.displayLine1, c.displayLine2, c.displayLine3};
        for (auto &[form, button] : c.captionButtons)
            controls.push_back(button);
        for (QWidget *control : controls) {
            SCOPED_TRACE(control->objectName().toStdString());
            const QFont font = control->font();
            // A size given in points is measured on the grid; one given in pixels is the grid's already.
            const int expected = font.pointSize() > 0 ? gridPixels(font.pointSize()) : font.pixelSize();
            EXPECT_EQ(QFontInfo(font).pixelSize(), expected);
            if (auto *button = qobject_cast<SpeedButton *>(control)) {
                EXPECT_LE(QFontMetrics(font).horizontalAdvance(button->text()), button->width())
                    << button->text().toStdString();
            }
        }
    }
}

}  // namespace
