#pragma once
// The function dialog: one window holding the accompaniment, save, keyboard map, scale, voice, channel
// and controller pages. Its page tabs lie outside the window, so each opening shows exactly the page it
// was created for.
#include <QDialog>
#include <QSize>
#include <memory>

#include "function_context.h"

class QAbstractButton;
class QLabel;
class QStackedWidget;

namespace piano {

class AccompPage;
class SavePage;
class KeyMapPage;
class ScalePage;
class VoicePage;
class ChannelPage;
class ControllerPage;
class PageKeys;
class SecondClickGuard;

// Outer sizes (width × height, frame included) of the pages as shown.
namespace FunctionSize {
inline const QSize kAccomp{368, 230};
inline const QSize kSave{290, 200};
inline const QSize kKeyMap{550, 340};
inline const QSize kChoice{355, 327};  // scale, voice and controllers opened from the main window
inline const QSize kChannels{494, 300};
inline const QSize kVoiceForChannel{187, 330};
inline const QSize kControllerForChannel{190, 330};
}  // namespace FunctionSize

// The page container sits this far above and left of the client area, which hides the tab strip.
constexpr int kPageContainerTop = -22;
constexpr int kPageContainerLeft = -3;
// The caption and borders the outer sizes include.
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 25;

class FunctionDialog : public QDialog {
    Q_OBJECT
  public:
    FunctionDialog(FunctionContext context, int functionPage, QWidget *parent = nullptr);
    ~FunctionDialog() override;

    FunctionContext &context() { return context_; }

    // Makes `tab` the active page with its caption and the given outer size.
    void showTab(FunctionTab tab, QSize outerSize);
    FunctionTab currentTab() const;
    QSize outerSize() const { return outerSize_; }
    int containerTop() const;
    void setContainerTop(int top);
    bool hasBackground() const;
    // The button Enter presses on the page shown.
    QAbstractButton *mainButton() const;
    // The click being handled replaced the page under the mouse: the second click of a double-click
    // lands nowhere.
    void swallowSecondClick();

    AccompPage *accompPage() const { return accomp_; }
    SavePage *savePage() const { return save_; }
    KeyMapPage *keyMapPage() const { return keyMap_; }
    ScalePage *scalePage() const { return scale_; }
    VoicePage *voicePage() const { return voice_; }
    ChannelPage *channelPage() const { return channels_; }
    ControllerPage *controllerPage() const { return controllers_; }

    // Called by the main window while the dialog exists.
    void fillChannelRows();
    void moveChannelKnob(int channel, int value);
    // The main timer's periodic rewrite of the channel rows.
    void refreshChannelList();

  protected:
    void done(int result) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void loadBackground();
    void preparePage(int functionPage);
    void prepareVoiceOrScale();

    FunctionContext context_;
    QLabel *background_ = nullptr;
    QStackedWidget *container_ = nullptr;
    QSize outerSize_;
    AccompPage *accomp_ = nullptr;
    SavePage *save_ = nullptr;
    KeyMapPage *keyMap_ = nullptr;
    ScalePage *scale_ = nullptr;
    VoicePage *voice_ = nullptr;
    ChannelPage *channels_ = nullptr;
    ControllerPage *controllers_ = nullptr;
    std::unique_ptr<PageKeys> keys_;
    std::unique_ptr<SecondClickGuard> secondClick_;
};

// Page widgets lay their controls out in sheet coordinates: the client-area position they show at
// while the container is in its normal place.
void PlaceOnSheet(QWidget *widget, int x, int y, int width, int height);

}  // namespace piano
