#include "transport_wiring.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <functional>
#include <map>

#include "context_menu.h"
#include "display.h"
#include "display_view.h"
#include "level_meter.h"
#include "main_timer.h"
#include "program.h"
#include "song_list.h"
#include "transport.h"

namespace TransportWiring {

namespace {

// Mouse entries, presses and double-clicks on controls that have no signals of their own.
class MouseRouter : public QObject {
  public:
    using Action = std::function<void()>;
    using PressAction = std::function<void(QPoint)>;

    explicit MouseRouter(QObject *parent) : QObject(parent) {}

    // On entry and on every move over the control, so its text follows what the mouse does.
    void onEnter(QWidget *w, Action a) {
        w->installEventFilter(this);
        w->setMouseTracking(true);
        enter_[w] = std::move(a);
    }
    void onPress(QWidget *w, PressAction a) {
        w->installEventFilter(this);
        press_[w] = std::move(a);
    }
    void onDoubleClick(QWidget *w, Action a) {
        w->installEventFilter(this);
        doubleClick_[w] = std::move(a);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        switch (event->type()) {
            case QEvent::Enter:
                if (auto it = enter_.find(watched); it != enter_.end()) it->second();
                break;
            case QEvent::MouseMove:
                // Shown once the control has handled the move (a dragged thumb has moved).
                if (auto it = enter_.find(watched); it != enter_.end())
                    QMetaObject::invokeMethod(this, it->second, Qt::QueuedConnection);
                break;
            case QEvent::MouseButtonPress: {
                auto *mouse = static_cast<QMouseEvent *>(event);
                if (mouse->button() != Qt::LeftButton) break;
                if (auto it = press_.find(watched); it != press_.end())
                    it->second(mouse->position().toPoint());
                break;
            }
            case QEvent::MouseButtonDblClick:
                if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton) break;
                if (auto it = doubleClick_.find(watched); it != doubleClick_.end()) it->second();
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::map<QObject *, Action> enter_;
    std::map<QObject *, PressAction> press_;
    std::map<QObject *, Action> doubleClick_;
};

void onClick(SpeedButton *button, std::function<void()> action) {
    QObject::connect(button, &QAbstractButton::clicked, button, [action = std::move(action)] { action(); });
}

void onHover(SpeedButton *button, std::function<void()> action) {
    QObject::connect(button, &SpeedButton::hovered, button, [action = std::move(action)] { action(); });
}

QString playHoverText(const ProgramState &s) {
    if (s.recordMode != RecordPlay) return QStringLiteral(" 录音播放...LD");
    if (s.playState == PlayPaused) return QStringLiteral("  恢复...LD");
    if (s.playState == PlayPlaying) return QStringLiteral(" 重新播放...LD");
    return QStringLiteral(" 开始播放...LD");
}

QString pauseHoverText(const ProgramState &s) {
    if (s.recordMode != RecordPlay) return QStringLiteral("  录音暂停...LD");
    if (s.playState == PlayPaused) return QStringLiteral("  恢复...LD");
    return QStringLiteral("  暂停...LD");
}

void wireButtons(Program &p) {
    MainWindowControls &c = p.controls;
    Program *program = &p;
    onClick(c.playButton, [program] { Transport::play(*program); });
    onClick(c.pauseButton, [program] { Transport::pause(*program); });
    onClick(c.stopRecordButton, [program] { Transport::stopOrRecord(*program); });
    onClick(c.modeSwitchButton, [program] { Transport::switchMode(*program); });
    // Buttons act on a release inside them after a press on them: a release elsewhere opens nothing.
    onClick(c.openFilesButton, [program] { SongList::openFiles(*program); });
    onClick(c.newBufferButton, [program] { ContextMenu::newBuffer(*program); });
    onClick(c.saveBufferButton, [program] { ContextMenu::saveBuffer(*program); });
    onClick(c.skipBackButton, [program] { Transport::skipBack(*program); });
    onClick(c.skipForwardButton, [program] { Transport::skipForward(*program); });
    onClick(c.previousSongButton, [program] { SongList::previous(*program); });
    onClick(c.nextSongButton, [program] { SongList::next(*program); });
    onClick(c.captionButton(kSpeedUpButton), [program] { Transport::speedUp(*program); });
    onClick(c.captionButton(kSpeedDownButton), [program] { Transport::speedDown(*program); });
    onClick(c.captionButton(kLoopButton), [program] { Transport::toggleLoop(*program); });
    QObject::connect(c.songList, &QListWidget::itemDoubleClicked, c.songList,
                     [program](QListWidgetItem *item) {
                         SongList::doubleClick(*program, program->controls.songList->row(item));
                     });
    QObject::connect(c.background, &ImageControl::clicked, c.background,
                     [program] { DisplayView::setView(*program, ViewLevelMeter); });
}

void wireStatusHovers(Program &p) {
    MainWindowControls &c = p.controls;
    Program *program = &p;
    auto status = [program](SpeedButton *b, const char *text) {
        const QString t = QString::fromUtf8(text);
        onHover(b, [program, t] { DisplayLines::renderStatus(*program, t); });
    };
    status(c.newBufferButton, "新建文件LD");
    status(c.saveBufferButton, " 保存文件...LD");
    onHover(c.playButton, [program] { DisplayLines::renderStatus(*program, playHoverText(program->state)); });
    onHover(c.pauseButton,
            [program] { DisplayLines::renderStatus(*program, pauseHoverText(program->state)); });
    onHover(c.stopRecordButton, [program] {
        DisplayLines::renderStatus(*program, program->state.recordMode != RecordPlay
                                                 ? QStringLiteral("开始录音...LD")
                                                 : QStringLiteral("终止演奏...LD"));
    });
    status(c.openFilesButton, "打开文件...LD");
    status(c.skipForwardButton, "进度+...LD");
    status(c.skipBackButton, "进度-...LD");
    const std::pair<CaptionButton, const char *> captionTexts[] = {
        {kSpeedUpButton, "速度+...LD"},
        {kSpeedDownButton, "速度-...LD"},
        {kBendUpButton, "查看通道-..LRD "},
        {kBendDownButton, "原始音调 +LD"},
        {kResetSpeedButton, " 原始速度...LD"},
        {kProgramDownButton, "演奏音色下一个LD"},
        {kProgramUpButton, "演奏音色上一个LD"},
        {kBandVoiceButton, "演奏音色选一个LD"},
        {kRestoreProgramsButton, "原始演奏音色LD"},
        {kResetBendButton, "原始音调..LD"},
        {kEchoButton, "显示按键..LD"},
        {kLoopButton, "循环演奏...LD"},
        {kChannelVoicesButton, "查看通道 LRD "},
    };
    for (const auto &[button, text] : captionTexts)
        status(c.captionButton(button), text);

    onHover(c.modeSwitchButton, [program] {
        program->controls.displayLine1->setText(program->state.recordMode != RecordPlay
                                                    ? QStringLiteral(" 播放模式...LD")
                                                    : QStringLiteral(" 录制模式...LD"));
    });
    onHover(c.previousSongButton, [program] { SongList::hoverPrevious(*program); });
    onHover(c.nextSongButton, [program] { SongList::hoverNext(*program); });
}

void wireOtherHovers(Program &p, MouseRouter *router) {
    MainWindowControls &c = p.controls;
    Program *program = &p;
    for (int i = 0; i < 4; ++i) {
        const QString text = QStringLiteral("控制按钮%1.LD ").arg(i + 1);
        onHover(c.controllerButtons[i], [program, text] { DisplayLines::renderControllers(*program, text); });
    }
    router->onEnter(c.valueBar, [program] {
        DisplayLines::renderControllers(*program, QStringLiteral("数值控制.LRU "));
    });
    onHover(c.captionButton(kControllersButton),
            [program] { DisplayLines::renderControllers(*program, QStringLiteral("查看控制器 LRU ")); });

    const char *modeTexts[] = {"音色,音域LD ", "效果选择LD ", "伴奏选择LD "};
    for (int i = 0; i < 3; ++i) {
        const QString text = QString::fromUtf8(modeTexts[i]);
        onHover(c.modeButtons[i], [program, text] { DisplayLines::renderPanel(*program, text); });
    }
    router->onEnter(c.controlPanel,
                    [program] { DisplayLines::renderPanel(*program, QStringLiteral("控制面板LRM ")); });
    onHover(c.captionButton(kAccompVoicesButton),
            [program] { DisplayLines::renderPanel(*program, QStringLiteral("伴奏音色 LRDMU")); });

    const char *verticalTexts[] = {" 主音量..", "演奏音量..", "伴奏音量..", "键盘音量.."};
    for (int i = 0; i < 4; ++i) {
        const QString text = QString::fromUtf8(verticalTexts[i]);
        for (QWidget *w :
             {static_cast<QWidget *>(c.verticalPanels[i]), static_cast<QWidget *>(c.verticalThumbs[i])})
            router->onEnter(w, [program, text] { DisplayLines::renderSliders(*program, text); });
    }
    const char *horizontalTexts[] = {"伴奏速度..", "伴奏音调..", "伴奏控制.."};
    for (int i = 0; i < 3; ++i) {
        const QString text = QString::fromUtf8(horizontalTexts[i]);
        for (QWidget *w :
             {static_cast<QWidget *>(c.horizontalPanels[i]), static_cast<QWidget *>(c.horizontalThumbs[i])})
            router->onEnter(w, [program, text] { DisplayLines::renderSliders(*program, text); });
    }
    router->onEnter(c.aboutPicture,
                    [program] { DisplayLines::renderIdle(*program, QStringLiteral("关于我们...LRD")); });
    router->onEnter(c.progressPanel, [program] { program->state.progressShown = true; });
}

void wireDisplay(Program &p, MouseRouter *router) {
    MainWindowControls &c = p.controls;
    Program *program = &p;
    for (QLabel *line : {c.displayLine1, c.displayLine2, c.displayLine3})
        router->onPress(line, [program](QPoint) { DisplayView::setView(*program, ViewSongList); });
    router->onDoubleClick(c.levelMeter, [program] { DisplayView::setView(*program, ViewTextLines); });
    router->onPress(c.progressPanel, [program](QPoint at) {
        Transport::seek(*program, at.x(), program->controls.progressPanel->width());
    });
    c.levelMeter->onPaint = [program](QPainter &painter) {
        LevelMeter::paint(painter, program->state.display, program->state.enlarged);
    };
    DisplayLines::setLines(p, DisplayLines::idleLine(1), DisplayLines::idleLine(2),
                           DisplayLines::idleLine(3));

    // The list reads like the text lines: their font and colours, long names cut at the right edge.
    QListWidget *list = c.songList;
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    list->setFrameShape(QFrame::NoFrame);
    list->setFont(c.displayLine1->font());
    QPalette palette = list->palette();
    palette.setColor(QPalette::Text, c.displayLine1->palette().color(QPalette::WindowText));
    palette.setColor(QPalette::Highlight, QColor(0xC8, 0xFF, 0xC8));
    palette.setColor(QPalette::HighlightedText, QColor(0x00, 0x40, 0x00));
    list->setPalette(palette);
}

}  // namespace

void wire(Program &p) {
    Program *program = &p;
    auto *router = new MouseRouter(p.controls.window);
    wireButtons(p);
    wireStatusHovers(p);
    wireOtherHovers(p, router);
    wireDisplay(p, router);
    ContextMenu::wire(p);
    p.hooks.timer1Tick = [program] { MainTimer::tick(*program, program->controls.window->isActiveWindow()); };
    p.hooks.engineMessage = [program](uint32_t message, uint32_t wparam, uint32_t lparam) {
        MainTimer::engineMessage(*program, message, wparam, lparam);
    };
}

}  // namespace TransportWiring
