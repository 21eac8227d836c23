#include "pattern_builder.h"

#include <algorithm>
#include <cmath>
#include <map>

void PatternBuilder::Note(double step, double steps, int pitch, int velocity, int program, int channel,
                          double gate) {
    const auto on = uint32_t(std::lround(step * stepUnits_));
    const auto length = std::max<uint32_t>(1, uint32_t(std::lround(steps * stepUnits_ * gate)));
    notes_.push_back({on, on + length, uint8_t(pitch), uint8_t(velocity), uint8_t(program), uint8_t(channel),
                      uint32_t(notes_.size())});
}

void PatternBuilder::Chord(double step, double steps, const std::vector<int> &pitches, int velocity,
                           int program, int channel, double gate) {
    for (int pitch : pitches)
        Note(step, steps, pitch, velocity, program, channel, gate);
}

std::vector<take_file::Record> PatternBuilder::Build(uint32_t loopSteps) const {
    const uint32_t loop = loopSteps * stepUnits_;
    std::vector<PlacedNote> notes;
    for (PlacedNote n : notes_) {
        if (n.on >= loop) continue;
        n.off = std::min(n.off, loop);
        notes.push_back(n);
    }
    std::sort(notes.begin(), notes.end(), [](const PlacedNote &a, const PlacedNote &b) {
        return a.on != b.on ? a.on < b.on : a.order < b.order;
    });
    // The player sends everything on one channel: a pitch struck again while it still sounds would be
    // cut by the earlier note's release, so the earlier note ends where the later one starts. A pitch
    // struck twice at once is played once.
    std::map<uint8_t, size_t> lastOfPitch;
    std::vector<bool> dropped(notes.size(), false);
    for (size_t i = 0; i < notes.size(); ++i) {
        auto it = lastOfPitch.find(notes[i].pitch);
        if (it != lastOfPitch.end()) {
            PlacedNote &prev = notes[it->second];
            if (prev.on == notes[i].on) {
                dropped[i] = true;
                continue;
            }
            prev.off = std::min(prev.off, notes[i].on);
        }
        lastOfPitch[notes[i].pitch] = i;
    }

    struct Timed {
        uint32_t time;
        int rank;  // at one instant: releases first, then program changes and strikes in note order
        uint32_t order;
        take_file::Record record;
    };
    std::vector<Timed> events;
    int currentProgram = -1;
    uint32_t order = 0;
    if (!notes.empty()) {
        // The loop is measured from the first record, so the opening program change sits at time 0.
        currentProgram = notes.front().program;
        events.push_back(
            {0, 1, order++, {0, uint8_t(0xC0 | notes.front().channel), notes.front().program, 0}});
    }
    for (size_t i = 0; i < notes.size(); ++i) {
        if (dropped[i]) continue;
        const PlacedNote &n = notes[i];
        if (n.program != currentProgram) {
            events.push_back({n.on, 1, order++, {0, uint8_t(0xC0 | n.channel), n.program, 0}});
            currentProgram = n.program;
        }
        events.push_back({n.on, 1, order++, {0, uint8_t(0x90 | n.channel), n.pitch, n.velocity}});
        events.push_back({n.off, 0, order++, {0, uint8_t(0x80 | n.channel), n.pitch, 0}});
    }
    if (std::none_of(events.begin(), events.end(), [loop](const Timed &t) { return t.time == loop; })) {
        // Nothing ends exactly at the loop's end: a release of a silent pitch carries the last wait.
        events.push_back({loop, 0, order++, {0, 0x80, 0, 0}});
    }
    std::stable_sort(events.begin(), events.end(), [](const Timed &a, const Timed &b) {
        if (a.time != b.time) return a.time < b.time;
        if (a.rank != b.rank) return a.rank < b.rank;
        return a.order < b.order;
    });
    std::vector<take_file::Record> records;
    uint32_t previous = 0;
    for (const Timed &t : events) {
        take_file::Record r = t.record;
        r.delta = t.time - previous;
        previous = t.time;
        records.push_back(r);
    }
    return records;
}
