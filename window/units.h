#pragma once

// The two conversions of the drawing: twips to design pixels, 0xBBGGRR to QColor.

#include "elements.h"

#include <QColor>
#include <QPalette>
#include <QRect>

namespace orvex {

/// Twips per pixel of the 96-dpi design.
inline constexpr double kTwipsPerPixel = 15.0;

/// Size of the drawing area in twips and in design pixels.
inline constexpr int kAreaWidthTwips = 7950;
inline constexpr int kAreaHeightTwips = 6885;
inline constexpr int kAreaWidth = 530;
inline constexpr int kAreaHeight = 459;
static_assert(kAreaWidth * kTwipsPerPixel == kAreaWidthTwips);
static_assert(kAreaHeight * kTwipsPerPixel == kAreaHeightTwips);

/// The design pixel a twips coordinate falls on, rounded to the nearest: the one place twips
/// become pixels. Rounding each edge (not the width) keeps neighbours that share an outline
/// sharing one pixel.
constexpr int twipsToPixel(int twips)
{
    return twips >= 0 ? (2 * twips + int(kTwipsPerPixel)) / (2 * int(kTwipsPerPixel))
                      : -twipsToPixel(-twips);
}

/// A box given in twips (left, top, width, height) in whole design pixels.
inline QRect twipsBox(int left, int top, int width, int height)
{
    const int x = twipsToPixel(left);
    const int y = twipsToPixel(top);
    return QRect(x, y, twipsToPixel(left + width) - x, twipsToPixel(top + height) - y);
}

/// 0xBBGGRR: red in the low byte, so 0x0000FF is red and 0x008080 olive.
constexpr QColor fromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

/// The palette role that stands for each system colour of the drawing.
///  - window text: QPalette::WindowText
///  - button text: QPalette::ButtonText
///  - title-bar text: QPalette::Base. Qt has no title-bar role; Base is white under the
///    standard scheme, like the title-bar text these boxes were designed with, and it
///    contrasts with ButtonText in any readable scheme, so the captions on it stay legible.
///  - highlighted text: QPalette::HighlightedText
QPalette::ColorRole paletteRole(ColourRole role);

/// The colour a drawn part takes under `palette`; invalid for ColourRole::None.
QColor resolve(const Colour& colour, const QPalette& palette);

} // namespace orvex
