#pragma once

#include "take_file.h"

#include <cstdint>
#include <vector>

// Builds a looping accompaniment pattern from notes placed on a step grid.
//
// The player never waits for the first record's delta and, after the last record, starts over at once,
// so the loop's length is the time from the first record to the last. The builder therefore puts every
// note inside [0, loop), ends each note by the loop's end and makes sure a record sits exactly at the
// loop's end. Every note is played with an instrument; a program change goes out before a note whenever
// the instrument differs from the previous note's (all events share one channel when played, and a
// program change leaves sounding notes alone), and always before the first note.
class PatternBuilder {
  public:
    // stepUnits: length of one grid step in units of 4 ms.
    explicit PatternBuilder(uint32_t stepUnits) : stepUnits_(stepUnits) {}

    // A note at a grid step lasting `steps` steps; gate is the sounding fraction of that length.
    void Note(double step, double steps, int pitch, int velocity, int program, int channel,
              double gate = 0.9);
    void Chord(double step, double steps, const std::vector<int> &pitches, int velocity, int program,
               int channel, double gate = 0.9);

    std::vector<take_file::Record> Build(uint32_t loopSteps) const;

  private:
    struct PlacedNote {
        uint32_t on, off;
        uint8_t pitch, velocity, program, channel;
        uint32_t order;  // insertion order, keeps chords and program switches stable
    };
    uint32_t stepUnits_;
    std::vector<PlacedNote> notes_;
};
