// How the pages look, measured offscreen: the channel page's rows line up, no text is cut, no list
// needs a horizontal scroll bar, and the background picture keeps its colours.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "channel_page.h"
#include "controller_list.h"
#include "dialog_fixture.h"
#include "key_map_page.h"
#include "knob_area.h"
#include "scale_page.h"
#include "voice_list.h"
#include "voice_page.h"

namespace piano::test {
namespace {

class PageLayoutTest : public DialogTest {
  protected:
    FunctionDialog &show(int page) {
        FunctionDialog &d = open(page);
        d.show();
        QApplication::processEvents();
        return d;
    }
};

// The widest row of `list` when every row in turn shows each of `texts` (its check box included).
int widestRow(QListWidget *list, const QStringList &texts) {
    QListWidgetItem *item = list->item(0);
    const QString kept = item->text();
    int widest = 0;
    for (const QString &text : texts) {
        item->setText(text);
        widest = std::max(widest, list->sizeHintForColumn(0));
    }
    item->setText(kept);
    return widest;
}

QStringList voiceRows() {
    QStringList rows;
    for (int p = 0; p < kVoiceCount; ++p)
        rows << QString::fromStdString(VoiceListRow(p));
    return rows;
}

TEST_F(PageLayoutTest, ChannelRowsCheckBoxesNumbersLabelsAndKnobsLineUpTwelvePixelsApart) {
    FunctionDialog &d = show(kPageChannels);
    ChannelPage &p = *d.channelPage();
    const int first = p.numberButtons[0]->y();
    for (int i = 0; i < ChannelPage::kChannels; ++i) {
        SCOPED_TRACE(i);
        const int top = first + i * KnobArea::kRowHeight;
        const QRect row = p.checkList->visualItemRect(p.checkList->item(i));
        const QPoint rowOnPage = p.checkList->viewport()->mapTo(&p, row.topLeft());
        struct Part {
            const char *name;
            int y, height;
        } parts[] = {{"check row", rowOnPage.y(), row.height()},
                     {"number", p.numberButtons[i]->y(), p.numberButtons[i]->height()},
                     {"label", p.controllerLabels[i]->y(), p.controllerLabels[i]->height()},
                     {"knob", p.knobs->y() + i * KnobArea::kRowHeight, KnobArea::kRowHeight}};
        for (const Part &part : parts) {
            EXPECT_EQ(part.y, top) << part.name;
            EXPECT_EQ(part.height, KnobArea::kRowHeight) << part.name;
        }
    }
    // All sixteen rows are in view at once, each control beside the one before.
    EXPECT_EQ(p.checkList->verticalScrollBar()->maximum(), 0);
    EXPECT_LE(p.checkList->geometry().right(), p.numberButtons[0]->x());
    EXPECT_LE(p.numberButtons[0]->geometry().right(), p.controllerLabels[0]->x());
    EXPECT_LE(p.controllerLabels[0]->geometry().right(), p.knobs->x());
    EXPECT_LE(p.knobs->geometry().right(), d.width());
}

TEST_F(PageLayoutTest, NoVoiceNameOrControllerNameIsCut) {
    FunctionDialog &d = show(kPageChannels);
    ChannelPage &p = *d.channelPage();
    EXPECT_LE(widestRow(p.checkList, voiceRows()), p.checkList->viewport()->width());
    for (const ControllerRow &row : kControllerList) {
        const QString name = QString::fromUtf8(row.channelLabel);
        EXPECT_LE(p.controllerLabels[0]->fontMetrics().horizontalAdvance(name),
                  p.controllerLabels[0]->width())
            << row.channelLabel;
    }
    for (QPushButton *number : p.numberButtons)
        EXPECT_LE(number->fontMetrics().horizontalAdvance(number->text()), number->width());
}

TEST_F(PageLayoutTest, ListsAreWideEnoughForTheirRows) {
    FunctionDialog &d = show(kPageKeyMap);
    KeyMapPage &k = *d.keyMapPage();
    for (QListWidget *list : {k.keyList, k.functionList, k.programList, k.pitchList}) {
        SCOPED_TRACE(list == k.keyList        ? "keys"
                     : list == k.functionList ? "functions"
                     : list == k.programList  ? "voices"
                                              : "pitches");
        list->doItemsLayout();
        EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
        EXPECT_LE(list->sizeHintForColumn(0), list->viewport()->width());
    }
    // The note names stand four to a row: C, C#, D and D# side by side, E below C.
    auto fourToARow = [](QListWidget *notes) {
        const QRect c = notes->visualItemRect(notes->item(0));
        EXPECT_EQ(notes->visualItemRect(notes->item(3)).top(), c.top());
        EXPECT_EQ(notes->visualItemRect(notes->item(4)).left(), c.left());
        EXPECT_GT(notes->visualItemRect(notes->item(4)).top(), c.top());
    };
    fourToARow(k.pitchList);
    fourToARow(show(kPageScale).scalePage()->noteList);
    for (int page : {kPageVoices, kPageScale}) {
        FunctionDialog &choice = show(page);
        QListWidget *list =
            page == kPageVoices ? choice.voicePage()->programList : choice.scalePage()->noteList;
        SCOPED_TRACE(page);
        list->doItemsLayout();
        EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
        EXPECT_LE(list->sizeHintForColumn(0), list->viewport()->width());
    }
}

TEST_F(PageLayoutTest, TheBackgroundPictureKeepsItsColours) {
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(QColor(200, 30, 30));
    ASSERT_TRUE(red.save(file("Back.bmp")));
    FunctionDialog &d = show(kPageAccomp);
    ASSERT_TRUE(d.hasBackground());
    // Below the note and left of the buttons nothing covers the picture.
    const QImage shown = d.grab().toImage();
    EXPECT_EQ(shown.pixelColor(20, d.height() - 12), QColor(200, 30, 30));
}

}  // namespace
}  // namespace piano::test
