// The main window's text with QT_FONT_DPI=144 (this program's environment): the display lines and the
// caption buttons keep the pixel sizes of the window's own 96 per inch grid in both layouts, and every
// caption fits its button. (Some Qt versions turn that variable into a screen scale instead of a text
// resolution; the sizes must hold either way.)
#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTimer>

#include "composition_root.h"
#include "function_dialog.h"
#include "function_dialog_opener.h"
#include "function_page.h"
#include "layout.h"
#include "settings_dialog.h"
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

// Every text of the dialogs keeps the grid's pixel size, and on the function dialog's fixed layout each
// caption fits its control, on every page.
TEST_F(TextSizeTest, DialogTextKeepsItsPixelSizeAndFitsItsControls) {
    auto gridSized = [](QWidget *dialog) {
        for (QWidget *w : dialog->findChildren<QWidget *>()) {
            const int expected = w->objectName() == "versionLine" ? gridPixels(12) : gridPixels(9);
            EXPECT_EQ(QFontInfo(w->font()).pixelSize(), expected) << w->metaObject()->className();
        }
    };
    for (int page : {piano::kPageAccomp, piano::kPageSave, piano::kPageKeyMap, piano::kPageVoices,
                     piano::kPageScale, piano::kPageChannels, piano::kPageControllers}) {
        SCOPED_TRACE(page);
        piano::FunctionDialogOpener &opener = composition->functionDialog();
        bool checked = false;
        auto check = [&] {
            piano::FunctionDialog *dialog = opener.dialog();
            ASSERT_NE(dialog, nullptr);
            gridSized(dialog);
            for (QWidget *w : dialog->findChildren<QWidget *>()) {
                if (!w->isVisibleTo(dialog)) continue;
                QString text;
                if (auto *button = qobject_cast<QAbstractButton *>(w)) text = button->text();
                if (auto *label = qobject_cast<QLabel *>(w)) text = label->text();
                EXPECT_LE(w->fontMetrics().horizontalAdvance(text), w->width()) << text.toStdString();
            }
            checked = true;
            dialog->close();
        };
        // A modal page runs its own loop: it is looked at from inside.
        if (piano::FunctionDialogOpener::opensModally(page)) QTimer::singleShot(0, check);
        opener.open(page);
        if (!checked) check();
    }
    SettingsDialog settings(program(), window);
    gridSized(&settings);
}

}  // namespace
