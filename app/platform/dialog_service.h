#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

// Every message box and file, picture and colour dialog of the program goes through this interface, so
// tests can answer them. Styles and answers use the engine's message-box codes (NW_MB_*, NW_ID*), plus
// the Yes/No/Cancel style below.
class DialogService {
  public:
    static constexpr uint32_t kYesNoCancel = 0x3;
    static constexpr int32_t kCancel = 2;

    virtual ~DialogService() = default;
    virtual int32_t messageBox(const QString &text, const QString &caption, uint32_t style) = 0;
    // Chosen files, or an empty list when cancelled.
    virtual QStringList openFiles(const QString &folder, const QString &filter) = 0;
    virtual QString saveFile(const QString &folder, const QString &filter) = 0;
    virtual QColor pickColour(const QColor &initial) = 0;
    // While quiet, nothing is shown: messages go to stderr, questions are answered No, file dialogs are
    // cancelled. For the program's end on a signal, when nobody may be there to answer.
    virtual void setQuiet(bool) {}
};

// A file filter as the program writes it ("名称|*.a;*.b") in Qt's form, each pattern in both cases and the
// name without a pattern list of its own: "名称 (*.a *.A *.b *.B)".
QString qtFileFilter(const QString &filter);

// The real dialogs, over the window in use (else the given one).
class QtDialogService : public DialogService {
  public:
    explicit QtDialogService(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    void setQuiet(bool quiet) override { quiet_ = quiet; }

    int32_t messageBox(const QString &text, const QString &caption, uint32_t style) override;
    QStringList openFiles(const QString &folder, const QString &filter) override;
    QString saveFile(const QString &folder, const QString &filter) override;
    QColor pickColour(const QColor &initial) override;

  private:
    QWidget *parent_;
    bool quiet_ = false;
};
