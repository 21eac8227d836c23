#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDialog>
#include <QWindow>

#include "engine_host.h"
#include "layout.h"
#include "startup.h"
#include "take_recovery.h"
#include "window_placement.h"

namespace {
constexpr int kTimer1Interval = 50;
constexpr int kDesignWidth = 450;
constexpr int kDesignHeight = 238;
}  // namespace

MainWindow::MainWindow(DialogService &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), program_(dialogs) {
    setWindowTitle("Piano");
    setFixedSize(kDesignWidth, kDesignHeight);
    QFont font(QStringList{"SimSun", "WenQuanYi Micro Hei", "Noto Sans CJK SC"}, 9);
    setFont(font);
    program_.controls = buildMainWindowControls(this);

    hostContext_.receiver = this;
    hostContext_.dialogs = &dialogs;
    program_.host = makeEngineHost(&hostContext_);

    timer1_.setInterval(kTimer1Interval);
    connect(&timer1_, &QTimer::timeout, this, [this] { program_.hooks.timer1Tick(); });
    connectControls();
}

MainWindow::~MainWindow() {
    shutdown();
}

bool MainWindow::start() {
    if (!Startup::formCreate(program_)) {
        ended_ = true;
        return false;
    }
    started_ = true;
    move(placeOnCurrentScreens(QRect(pos(), size())));
    timer1_.start();
    qApp->installEventFilter(this);
    return true;
}

void MainWindow::shutdown() {
    if (!started_ || destroyed_) return;
    destroyed_ = true;
    timer1_.stop();
    qApp->removeEventFilter(this);
    Startup::formDestroy(program_);
}

void MainWindow::connectControls() {
    MainWindowControls &c = program_.controls;
    connect(c.closeButton, &QAbstractButton::clicked, this, &MainWindow::closeButtonClicked);
    connect(c.hideButton, &QAbstractButton::clicked, this, [this] { showMinimized(); });
    connect(c.resizeButton, &QAbstractButton::clicked, this, &MainWindow::toggleLayout);
    auto openAbout = [this] {
        program_.state.settingsPage = 2;
        guarded([this] { program_.hooks.openSettingsDialog(2); });
    };
    connect(c.aboutPicture, &ImageControl::clicked, this, openAbout);
    connect(c.menuItems.at("N7"), &QAction::triggered, this, openAbout);
}

void MainWindow::guarded(const std::function<void()> &action) {
    try {
        action();
    } catch (const MissingBitmap &error) {
        program_.dialogs.messageBox(error.message(), "Piano", NW_MB_OK | NW_MB_ICONERROR);
    }
}

void MainWindow::toggleLayout() {
    guarded([this] { Layout::toggle(program_); });
}

void MainWindow::closeButtonClicked() {
    if (!Startup::askAboutUnsavedTake(program_)) return;
    closeApproved_ = true;
    close();
}

void MainWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (shownOnce_ || !started_) return;
    shownOnce_ = true;
    if (!Startup::formShow(program_)) {
        ended_ = true;
        emit programEnded();
        return;
    }
    // Once the window is up: where the take of a run that ended on a signal was kept.
    QTimer::singleShot(0, this, [this] { TakeRecovery::tellAboutKeptTake(program_); });
}

void MainWindow::endOnSignal() {
    if (program_.state.ending) return;
    program_.state.ending = true;
    // Nobody may be there to answer: no question is asked from here on, and every open one is dropped.
    program_.dialogs.setQuiet(true);
    if (started_ && !ended_) TakeRecovery::keepUnsavedTake(program_, QDateTime::currentDateTime());
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible()) dialog->reject();
    closeApproved_ = true;
    close();
    // Leaves every event loop, the modal ones of dialogs included; shutdown then writes the settings and
    // lists once.
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    // A close from outside (the window manager, the session) asks the same question as the close button.
    if (!closeApproved_ && !program_.state.ending && started_ && !ended_ &&
        !Startup::askAboutUnsavedTake(program_)) {
        event->ignore();
        return;
    }
    closeApproved_ = true;
    event->accept();
}

void MainWindow::customEvent(QEvent *event) {
    if (event->type() != EngineMessageEvent::eventType()) return QWidget::customEvent(event);
    const auto *message = static_cast<EngineMessageEvent *>(event);
    if (!destroyed_) program_.hooks.engineMessage(message->message, message->wparam, message->lparam);
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event) {
    program_.hooks.popupMenuOpening();
    program_.controls.popupMenu->popup(event->globalPos());
}

bool MainWindow::startDragIfInStrip(QObject *watched, QMouseEvent *event) {
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || event->button() != Qt::LeftButton) return false;
    if (widget != this && !isAncestorOf(widget)) return false;
    // The window-button panel reaches into the strip and keeps its own clicks.
    QWidget *buttons = program_.controls.windowButtons;
    if (widget == buttons || buttons->isAncestorOf(widget)) return false;
    const QPoint client = widget->mapTo(this, event->position().toPoint());
    if (!Layout::inDragStrip(client, program_.state.enlarged)) return false;
    if (QWindow *handle = windowHandle(); handle && handle->startSystemMove()) return true;
    // The window system would not move it (no support, or a platform without one): move it by hand
    // while the button is held.
    manualDrag_ = true;
    dragOffset_ = event->globalPosition().toPoint() - pos();
    return true;
}

bool MainWindow::continueManualDrag(QObject *watched, QEvent *event) {
    // The press was taken from one of the window's widgets; its moves and release arrive there too.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!manualDrag_ || !widget || (widget != this && !isAncestorOf(widget))) return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (event->type() == QEvent::MouseButtonRelease) {
        if (mouse->button() == Qt::LeftButton) manualDrag_ = false;
    } else if (mouse->buttons() & Qt::LeftButton) {
        move(mouse->globalPosition().toPoint() - dragOffset_);
    } else {
        manualDrag_ = false;  // the release went elsewhere
        return false;
    }
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (startDragIfInStrip(watched, static_cast<QMouseEvent *>(event))) return true;
            break;
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            if (continueManualDrag(watched, event)) return true;
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // Key preview: every key reaches the window's platform handle once, before the focused control.
            if (watched == windowHandle() && !destroyed_)
                return program_.hooks.keyEvent(static_cast<QKeyEvent *>(event));
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}
