#include "scale_page.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "choice_list.h"
#include "function_dialog.h"
#include "voice_list.h"

namespace piano {
namespace {

constexpr int kRegions = 5;
constexpr int kSlotsPerRegion = 12;
constexpr int kHighestNote = 127;

}  // namespace

ScalePage::ScalePage(FunctionDialog &dialog) : dialog_(dialog) {
    regionBox = new QComboBox(this);
    for (int r = 1; r <= kRegions; ++r)
        regionBox->addItem(QStringLiteral("第%1个八度区").arg(r));
    PlaceOnSheet(regionBox, 6, 6, 170, 22);
    noteList = new QListWidget(this);
    for (int n = 0; n < kNoteNameCount; ++n)
        noteList->addItem(QString::fromStdString(NoteNameRow(n)));
    PlaceOnSheet(noteList, 6, 32, 170, 234);
    ShowNotesInFourColumns(noteList);
    okButton = new QPushButton(QStringLiteral("确定"), this);
    PlaceOnSheet(okButton, 100, 272, 75, 25);

    connect(regionBox, &QComboBox::activated, this, &ScalePage::changeRegion);
    connect(noteList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *i) { doubleClickNote(noteList->row(i)); });
    connect(okButton, &QPushButton::clicked, this, &ScalePage::confirm);
}

void ScalePage::prepare(int region) {
    regionBox->setCurrentIndex(region);
    if (region >= 0)
        changeRegion(region);
    else
        noteList->setCurrentRow(-1);
}

void ScalePage::changeRegion(int region) {
    if (region < 0 || region >= kRegions) return;
    regionBox->setCurrentIndex(region);
    const int pitch = dialog_.context().keys().slotPitch(region * kSlotsPerRegion + 1);
    noteList->setCurrentRow(pitch < kNoteNameCount ? pitch : -1);
}

void ScalePage::assign(int note) {
    const int region = regionBox->currentIndex();
    if (region < 0 || region >= kRegions || note < 0 || note >= kNoteNameCount) return;
    KeyboardState &keys = dialog_.context().keys();
    for (int j = 0; j < kSlotsPerRegion; ++j) {
        int pitch = note + j;
        // Notes past the top of the MIDI range fall an octave, so the key still sounds its note name.
        if (pitch > kHighestNote) pitch -= 12;
        keys.slotPitch(region * kSlotsPerRegion + 1 + j) = static_cast<uint8_t>(pitch);
    }
}

void ScalePage::doubleClickNote(int note) {
    noteList->setCurrentRow(note);
    assign(note);
    dialog_.close();
}

void ScalePage::confirm() {
    assign(noteList->currentRow());
    dialog_.close();
}

}  // namespace piano
