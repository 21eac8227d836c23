#include "midi_input_choice.h"

namespace {

const QString kAuto = QStringLiteral("auto");
const QString kNone = QStringLiteral("none");
constexpr int kNameSize = 256;

}  // namespace

MidiInputChoice MidiInputChoice::fromSetting(const QString &text) {
    if (text.isEmpty() || text == kAuto) return {};
    if (text == kNone) return {Kind::Off, {}};
    return {Kind::Source, text};
}

QString MidiInputChoice::toSetting() const {
    switch (kind) {
        case Kind::AllKeyboards:
            return kAuto;
        case Kind::Off:
            return kNone;
        case Kind::Source:
            return source;
    }
    return kAuto;
}

namespace MidiInput {

void apply(const EngineBinding &engine, const MidiInputChoice &choice) {
    if (!engine.selectMidiInput) return;
    switch (choice.kind) {
        case MidiInputChoice::Kind::AllKeyboards:
            engine.selectMidiInput(NW_MIDI_IN_AUTO, "");
            break;
        case MidiInputChoice::Kind::Off:
            engine.selectMidiInput(NW_MIDI_IN_NONE, "");
            break;
        case MidiInputChoice::Kind::Source:
            engine.selectMidiInput(NW_MIDI_IN_SOURCE, choice.source.toUtf8().constData());
            break;
    }
}

QStringList sources(const EngineBinding &engine) {
    QStringList out;
    if (!engine.midiInputSourceCount || !engine.midiInputSourceName) return out;
    const int count = engine.midiInputSourceCount();
    char name[kNameSize];
    for (int i = 0; i < count; ++i)
        if (engine.midiInputSourceName(i, name, kNameSize) == 1) out << QString::fromUtf8(name);
    return out;
}

}  // namespace MidiInput
