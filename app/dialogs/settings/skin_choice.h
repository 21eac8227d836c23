#pragma once

#include <QString>
#include <array>

struct Program;

// Choosing the skin library and restoring the default pictures, apart from any widget.
namespace SkinChoice {

extern const char *const kNotASkinMessage;

// The loose pictures that override the skin's bitmaps, and the two dialog backgrounds, in the order the
// defaults remove them.
inline constexpr std::array<const char *, 19> kLoosePictures = {
    "Piano.bmp", "51.bmp",  "52.bmp",  "53.bmp",    "54.bmp",  "56.bmp", "57.bmp",
    "58.bmp",    "21.bmp",  "22.bmp",  "23.bmp",    "24.bmp",  "25.bmp", "26.bmp",
    "27.bmp",    "261.bmp", "262.bmp", "Back1.bmp", "Back.bmp"};

// Makes the file the skin library when it holds the background bitmap "B0", and records it as
// RESDPath. Otherwise tells the user and keeps the library in use: the old one is released only once the
// new one has been accepted. True when the file was taken.
bool useSkinLibrary(Program &program, const QString &path);

// Reloads the main window's skin pictures and, in the enlarged layout, puts its own pictures back. A
// bitmap the skin lacks is reported instead of ending the program.
void reloadSkinPictures(Program &program);

// Removes the loose pictures from the installation folder, clears RESDPath, stores the mapper as the
// device, goes back to the shipped skin and reloads the pictures.
void restoreDefaults(Program &program);

}  // namespace SkinChoice
