#pragma once

#include <memory>

class DialogService;
class MainWindow;
struct Program;

namespace piano {
class FunctionDialogOpener;
class PerformanceWiring;
struct Performance;
}  // namespace piano

// The whole program, built in one place and in one order: the main window with its controls and the
// program's state, live playing, the transport and display, the two dialogs, and every connection
// between them. main() and the window tests build it the same way. Every seam is filled here; one left
// empty stops the construction with its name instead of doing nothing at run time.
class CompositionRoot {
  public:
    explicit CompositionRoot(DialogService &dialogs);
    ~CompositionRoot();
    CompositionRoot(const CompositionRoot &) = delete;
    CompositionRoot &operator=(const CompositionRoot &) = delete;

    MainWindow &window() { return *window_; }
    Program &program();
    piano::Performance &performance();
    piano::PerformanceWiring &livePlaying() { return *livePlaying_; }
    piano::FunctionDialogOpener &functionDialog() { return *functionDialog_; }

  private:
    void connectParts();

    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<piano::PerformanceWiring> livePlaying_;
    std::unique_ptr<piano::FunctionDialogOpener> functionDialog_;
};
