#pragma once

#include "layout_scale.h"

#include <QRect>
#include <array>

// Geometry of the five-octave on-screen keyboard (60 slots: 35 white and 25 black keys), in the normal
// layout and mapped into the enlarged one. The keyboard pictures and the key pictures are drawn from
// these tables so that a key picture placed at its slot's drawing position covers exactly that key.
namespace keyboard_geometry {

inline constexpr int kSlots = 60;
inline constexpr int kWhiteKeys = 35;
inline constexpr int kBlackKeys = 25;

// Normal-layout constants.
inline constexpr int kWhiteWidth = 12;
inline constexpr int kBlackWidth = 8;
inline constexpr int kBlackHeight = 46;
inline constexpr int kWidth = 421;
inline constexpr int kHeight = 75;

extern const std::array<int, kWhiteKeys> kWhiteSlots;
extern const std::array<int, kBlackKeys> kBlackLefts;  // hit-test left edges
extern const std::array<int, kBlackKeys> kBlackSlots;
extern const std::array<int, kSlots> kDrawX;  // drawing position of slot 1..60 (index slot - 1)

enum class KeyShape { WhiteBlackRight = 1, WhiteBetween = 2, WhiteBlackLeft = 3, Black = 4 };

KeyShape ShapeOfSlot(int slot);
bool IsBlack(int slot);

// Sizes in a layout. The enlarged keyboard image is one pixel wider than the scaled width, as the
// program widens its keyboard control by one pixel when it enlarges.
int WhiteWidth(LayoutScale s);
int BlackWidth(LayoutScale s);
int BlackHeight(LayoutScale s);
QSize KeyboardSize(LayoutScale s);
int DrawX(LayoutScale s, int slot);

// Pixels of the keyboard picture that belong to a slot's key, which a lit picture may change.
// White key i spans WhiteWidth columns from i * WhiteWidth; its first column is the separator line.
int WhiteIndexOfSlot(int slot);           // -1 for black slots
int SlotAt(LayoutScale s, int x, int y);  // owning slot of a pixel (black keys on top); 0 for none
bool IsSeparator(LayoutScale s, int x);

// Rectangle a key picture of the slot covers when drawn at its drawing position.
QRect PictureRect(LayoutScale s, int slot);
// A slot whose picture stands for every key of the shape (the picture is cut around it).
int RepresentativeSlot(KeyShape shape);

}  // namespace keyboard_geometry
