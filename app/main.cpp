#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <exception>

#include "composition_root.h"
#include "dialog_service.h"
#include "main_window.h"
#include "qt_translations.h"
#include "single_instance.h"
#include "termination_signals.h"

namespace {

// An error that escapes an event handler is shown in a message box and the program carries on, rather
// than the exception ending the process.
class PianoApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &error) {
            QMessageBox::critical(nullptr, "Piano", QString::fromUtf8(error.what()));
            return false;
        }
    }
};

// Hints appear at once and stay for 35 seconds.
class HintStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 1;
        if (hint == SH_ToolTip_FallAsleepDelay) return 35000;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

int main(int argc, char *argv[]) {
    PianoApplication app(argc, argv);
    SingleInstance instance;
    if (instance.anotherIsRunning()) return 0;

    app.setStyle(new HintStyle);
    installChineseQtTranslations(app);
    QtDialogService dialogs;
    CompositionRoot root(dialogs);
    MainWindow &window = root.window();
    dialogs.setParent(&window);
    QObject::connect(&window, &MainWindow::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!window.start()) return 0;
    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::terminationRequested, &window,
                     &MainWindow::endOnSignal);
    window.show();
    const int result = app.exec();
    window.shutdown();
    return result;
}
