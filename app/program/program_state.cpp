#include "program_state.h"

ProgramPaths ProgramPaths::under(const QString &installDir) {
    ProgramPaths p;
    p.installDir = installDir;
    const QString d = installDir + "/";
    p.settingsFile = d + "Piano";
    p.keyFile = d + "Key";
    p.songListFile = d + "Files";
    p.accompListFile = d + "TkbFile";
    p.functionBackground = d + "Back.bmp";
    p.settingsBackground = d + "Back1.bmp";
    p.helpPage = d + "Help/PianoHlp.htm";
    p.accompFolder = d + QStringLiteral("伴奏/");
    return p;
}
