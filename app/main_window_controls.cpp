#include "main_window_controls.h"

#include <QPainter>

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
    auto *button = new SpeedButton(parent);
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
    auto *label = new QLabel(parent);
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
    c.popupMenu1 = new QMenu(c.window);
    auto add = [&c](QMenu *menu, const char *formName, const char *text) {
        QAction *action = menu->addAction(QString::fromUtf8(text));
        action->setObjectName(formName);
        c.menuItems[formName] = action;
    };
    QMenu *file = c.popupMenu1->addMenu(QStringLiteral("文件"));
    add(file, "N2", "新建...");
    add(file, "N5", "保存...");
    add(file, "N6", "打开文件...");
    QMenu *display = c.popupMenu1->addMenu(QStringLiteral("显示屏"));
    add(display, "N13", "文字");
    add(display, "N14", "文件列表框");
    add(display, "N15", "电平显示");
    QMenu *functions = c.popupMenu1->addMenu(QStringLiteral("功能"));
    add(functions, "N3", "音色属性...");
    add(functions, "N10", "音阶选择...");
    add(functions, "N4", "伴奏选择...");
    add(functions, "N16", "查看通道...");
    add(functions, "N17", "查看控制器...");
    add(functions, "N11", "键盘...");
    QMenu *extras = c.popupMenu1->addMenu(QStringLiteral("附属设置"));
    add(extras, "N22", "系统音量...");
    add(extras, "N23", "伴奏控制器...");
    add(extras, "N8", "音序器...");
    add(extras, "N9", "界面...");
    add(c.popupMenu1, "N1", "帮助...");
    add(c.popupMenu1, "N7", "关于...");
}

}  // namespace

std::array<QFrame *, 9> MainWindowControls::numberedPanels() const {
    return {verticalPanels[0],   verticalPanels[1],   verticalPanels[2],  verticalPanels[3], panel5, panel6,
            horizontalPanels[0], horizontalPanels[1], horizontalPanels[2]};
}

std::array<SpeedButton *, 7> MainWindowControls::transportButtons() const {
    return {speedButton6,  speedButton12, speedButton13, speedButton15,
            speedButton16, speedButton11, speedButton29};
}

MainWindowControls buildMainWindowControls(QWidget *window) {
    MainWindowControls c;
    c.window = window;

    c.image1 = makeImage(window, {0, 0, 450, 210}, true);

    c.label5 = new QLabel(QStringLiteral("显示这个界面可能是程序没有管理员权限，请以管理员身份运行本程序！"),
                          window);
    c.label5->setGeometry(0, 212, 450, 24);
    c.label5->setWordWrap(true);

    c.image3 = makeImage(window, {133, 26, 96, 17}, true, QStringLiteral("关于我们"));
    c.image3->setTransparent(true);
    c.image3->setCursor(Qt::PointingHandCursor);

    c.label1 = makeDisplayLine(window, {133, 48, 97, 14});
    c.label2 = makeDisplayLine(window, {133, 62, 97, 14});
    c.label3 = makeDisplayLine(window, {133, 76, 97, 15});
    c.paintBox1 = new PaintBox(window);
    c.paintBox1->setGeometry(133, 48, 97, 43);
    c.listBox1 = new QListWidget(window);
    c.listBox1->setGeometry(133, 48, 97, 43);
    c.listBox1->setFocusPolicy(Qt::NoFocus);
    c.listBox1->hide();

    c.speedButton16 = makeButton(window, {242, 33, 28, 22}, QStringLiteral("新建"));
    c.speedButton15 = makeButton(window, {270, 33, 28, 22}, QStringLiteral("保存"));
    c.speedButton11 = makeButton(window, {298, 33, 28, 22}, QStringLiteral("播放"));
    c.speedButton12 = makeButton(window, {326, 33, 28, 22}, QStringLiteral("暂停"));
    c.speedButton13 = makeButton(window, {354, 33, 28, 22}, QStringLiteral("停止/录音"));
    c.speedButton29 = makeButton(window, {382, 33, 28, 22}, QStringLiteral("播放/录制模式"));
    c.speedButton6 = makeButton(window, {410, 33, 28, 22}, QStringLiteral("打开文件"));

    c.speedButton10 = makeButton(window, {242, 56, 13, 14}, QStringLiteral("进度-"));
    c.speedButton35 = makeButton(window, {255, 56, 13, 14}, QStringLiteral("上一曲"));
    c.speedButton36 = makeButton(window, {413, 56, 13, 14}, QStringLiteral("下一曲"));
    c.speedButton14 = makeButton(window, {426, 56, 13, 14}, QStringLiteral("进度+"));
    c.speedButton10->setGlyph(WindowGlyphs::stepGlyph(WindowGlyphs::Step::PositionBack));
    c.speedButton35->setGlyph(WindowGlyphs::stepGlyph(WindowGlyphs::Step::PreviousSong));
    c.speedButton36->setGlyph(WindowGlyphs::stepGlyph(WindowGlyphs::Step::NextSong));
    c.speedButton14->setGlyph(WindowGlyphs::stepGlyph(WindowGlyphs::Step::PositionForward));
    for (SpeedButton *b : {c.speedButton10, c.speedButton35, c.speedButton36, c.speedButton14})
        b->setFlat(true);

    c.panel5 = makePanel(window, {268, 57, 143, 11}, QStringLiteral("播放进度"));
    c.panel5->setFrameStyle(QFrame::Box | QFrame::Plain);
    c.panel5->setLineWidth(1);
    c.cGauge4 = new Gauge(c.panel5);
    c.cGauge4->setGeometry(c.panel5->contentsRect());
    c.cGauge4->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (const CaptionButtonSpec &spec : kCaptionButtons) {
        SpeedButton *b = makeButton(window, {spec.left, 71, 13, 14}, QString::fromUtf8(spec.hint),
                                    QString::fromUtf8(spec.caption));
        b->setFlat(true);
        c.captionButtons[spec.formNumber] = b;
    }

    const int controllerLefts[] = {11, 38, 65, 92};
    for (int i = 0; i < 4; ++i)
        c.controllerButtons[i] = makeButton(window, {controllerLefts[i], 41, 27, 15},
                                            QStringLiteral("控制器转换按钮%1").arg(i + 1));
    const char *modeHints[] = {"将控制面板转换为(控制)音色和音域",
                               "将控制面板转换为(控制)效果（既合音和和弦）",
                               "将控制面板转换为(控制)伴奏选择器"};
    const int modeTops[] = {78, 93, 108};
    for (int i = 0; i < 3; ++i)
        c.modeButtons[i] = makeButton(window, {92, modeTops[i], 27, 15}, QString::fromUtf8(modeHints[i]));

    c.panel6 = makePanel(window, {12, 30, 106, 9});
    // Under the four controller buttons; odd lefts for the first, third and fourth gauge.
    const int gaugeLefts[] = {1, 28, 55, 81};
    for (int i = 0; i < 4; ++i) {
        Gauge *g = new Gauge(c.panel6);
        g->setGeometry(gaugeLefts[i], 1, 24, 7);
        g->setMaximum(16);
        g->setProgress(8);
        g->setBackColour(QColor(40, 40, 40));
        g->setBarColour(QColor(128, 128, 128));
        c.controllerGauges[i] = g;
    }
    c.progressBar2 = new Gauge(window);
    c.progressBar2->setGeometry(12, 61, 105, 9);
    c.progressBar2->setMaximum(100);
    c.progressBar2->setToolTip(QStringLiteral("控制控制器数值"));
    c.progressBar2->setBackColour(QColor(40, 40, 40));
    c.progressBar2->setBarColour(QColor(0, 0, 128));

    const char *verticalHints[] = {"主音量", "播放音量", "伴奏音量", "弹奏音量"};
    const int verticalLefts[] = {15, 39, 56, 73};
    for (int i = 0; i < 4; ++i) {
        c.verticalPanels[i] =
            makePanel(window, {verticalLefts[i], 80, 11, 41}, QString::fromUtf8(verticalHints[i]));
        c.verticalThumbs[i] = makeImage(c.verticalPanels[i], {0, 8, 11, 14}, true);
    }
    const char *horizontalHints[] = {"伴奏速度", "伴奏音调", "伴奏控制器"};
    const int horizontalLefts[] = {300, 348, 396};
    for (int i = 0; i < 3; ++i) {
        c.horizontalPanels[i] =
            makePanel(window, {horizontalLefts[i], 112, 45, 11}, QString::fromUtf8(horizontalHints[i]));
        c.horizontalThumbs[i] = makeImage(c.horizontalPanels[i], {8, 0, 15, 11}, true);
    }

    c.image7 = makeImage(window, {130, 99, 108, 22}, true, QStringLiteral("控制面板"));
    c.image4 = makeImage(window, {11, 130, 421, 75}, false, QStringLiteral("虚拟键盘"));
    c.paintBox2 = new PaintBox(window);
    c.paintBox2->setGeometry(11, 130, 421, 75);
    c.paintBox2->setEnabled(false);
    c.paintBox2->setAttribute(Qt::WA_TransparentForMouseEvents);
    c.paintBox3 = new PaintBox(window);
    c.paintBox3->setGeometry(11, 130, 421, 75);
    c.paintBox3->setAttribute(Qt::WA_TransparentForMouseEvents);
    c.listBox2 = new QListWidget(window);
    c.listBox2->hide();
    c.listBox2->setEnabled(false);

    // The window buttons sit above everything else, so their panel keeps its own clicks.
    c.panel10 = makePanel(window, {395, 9, 42, 14});
    c.speedButton17 = makeButton(c.panel10, {0, 0, 14, 14}, QStringLiteral("隐藏"));
    c.speedButton19 = makeButton(c.panel10, {14, 0, 14, 14}, QStringLiteral("放大，缩小"));
    c.speedButton1 = makeButton(c.panel10, {28, 0, 14, 14}, QStringLiteral("关闭"));
    c.speedButton17->setGlyph(WindowGlyphs::windowGlyph(WindowGlyphs::Window::Hide));
    c.speedButton19->setGlyph(WindowGlyphs::windowGlyph(WindowGlyphs::Window::Resize));
    c.speedButton1->setGlyph(WindowGlyphs::windowGlyph(WindowGlyphs::Window::Close));
    for (SpeedButton *b : {c.speedButton17, c.speedButton19, c.speedButton1})
        b->setFlat(true);

    buildMenu(c);
    return c;
}

void createOverlayImages(MainWindowControls &c) {
    for (int i = 0; i < 20; ++i) {
        auto *image = new ImageControl(c.window);
        image->setGeometry(0, 130, 13, 74);
        image->setAutoSize(true);
        image->setTransparent(true);
        image->setEnabled(false);
        image->setAttribute(Qt::WA_TransparentForMouseEvents);
        image->hide();
        c.overlayImages[i] = image;
    }
    const int lampLefts[] = {244, 257, 269, 282};
    for (int i = 0; i < 4; ++i) {
        ImageControl *lamp = c.overlayImages[9 + i];
        lamp->setBoundsRect(lampLefts[i], 115, 7, 5);
        lamp->show();
    }
    for (int i : {13, 14}) {
        c.overlayImages[i]->setTransparent(false);
        c.overlayImages[i]->show();
    }
    c.panel10->raise();
}
