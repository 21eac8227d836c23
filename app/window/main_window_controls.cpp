#include "main_window_controls.h"

#include <QPainter>

#include "design_dpi.h"
#include "window_design.h"
#include "window_glyphs.h"

namespace {

struct CaptionButtonSpec {
    int formNumber;
    const char *caption;
    const char *hint;
    int left;
};

// Tempo, voice, pitch and view buttons along the row at top 71.
constexpr CaptionButtonSpec kCaptionButtons[] = {
    {8, "+", "速度加", 242},        {24, "S", "原始速度", 255},
    {9, "-", "速度减", 268},        {25, "<", "按通道音色减", 282},
    {23, "N", "选择音色播放", 295}, {28, "Y", "原始音色", 307},
    {33, "F", "查看通道音色", 320}, {32, "C", "为控制器选择控制码", 333},
    {34, "B", "伴奏音色", 346},     {27, ">", "按通道音色加", 359},
    {7, "(", "音调减", 373},        {26, "T", "原始音调", 386},
    {18, ")", "音调加", 399},       {30, "O", "显示琴键", 413},
    {31, "I", "循环播放", 426},
};

QFrame *makePanel(QWidget *parent, const QRect &bounds, const QString &hint = {}) {
    auto *panel = new QFrame(parent);
    panel->setGeometry(bounds);
    panel->setAutoFillBackground(true);
    panel->setToolTip(hint);
    return panel;
}

SpeedButton *makeButton(QWidget *parent, const QRect &bounds, const QString &hint,
                        const QString &caption = {}) {
    auto *button = new OnDesignGrid<SpeedButton>(parent);
    button->setGeometry(bounds);
    button->setToolTip(hint);
    button->setText(caption);
    return button;
}

ImageControl *makeImage(QWidget *parent, const QRect &bounds, bool stretch, const QString &hint = {}) {
    auto *image = new ImageControl(parent);
    image->setGeometry(bounds);
    image->setStretch(stretch);
    image->setToolTip(hint);
    return image;
}

QLabel *makeDisplayLine(QWidget *parent, const QRect &bounds) {
    auto *label = new OnDesignGrid<QLabel>(parent);
    label->setGeometry(bounds);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x80, 0x00));
    palette.setColor(QPalette::WindowText, QColor(0xC8, 0xFF, 0xC8));
    label->setPalette(palette);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void buildMenu(MainWindowControls &c) {
    c.popupMenu = new QMenu(c.window);
    auto add = [&c](QMenu *menu, const char *formName, const char *text) {
        QAction *action = menu->addAction(QString::fromUtf8(text));
        action->setObjectName(formName);
        c.menuItems[formName] = action;
    };
    QMenu *file = c.popupMenu->addMenu(QStringLiteral("文件"));
    add(file, "N2", "新建...");
    add(file, "N5", "保存...");
    add(file, "N6", "打开文件...");
    QMenu *display = c.popupMenu->addMenu(QStringLiteral("显示屏"));
    add(display, "N13", "文字");
    add(display, "N14", "文件列表框");
    add(display, "N15", "电平显示");
    QMenu *functions = c.popupMenu->addMenu(QStringLiteral("功能"));
    add(functions, "N3", "音色属性...");
    add(functions, "N10", "音阶选择...");
    add(functions, "N4", "伴奏选择...");
    add(functions, "N16", "查看通道...");
    add(functions, "N17", "查看控制器...");
    add(functions, "N11", "键盘...");
    QMenu *extras = c.popupMenu->addMenu(QStringLiteral("附属设置"));
    add(extras, "N22", "系统音量...");
    add(extras, "N23", "伴奏控制器...");
    add(extras, "N8", "音序器...");
    add(extras, "N9", "界面...");
    add(c.popupMenu, "N1", "帮助...");
    add(c.popupMenu, "N7", "关于...");
}

}  // namespace

std::array<QFrame *, 9> MainWindowControls::numberedPanels() const {
    return {verticalPanels[0], verticalPanels[1],   verticalPanels[2],   verticalPanels[3],  progressPanel,
            gaugePanel,        horizontalPanels[0], horizontalPanels[1], horizontalPanels[2]};
}

std::array<SpeedButton *, 7> MainWindowControls::transportButtons() const {
    return {openFilesButton, pauseButton, stopRecordButton, saveBufferButton,
            newBufferButton, playButton,  modeSwitchButton};
}

MainWindowControls buildMainWindowControls(QWidget *window) {
    MainWindowControls c;
    c.window = window;

    namespace design = piano::design;
    c.background = makeImage(window, QRect(QPoint(0, 0), design::kWindow), true);

    c.startupHint = new OnDesignGrid<QLabel>(
        QStringLiteral("显示这个界面可能是程序没有管理员权限，请以管理员身份运行本程序！"), window);
    c.startupHint->setGeometry(0, design::kWindow.height() + 2, design::kWindow.width(), 24);
    c.startupHint->setWordWrap(true);

    c.aboutPicture = makeImage(window, design::kAboutPicture, true, QStringLiteral("关于我们"));
    c.aboutPicture->setTransparent(true);
    c.aboutPicture->setCursor(Qt::PointingHandCursor);

    const QRect display = design::kDisplay;
    c.displayLine1 = makeDisplayLine(window, {display.left(), display.top(), display.width(), 14});
    c.displayLine2 = makeDisplayLine(window, {display.left(), display.top() + 14, display.width(), 14});
    c.displayLine3 = makeDisplayLine(window, {display.left(), display.top() + 28, display.width(), 15});
    c.levelMeter = new PaintBox(window);
    c.levelMeter->setGeometry(display);
    c.songList = new OnDesignGrid<QListWidget>(window);
    // The rows are painted on the viewport, which measures the font again.
    c.songList->setViewport(new OnDesignGrid<QWidget>);
    c.songList->setGeometry(display);
    c.songList->setFocusPolicy(Qt::NoFocus);
    c.songList->hide();

    c.newBufferButton = makeButton(window, design::TransportButton(0), QStringLiteral("新建"));
    c.saveBufferButton = makeButton(window, design::TransportButton(1), QStringLiteral("保存"));
    c.playButton = makeButton(window, design::TransportButton(2), QStringLiteral("播放"));
    c.pauseButton = makeButton(window, design::TransportButton(3), QStringLiteral("暂停"));
    c.stopRecordButton = makeButton(window, design::TransportButton(4), QStringLiteral("停止/录音"));
    c.modeSwitchButton = makeButton(window, design::TransportButton(5), QStringLiteral("播放/录制模式"));
    c.openFilesButton = makeButton(window, design::TransportButton(6), QStringLiteral("打开文件"));

    c.skipBackButton = makeButton(window, {242, 56, 13, 14}, QStringLiteral("进度-"));
    c.previousSongButton = makeButton(window, {255, 56, 13, 14}, QStringLiteral("上一曲"));
    c.nextSongButton = makeButton(window, {413, 56, 13, 14}, QStringLiteral("下一曲"));
    c.skipForwardButton = makeButton(window, {426, 56, 13, 14}, QStringLiteral("进度+"));
    c.skipBackButton->setGlyph(WindowGlyphs::stepGlyph(WindowGlyphs::Step::PositionBack));
    c.previousSongButton->setGlyph(WindowGlyphs::stepGlyph(WindowGlyphs::Step::PreviousSong));
    c.nextSongButton->setGlyph(WindowGlyphs::stepGlyph(WindowGlyphs::Step::NextSong));
    c.skipForwardButton->setGlyph(WindowGlyphs::stepGlyph(WindowGlyphs::Step::PositionForward));
    for (SpeedButton *b : {c.skipBackButton, c.previousSongButton, c.nextSongButton, c.skipForwardButton})
        b->setFlat(true);

    c.progressPanel = makePanel(window, design::kProgressPanel, QStringLiteral("播放进度"));
    c.progressPanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    c.progressPanel->setLineWidth(1);
    c.songProgress = new Gauge(c.progressPanel);
    c.songProgress->setGeometry(c.progressPanel->contentsRect());
    c.songProgress->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (const CaptionButtonSpec &spec : kCaptionButtons) {
        SpeedButton *b = makeButton(window, {spec.left, 71, 13, 14}, QString::fromUtf8(spec.hint),
                                    QString::fromUtf8(spec.caption));
        b->setFlat(true);
        c.captionButtons[spec.formNumber] = b;
    }

    for (int i = 0; i < 4; ++i)
        c.controllerButtons[i] =
            makeButton(window, design::ControllerButton(i), QStringLiteral("控制器转换按钮%1").arg(i + 1));
    const char *modeHints[] = {"将控制面板转换为(控制)音色和音域",
                               "将控制面板转换为(控制)效果（既合音和和弦）",
                               "将控制面板转换为(控制)伴奏选择器"};
    for (int i = 0; i < 3; ++i)
        c.modeButtons[i] = makeButton(window, design::ModeButton(i), QString::fromUtf8(modeHints[i]));

    c.gaugePanel = makePanel(window, design::kControllerGauges);
    // Under the four controller buttons; odd lefts for the first, third and fourth gauge.
    const int gaugeLefts[] = {1, 28, 55, 81};
    for (int i = 0; i < 4; ++i) {
        Gauge *g = new Gauge(c.gaugePanel);
        g->setGeometry(gaugeLefts[i], 1, 24, 7);
        g->setMaximum(16);
        g->setProgress(8);
        g->setBackColour(QColor(40, 40, 40));
        g->setBarColour(QColor(128, 128, 128));
        c.controllerGauges[i] = g;
    }
    c.valueBar = new Gauge(window);
    c.valueBar->setGeometry(design::kValueBar);
    c.valueBar->setMaximum(100);
    c.valueBar->setToolTip(QStringLiteral("控制控制器数值"));
    c.valueBar->setBackColour(QColor(40, 40, 40));
    c.valueBar->setBarColour(QColor(0, 0, 128));

    const char *verticalHints[] = {"主音量", "播放音量", "伴奏音量", "弹奏音量"};
    for (int i = 0; i < 4; ++i) {
        c.verticalPanels[i] =
            makePanel(window, design::VerticalSlider(i), QString::fromUtf8(verticalHints[i]));
        c.verticalThumbs[i] = makeImage(c.verticalPanels[i], {0, 8, 11, 14}, true);
    }
    const char *horizontalHints[] = {"伴奏速度", "伴奏音调", "伴奏控制器"};
    for (int i = 0; i < 3; ++i) {
        c.horizontalPanels[i] =
            makePanel(window, design::HorizontalSlider(i), QString::fromUtf8(horizontalHints[i]));
        c.horizontalThumbs[i] = makeImage(c.horizontalPanels[i], {8, 0, 15, 11}, true);
    }

    c.controlPanel = makeImage(window, design::kControlPanel, true, QStringLiteral("控制面板"));
    c.keyboardPicture = makeImage(window, design::kKeyboard, false, QStringLiteral("虚拟键盘"));
    c.litKeys = new PaintBox(window);
    c.litKeys->setGeometry(design::kKeyboard);
    c.litKeys->setEnabled(false);
    c.litKeys->setAttribute(Qt::WA_TransparentForMouseEvents);
    c.accompList = new QListWidget(window);
    c.accompList->hide();
    c.accompList->setEnabled(false);

    // The window buttons sit above everything else, so their panel keeps its own clicks.
    c.windowButtons = makePanel(window, piano::design::kWindowButtons);
    c.hideButton = makeButton(c.windowButtons, {0, 0, 14, 14}, QStringLiteral("隐藏"));
    c.resizeButton = makeButton(c.windowButtons, {14, 0, 14, 14}, QStringLiteral("放大，缩小"));
    c.closeButton = makeButton(c.windowButtons, {28, 0, 14, 14}, QStringLiteral("关闭"));
    c.hideButton->setGlyph(WindowGlyphs::windowGlyph(WindowGlyphs::Window::Hide));
    c.resizeButton->setGlyph(WindowGlyphs::windowGlyph(WindowGlyphs::Window::Resize));
    c.closeButton->setGlyph(WindowGlyphs::windowGlyph(WindowGlyphs::Window::Close));
    for (SpeedButton *b : {c.hideButton, c.resizeButton, c.closeButton})
        b->setFlat(true);

    buildMenu(c);
    c.startupHint->setObjectName("Label5");
    c.hideButton->setObjectName("SpeedButton17");
    c.resizeButton->setObjectName("SpeedButton19");
    c.newBufferButton->setObjectName("SpeedButton16");
    c.saveBufferButton->setObjectName("SpeedButton15");
    c.playButton->setObjectName("SpeedButton11");
    c.pauseButton->setObjectName("SpeedButton12");
    c.stopRecordButton->setObjectName("SpeedButton13");
    c.modeSwitchButton->setObjectName("SpeedButton29");
    c.skipBackButton->setObjectName("SpeedButton10");
    c.previousSongButton->setObjectName("SpeedButton35");
    c.nextSongButton->setObjectName("SpeedButton36");
    c.skipForwardButton->setObjectName("SpeedButton14");
    c.openFilesButton->setObjectName("SpeedButton6");
    c.closeButton->setObjectName("SpeedButton1");
    c.background->setObjectName("Image1");
    c.aboutPicture->setObjectName("Image3");
    c.keyboardPicture->setObjectName("Image4");
    c.controlPanel->setObjectName("Image7");
    c.displayLine1->setObjectName("Label1");
    c.displayLine2->setObjectName("Label2");
    c.displayLine3->setObjectName("Label3");
    c.windowButtons->setObjectName("Panel10");
    c.levelMeter->setObjectName("PaintBox1");
    c.litKeys->setObjectName("PaintBox2");
    c.songList->setObjectName("ListBox1");
    c.accompList->setObjectName("ListBox2");
    c.progressPanel->setObjectName("Panel5");
    c.songProgress->setObjectName("CGauge4");
    c.gaugePanel->setObjectName("Panel6");
    c.valueBar->setObjectName("ProgressBar2");
    c.popupMenu->setObjectName("PopupMenu1");
    return c;
}

void createOverlayImages(MainWindowControls &c) {
    for (int i = 0; i < 20; ++i) {
        auto *image = new ImageControl(c.window);
        image->setGeometry(0, piano::design::kKeyboard.top(), 13, 74);
        image->setAutoSize(true);
        image->setTransparent(true);
        image->setEnabled(false);
        image->setAttribute(Qt::WA_TransparentForMouseEvents);
        image->hide();
        c.overlayImages[i] = image;
    }
    for (int i = 0; i < 4; ++i) {
        ImageControl *lamp = c.overlayImages[9 + i];
        lamp->setBoundsRect(piano::design::kBeatLampLefts[i], piano::design::kBeatLampTop, 7, 5);
        lamp->show();
    }
    for (int i : {13, 14}) {
        c.overlayImages[i]->setTransparent(false);
        c.overlayImages[i]->show();
    }
    c.windowButtons->raise();
}
