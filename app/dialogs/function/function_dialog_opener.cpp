#include "function_dialog_opener.h"

#include "channel_page.h"
#include "program_files.h"

namespace piano {

FunctionDialogOpener::FunctionDialogOpener(Program &program, Performance &performance, QWidget *parent)
    : program_(program), performance_(performance), parent_(parent) {}

FunctionDialogOpener::~FunctionDialogOpener() {
    delete dialog_.data();
}

void FunctionDialogOpener::open(int functionPage) {
    destroy();
    dialog_ = new FunctionDialog(FunctionContext{program_, performance_, memory}, functionPage, parent_);
    dialog_->setWindowFlag(Qt::Dialog);
    // What the pages changed (the key map above all) is on disk as soon as the dialog closes.
    QObject::connect(dialog_, &QDialog::finished, dialog_,
                     [this] { ProgramFiles::saveAllAndReport(program_); });
    if (opensModally(functionPage)) {
        dialog_->exec();
    } else {
        dialog_->setModal(false);
        dialog_->show();
    }
}

void FunctionDialogOpener::destroy() {
    if (!dialog_) return;
    FunctionDialog *old = dialog_;
    dialog_ = nullptr;
    old->hide();
    // Deferred: the dialog may be the sender of the event that led here.
    old->deleteLater();
}

void FunctionDialogOpener::destroyIfHidden() {
    if (dialog_ && !dialog_->isVisible()) destroy();
}

}  // namespace piano
