#pragma once
// The keyboard while the function dialog has the focus: the player keeps playing. The keys a page's
// widgets use stay with them (moving in a list, Tab, Space, every key in a text field); every other key
// plays as it does over the main window. Enter presses the page's main button, Escape closes the dialog.
#include <QObject>

class QKeyEvent;

namespace piano {

class FunctionDialog;

class PageKeys : public QObject {
  public:
    explicit PageKeys(FunctionDialog &dialog);
    ~PageKeys() override;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool pageUses(const QKeyEvent &key) const;

    FunctionDialog &dialog_;
};

}  // namespace piano
