#pragma once
// A fresh installation directory for the real program: the shipped skin and bitmaps and a copy of the
// engine (a copy per installation, so every window loads an engine of its own), recorded as installed,
// with the engine's device calls going to a capture file.
#include <QString>

struct TestInstall {
    // Everything goes under `root`; false when a file could not be put in place.
    bool create(const QString &root);
    QString installDir;
    QString capturePath;
};
