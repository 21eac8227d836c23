#pragma once
// Which MIDI input the program listens to: every keyboard (the default), none, or one source by name,
// as stored under Set/MidiIn and as handed to the engine.
#include <QString>
#include <QStringList>

#include "engine_binding.h"

struct MidiInputChoice {
    enum class Kind { AllKeyboards, Off, Source };
    Kind kind = Kind::AllKeyboards;
    QString source;  // for Kind::Source

    // The stored text: "auto", "none" or the source's name; a missing value is every keyboard.
    static MidiInputChoice fromSetting(const QString &text);
    QString toSetting() const;
    bool operator==(const MidiInputChoice &) const = default;
};

namespace MidiInput {

// Opens the engine's input port as chosen (an engine without input is left as it is).
void apply(const EngineBinding &engine, const MidiInputChoice &choice);
// The sources the engine sees now, by name.
QStringList sources(const EngineBinding &engine);

}  // namespace MidiInput
