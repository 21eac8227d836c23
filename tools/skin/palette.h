#pragma once

#include <QColor>

// Colours of the default skin: a dark graphite body, a backlit green display and green accents.
namespace palette {

inline const QColor kBodyTop{0x2a, 0x2e, 0x34};
inline const QColor kBodyBottom{0x17, 0x19, 0x1d};
inline const QColor kSection{0x22, 0x25, 0x2b};
inline const QColor kSectionEdgeLight{0x3a, 0x3f, 0x47};
inline const QColor kSectionEdgeDark{0x0e, 0x10, 0x13};
// Flat colour under every button, so the corners of button pictures blend in whether or not the
// program treats a picture's corner colour as transparent.
inline const QColor kButtonBed{0x14, 0x16, 0x1a};

inline const QColor kLcdTop{0xb4, 0xe0, 0x8f};
inline const QColor kLcdBottom{0x8d, 0xc4, 0x6a};
inline const QColor kLcdInk{0x1d, 0x33, 0x14};
inline const QColor kLcdBezel{0x0a, 0x0b, 0x0d};

inline const QColor kGlyph{0xe6, 0xea, 0xee};
inline const QColor kGlyphDisabled{0x62, 0x67, 0x6f};
inline const QColor kLabel{0x9a, 0xa1, 0xab};
inline const QColor kAccent{0x5c, 0xd6, 0x8a};
inline const QColor kAccentDark{0x1f, 0x7a, 0x4a};
inline const QColor kRecord{0xe5, 0x48, 0x4d};
inline const QColor kAmber{0xff, 0xb3, 0x3b};

inline const QColor kLedOff{0x2b, 0x31, 0x2c};
inline const QColor kLedRim{0x0b, 0x0c, 0x0e};

}  // namespace palette
