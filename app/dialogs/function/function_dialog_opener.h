#pragma once
// The one way the main window opens the function dialog, and what it does with the dialog while it
// exists. There is never more than one dialog; each opening creates it anew.
#include <QPointer>

#include "function_dialog.h"
#include "function_page.h"

class QWidget;

namespace piano {

class FunctionDialogOpener {
  public:
    FunctionDialogOpener(Program &program, Performance &performance, QWidget *parent = nullptr);
    ~FunctionDialogOpener();
    FunctionDialogOpener(const FunctionDialogOpener &) = delete;
    FunctionDialogOpener &operator=(const FunctionDialogOpener &) = delete;

    // The save page and the first layer voice open modally: the call returns once they close.
    static bool opensModally(int functionPage) {
        return functionPage == kPageSave || functionPage == kPageChordVoice1;
    }

    // Remember the page selector, set it, destroy any dialog, create and show one, restore the selector.
    void open(int functionPage);
    FunctionDialog *dialog() const { return dialog_; }
    bool exists() const { return dialog_ != nullptr; }
    void destroy();
    // The main timer's step: a closed (hidden) dialog is destroyed.
    void destroyIfHidden();

    // Kept across openings.
    FunctionDialogMemory memory;

  private:
    Program &program_;
    Performance &performance_;
    QWidget *parent_;
    QPointer<FunctionDialog> dialog_;
};

}  // namespace piano
