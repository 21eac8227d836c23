#include "styles.h"

#include "pattern_builder.h"

#include <array>
#include <functional>

// Tempos: the player waits delta * 20 / (speed + 2) ms between records, and the tempo slider's default
// place gives speed 2, so one unit lasts 5 ms by default (4 ms at speed 3, the recorded pace). Step
// lengths below are chosen for musical tempos at the default place; the slider then goes from half
// that tempo to about twice it.
//
// Velocities: the player scales each velocity as (v / 10) * s, where the accompaniment volume slider
// gives s = 8 at its default place and 10 at most, so the strongest accents stay at 120 and below.
//
// Everything plays on the accompaniment channel with the pattern's current program, so drums are played
// by pitched percussion voices (taiko, synth drum, woodblock...) with their own program changes, and
// each pattern keeps at most 91 strikes per loop (the player's note ring holds 91 sounding notes).

namespace {

// General MIDI programs (numbered from 0).
enum Program : int {
    kPiano = 0,
    kElectricPiano = 4,
    kVibraphone = 11,
    kMarimba = 12,
    kOrgan = 16,
    kNylonGuitar = 24,
    kCleanGuitar = 27,
    kOverdriveGuitar = 29,
    kAcousticBass = 32,
    kFingerBass = 33,
    kSynthBass = 38,
    kHarp = 46,
    kStrings = 48,
    kTuba = 58,
    kBrass = 61,
    kWoodblock = 115,
    kTaiko = 116,
    kMelodicTom = 117,
    kSynthDrum = 118,
};

// Channels the parts are written on (the player moves them all to the accompaniment channel).
constexpr int kDrums = 9, kBass = 1, kHarmony = 2, kLead = 3;

// Percussion voices: program and pitch.
void Kick(PatternBuilder &b, double step, int v) {
    b.Note(step, 1, 40, v, kTaiko, kDrums, 1.0);
}
void Snare(PatternBuilder &b, double step, int v) {
    b.Note(step, 1, 62, v, kSynthDrum, kDrums, 1.0);
}
void Hat(PatternBuilder &b, double step, int v) {
    b.Note(step, 0.5, 86, v, kWoodblock, kDrums, 1.0);
}
void Clave(PatternBuilder &b, double step, int v) {
    b.Note(step, 0.5, 77, v, kWoodblock, kDrums, 1.0);
}
void Tom(PatternBuilder &b, double step, int pitch, int v) {
    b.Note(step, 1, pitch, v, kMelodicTom, kDrums, 1.0);
}

// Pitches.
constexpr int C2 = 36, D2 = 38, E2 = 40, F2 = 41, G2 = 43, A2 = 45, B2 = 47;
constexpr int A1 = 33, G1 = 31, F1 = 29, B1 = 35, Ab2 = 44, Db2 = 37, Eb2 = 39;
constexpr int C3 = 48, D3 = 50, E3 = 52, F3 = 53, G3 = 55, A3 = 57, B3 = 59;
constexpr int C4 = 60, D4 = 62, E4 = 64, F4 = 65, G4 = 67, A4 = 69, B4 = 71;
constexpr int C5 = 72, D5 = 74, E5 = 76, F5 = 77, G5 = 79, A5 = 81;
constexpr int Bb3 = 58, Eb4 = 63;

ShippedPattern Make(std::string name, uint32_t stepUnits, int stepsPerBar, int bars,
                    const std::function<void(PatternBuilder &)> &compose) {
    PatternBuilder b(stepUnits);
    compose(b);
    const uint32_t loopSteps = uint32_t(stepsPerBar * bars);
    return {std::move(name), loopSteps * stepUnits, bars, b.Build(loopSteps)};
}

// Pop, 4/4 at about 96 beats a minute on a sixteenth grid: kick, snare, eighth-note ticks, a root bass
// and electric piano stabs over C and A minor.
ShippedPattern Pop() {
    return Make("流行节奏.tkb", 31, 16, 2, [](PatternBuilder &b) {
        for (int bar = 0; bar < 2; ++bar) {
            const int o = bar * 16;
            for (int s = 0; s < 16; s += 2)
                Hat(b, o + s, s % 4 == 0 ? 80 : 60);
            Kick(b, o + 0, 118);
            Kick(b, o + 7, 90);
            Kick(b, o + 10, 105);
            Snare(b, o + 4, 110);
            Snare(b, o + 12, 110);
            const int root = bar == 0 ? C2 : A2 - 12;
            b.Note(o + 0, 3, root, 105, kFingerBass, kBass);
            b.Note(o + 3, 1, root, 80, kFingerBass, kBass);
            b.Note(o + 6, 2, root + 7, 90, kFingerBass, kBass);
            b.Note(o + 10, 2, root + 12, 95, kFingerBass, kBass);
            b.Note(o + 14, 2, root + 7, 85, kFingerBass, kBass);
            const auto chord = bar == 0 ? std::vector<int>{E4, G4, C5} : std::vector<int>{E4, A4, C5};
            b.Chord(o + 4, 2, chord, 80, kElectricPiano, kHarmony);
            b.Chord(o + 12, 3, chord, 80, kElectricPiano, kHarmony);
        }
    });
}

// Rock, 4/4 at about 115: driving eighth-note bass and power chords over A-G-F-G, and a tom fill at the end.
ShippedPattern Rock() {
    return Make("摇滚.tkb", 26, 16, 2, [](PatternBuilder &b) {
        const std::array<int, 4> roots = {A1, G1, F1, G1};  // one per half bar
        for (int bar = 0; bar < 2; ++bar) {
            const int o = bar * 16;
            for (int s = 0; s < 16; s += 2)
                if (bar == 0 || s < 12) Hat(b, o + s, s % 4 == 0 ? 85 : 65);
            Kick(b, o + 0, 120);
            Kick(b, o + 8, 115);
            Kick(b, o + 10, 100);
            Snare(b, o + 4, 118);
            if (bar == 0) Snare(b, o + 12, 118);
            for (int half = 0; half < 2; ++half) {
                const int h = o + half * 8;
                const int root = roots[bar * 2 + half];
                for (int s = 0; s < 8; s += 2)
                    b.Note(h + s, 2, root, s % 4 == 0 ? 105 : 85, kFingerBass, kBass, 0.8);
                b.Chord(h, 5, {root + 12, root + 19, root + 24}, 90, kOverdriveGuitar, kHarmony);
                b.Chord(h + 6, 2, {root + 12, root + 19, root + 24}, 80, kOverdriveGuitar, kHarmony);
            }
        }
        // Fill on the last beat.
        Tom(b, 28, 57, 110);
        Tom(b, 29, 55, 105);
        Tom(b, 30, 52, 110);
        Tom(b, 31, 48, 115);
    });
}

// Disco, 4/4 at about 120: four on the floor, open ticks on the off-beats, octave bass and string chords.
ShippedPattern Disco() {
    return Make("迪斯科.tkb", 25, 16, 2, [](PatternBuilder &b) {
        for (int bar = 0; bar < 2; ++bar) {
            const int o = bar * 16;
            for (int beat = 0; beat < 4; ++beat) {
                Kick(b, o + beat * 4, 118);
                Hat(b, o + beat * 4 + 2, 88);
            }
            Snare(b, o + 4, 100);
            Snare(b, o + 12, 100);
            const int root = bar == 0 ? A2 - 12 : D2;
            for (int s = 0; s < 16; s += 2)
                b.Note(o + s, 1, s % 4 == 0 ? root : root + 12, 100, kSynthBass, kBass, 0.8);
            const auto chord = bar == 0 ? std::vector<int>{A3, C4, E4} : std::vector<int>{A3, D4, F4};
            b.Chord(o + 2, 2, chord, 70, kStrings, kHarmony);
            b.Chord(o + 6, 2, chord, 70, kStrings, kHarmony);
            b.Chord(o + 10, 5, chord, 75, kStrings, kHarmony);
        }
    });
}

// Waltz, 3/4 at about 160 (eighth grid): bass on one, chords on two and three, over C and G7.
ShippedPattern Waltz() {
    return Make("华尔兹.tkb", 37, 6, 4, [](PatternBuilder &b) {
        const std::array<int, 4> roots = {C2, G2 - 12, G2 - 12, C2};
        for (int bar = 0; bar < 4; ++bar) {
            const int o = bar * 6;
            const bool tonic = roots[bar] == C2;
            b.Note(o, 2, roots[bar], 105, kAcousticBass, kBass);
            const auto chord = tonic ? std::vector<int>{E4, G4, C5} : std::vector<int>{F4, G4, B4};
            b.Chord(o + 2, 2, chord, 70, kPiano, kHarmony, 0.8);
            b.Chord(o + 4, 2, chord, 62, kPiano, kHarmony, 0.8);
        }
    });
}

// March, 2/4 at about 110: tuba on the beats, brass chords on the off-beats and a snare figure.
ShippedPattern March() {
    return Make("进行曲.tkb", 27, 8, 4, [](PatternBuilder &b) {
        const std::array<int, 4> roots = {C2, G2 - 12, C2, G2 - 12};
        for (int bar = 0; bar < 4; ++bar) {
            const int o = bar * 8;
            const int root = roots[bar];
            b.Note(o, 3, root, 110, kTuba, kBass);
            b.Note(o + 4, 3, root + 7, 100, kTuba, kBass);
            const auto chord = root == C2 ? std::vector<int>{E4, G4, C5} : std::vector<int>{D4, G4, B4};
            b.Chord(o + 2, 1.5, chord, 85, kBrass, kHarmony, 0.8);
            b.Chord(o + 6, 1.5, chord, 85, kBrass, kHarmony, 0.8);
            Kick(b, o, 100);
            Snare(b, o + 2, 90);
            Snare(b, o + 3, 70);
            Snare(b, o + 6, 95);
        }
        // Snare roll into the repeat.
        Snare(b, 29, 80);
        Snare(b, 30, 90);
        Snare(b, 31, 105);
    });
}

// Bossa nova, 4/4 at about 130 (felt in two): nylon guitar on the syncopated comping figure, root and
// fifth in the bass, and the clave on a woodblock, over Cmaj7 and Dm7-G7.
ShippedPattern Bossa() {
    return Make("波萨诺瓦.tkb", 23, 16, 2, [](PatternBuilder &b) {
        // Bossa clave: three strokes in the first bar, two in the second.
        for (int s : {0, 6, 12, 20, 26})
            Clave(b, s, 80);
        for (int bar = 0; bar < 2; ++bar) {
            const int o = bar * 16;
            const int root = bar == 0 ? C2 : D2;
            const int second = bar == 0 ? C2 : G2 - 12;
            b.Note(o + 0, 3, root, 100, kAcousticBass, kBass);
            b.Note(o + 3, 5, root + 7, 85, kAcousticBass, kBass);
            b.Note(o + 8, 3, second, 100, kAcousticBass, kBass);
            b.Note(o + 11, 5, second + 7, 85, kAcousticBass, kBass);
            const auto first = bar == 0 ? std::vector<int>{E3, B3, E4, G4} : std::vector<int>{F3, C4, F4, A4};
            const auto later = bar == 0 ? std::vector<int>{E3, B3, E4, G4} : std::vector<int>{F3, B3, D4, G4};
            b.Chord(o + 0, 2, first, 72, kNylonGuitar, kHarmony);
            b.Chord(o + 3, 2, first, 66, kNylonGuitar, kHarmony);
            b.Chord(o + 6, 3, first, 70, kNylonGuitar, kHarmony);
            b.Chord(o + 10, 2, later, 66, kNylonGuitar, kHarmony);
            b.Chord(o + 13, 3, later, 70, kNylonGuitar, kHarmony);
        }
    });
}

// Swing, 4/4 at about 140 on a triplet grid: walking bass, a ride figure on the woodblock and piano shells on
// two and four, over C6-Am7-Dm7-G7.
ShippedPattern Swing() {
    return Make("爵士摇摆.tkb", 28, 12, 4, [](PatternBuilder &b) {
        // Each bar's last note leads chromatically or by step into the next root.
        const std::array<std::array<int, 4>, 4> walk = {
            {{C2, E2, G2, B1}, {A1, C2, E2, Eb2}, {D2, F2, A2, Ab2}, {G1, B1, D2, Db2}}};
        const std::array<std::vector<int>, 4> shells = {
            std::vector<int>{E4, A4, C5}, {E4, G4, C5}, {F4, A4, C5}, {F4, B4, D5}};
        for (int bar = 0; bar < 4; ++bar) {
            const int o = bar * 12;
            for (int beat = 0; beat < 4; ++beat)
                b.Note(o + beat * 3, 3, walk[bar][beat], 100, kAcousticBass, kBass, 0.85);
            // Ride: ding, ding-a, ding, ding-a.
            for (int beat = 0; beat < 4; ++beat) {
                Hat(b, o + beat * 3, beat % 2 ? 85 : 70);
                if (beat % 2) Hat(b, o + beat * 3 + 2, 60);
            }
            b.Chord(o + 3, 2, shells[bar], 70, kPiano, kHarmony, 0.7);
            b.Chord(o + 9 + (bar % 2 ? 2 : 0), 2, shells[bar], 66, kPiano, kHarmony, 0.7);
        }
    });
}

// Blues shuffle, 4/4 at about 100 on a triplet grid: a boogie line on the piano and organ chords on two
// and four, over C7 and F7.
ShippedPattern Blues() {
    return Make("布鲁斯.tkb", 40, 12, 2, [](PatternBuilder &b) {
        for (int bar = 0; bar < 2; ++bar) {
            const int o = bar * 12;
            const int r = bar == 0 ? C2 : F2;
            const std::array<int, 8> line = {r, r + 4, r + 7, r + 9, r + 10, r + 9, r + 7, r + 4};
            for (int i = 0; i < 8; ++i) {
                const int step = o + (i / 2) * 3 + (i % 2 ? 2 : 0);
                b.Note(step, i % 2 ? 1 : 2, line[i], i % 2 ? 85 : 105, kPiano, kBass, 0.9);
            }
            const auto chord = bar == 0 ? std::vector<int>{E4, G4, Bb3 + 12} : std::vector<int>{Eb4, F4, A4};
            b.Chord(o + 3, 2, chord, 75, kOrgan, kHarmony, 0.8);
            b.Chord(o + 9, 2, chord, 75, kOrgan, kHarmony, 0.8);
            Kick(b, o, 100);
            Kick(b, o + 6, 95);
            Snare(b, o + 3, 95);
            Snare(b, o + 9, 95);
        }
    });
}

// Ballad, 4/4 at about 72: a piano arpeggio in eighths with a soft string pad, over C-Am-F-G.
ShippedPattern Ballad() {
    return Make("抒情钢琴.tkb", 41, 16, 4, [](PatternBuilder &b) {
        const std::array<int, 4> roots = {C3, A2, F2, G2};
        const std::array<std::array<int, 3>, 4> triads = {
            {{C4, E4, G4}, {C4, E4, A4}, {C4, F4, A4}, {B3, D4, G4}}};
        for (int bar = 0; bar < 4; ++bar) {
            const int o = bar * 16;
            const int r = roots[bar];
            const std::array<int, 8> arp = {
                r,    r + 7, triads[bar][0], triads[bar][1], triads[bar][2], triads[bar][1], triads[bar][0],
                r + 7};
            for (int i = 0; i < 8; ++i)
                b.Note(o + i * 2, i == 0 ? 8 : 3, arp[i], i == 0 ? 95 : 72, kPiano, kHarmony, 1.0);
            b.Note(o, 16, r - 12, 85, kAcousticBass, kBass, 0.95);
            b.Chord(o, 16, {triads[bar][0] + 12, triads[bar][2] + 12}, 60, kStrings, kLead, 0.97);
        }
    });
}

// Rumba, 4/4 at about 120: a marimba montuno, tumbao bass, clave and tom congas, over C and G7.
ShippedPattern Rumba() {
    return Make("拉丁伦巴.tkb", 25, 16, 2, [](PatternBuilder &b) {
        // Rumba clave, three-two.
        for (int s : {0, 6, 11, 20, 24})
            Clave(b, s, 85);
        for (int bar = 0; bar < 2; ++bar) {
            const int o = bar * 16;
            Tom(b, o + 6, 57, 90);
            Tom(b, o + 7, 57, 75);
            Tom(b, o + 14, 52, 100);
            Tom(b, o + 15, 52, 90);
            const int root = bar == 0 ? C2 : G2 - 12;
            b.Note(o + 3, 4, root + 7, 100, kFingerBass, kBass);
            b.Note(o + 7, 1, root, 90, kFingerBass, kBass);
            b.Note(o + 8, 3, root, 100, kFingerBass, kBass);
            b.Note(o + 11, 5, root + 7, 95, kFingerBass, kBass);
            const std::array<int, 8> montuno = bar == 0 ? std::array<int, 8>{C5, G4, E5, G4, C5, E5, G4, E5}
                                                        : std::array<int, 8>{B4, G4, D5, F4, B4, D5, F4, D5};
            for (int i = 0; i < 8; ++i)
                b.Note(o + i * 2 + (i % 2), 1, montuno[i], i % 2 ? 80 : 92, kMarimba, kLead, 0.9);
        }
    });
}

// Harp arpeggios, 4/4 at about 85: sixteenths rising and falling through C-Am-F-G.
ShippedPattern HarpArpeggio() {
    return Make("竖琴琶音.tkb", 35, 16, 4, [](PatternBuilder &b) {
        const std::array<std::array<int, 4>, 4> chords = {
            {{C3, G3, C4, E4}, {A2, E3, A3, C4}, {F2, C3, F3, A3}, {G2, D3 + 0, G3, B3}}};
        for (int bar = 0; bar < 4; ++bar) {
            const int o = bar * 16;
            const auto &c = chords[bar];
            const std::array<int, 16> run = {c[0],      c[1],      c[2],      c[3],      c[1] + 12, c[2] + 12,
                                             c[3] + 12, c[2] + 24, c[3] + 24, c[2] + 24, c[3] + 12, c[2] + 12,
                                             c[1] + 12, c[3],      c[2],      c[1]};
            for (int i = 0; i < 16; ++i)
                b.Note(o + i, i == 0 ? 8 : 3, run[i], i % 4 == 0 ? 95 : 75, kHarp, kHarmony, 1.0);
        }
    });
}

}  // namespace

std::vector<ShippedPattern> ShippedPatterns() {
    return {Pop(),   Rock(),  Disco(),  Waltz(), March(),       Bossa(),
            Swing(), Blues(), Ballad(), Rumba(), HarpArpeggio()};
}
