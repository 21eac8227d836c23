#pragma once
// The voice page: gives a General MIDI program to one of ten targets (an octave region, the band, one
// channel, the two layer voices of a harmony cell, the accompaniment).
#include <QWidget>

class QComboBox;
class QListWidget;
class QPushButton;

namespace piano {

class FunctionDialog;

class VoicePage : public QWidget {
    Q_OBJECT
  public:
    // Targets, the rows of the target box; rows 0..4 are the octave regions.
    static constexpr int kBand = 5;
    static constexpr int kChannel = 6;
    static constexpr int kChord1 = 7;
    static constexpr int kChord2 = 8;
    static constexpr int kAccomp = 9;

    explicit VoicePage(FunctionDialog &dialog);

    // A region target the user may change; the list shows the region's program.
    void prepareRegion(int region);
    // A target the user cannot change, with `program` selected in the list.
    void prepareFixed(int target, int program);
    // The current layer voice of the marked harmony cell for kChord1 or kChord2 (0 if it has none).
    int chordVoice(int target) const;

    void changeTarget(int target);
    void clickProgram(int program);
    void doubleClickProgram(int program);
    void confirm();

    int target() const;
    bool targetFixed() const;

    QComboBox *targetBox = nullptr;
    QListWidget *programList = nullptr;
    QPushButton *okButton = nullptr;

  private:
    // The layer-voice byte of the marked cell; null when the marked cell has no layer voices.
    uint8_t *chordVoiceByte(int target) const;
    void showRegionProgram(int region);

    FunctionDialog &dialog_;
};

}  // namespace piano
