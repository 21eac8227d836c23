#pragma once

#include <QUrl>
#include <functional>

struct Program;

// The help page "Help/PianoHlp.htm" of the installation folder, opened in the desktop's viewer.
namespace HelpPage {

extern const char *const kMissingMessage;

// Opens the page; tells the user when it is missing. True when the page was handed to the viewer.
bool open(Program &program);

// What hands a page to the viewer (the desktop's default); tests put their own in its place.
using Opener = std::function<bool(const QUrl &)>;
void setOpener(Opener opener);

}  // namespace HelpPage
