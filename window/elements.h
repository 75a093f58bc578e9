#pragma once

// The board drawing as data: every drawn element of the window, front to back.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvex {

/// Where a drawn part takes its colour from: a fixed 0xBBGGRR value or a system colour role.
enum class ColourRole : std::uint8_t {
    None,            ///< not painted: an unfilled shape, a transparent label, no border
    Fixed,           ///< the element's own 0xBBGGRR value
    WindowText,      ///< outlines and lines
    ButtonText,      ///< text of the front-panel and pin-number captions
    TitleBarText,    ///< box behind some black-on-white captions
    HighlightedText, ///< box behind the red help captions
};

/// A colour as the board's tables give it.
struct Colour {
    ColourRole role = ColourRole::None;
    std::uint32_t bgr = 0; ///< 0xBBGGRR, used only when role is Fixed
};

constexpr Colour fixed(std::uint32_t bgr) { return {ColourRole::Fixed, bgr}; }
inline constexpr Colour kNoColour{ColourRole::None, 0};
inline constexpr Colour kWindowText{ColourRole::WindowText, 0};
inline constexpr Colour kButtonText{ColourRole::ButtonText, 0};
inline constexpr Colour kTitleBarText{ColourRole::TitleBarText, 0};
inline constexpr Colour kHighlightedText{ColourRole::HighlightedText, 0};

enum class ElementKind : std::uint8_t {
    Square,           ///< pin mark of the square kind
    Rectangle,        ///< plain rectangle (chips, slots, front-panel pins, pin marks)
    RoundedRectangle, ///< the legend box
    Line,
    Label,
    Picture,          ///< picture frame: optional single border, optional picture
};

/// The fonts of the drawing. Sizes are points of the 96-dpi design.
enum class FontId : std::uint8_t {
    Window,       ///< "Bookman Old Style" 8.25, regular: the window's font
    WindowBold,   ///< "Bookman Old Style" 8.25, bold
    Title,        ///< "Bookman Old Style" 9, regular
    SansSerif,    ///< "MS Sans Serif" 8.25, regular
    TimesRoman,   ///< "Times New Roman" 8.25, regular
    SmallSerif,   ///< "MS Serif" 6, regular
};

enum class Align : std::uint8_t { Left, Centre };

enum class PictureId : std::uint8_t { None, Socket };

/// One drawn element. Places and sizes are twips from the top-left corner of the drawing area.
struct Element {
    std::string_view name;
    ElementKind kind = ElementKind::Rectangle;
    int left = 0, top = 0, width = 0, height = 0; ///< box of shapes, labels and pictures
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;           ///< end points of a line
    Colour outline;   ///< shape outline, line colour, picture border
    Colour fill;      ///< shape fill (at creation, for pin marks); label background
    std::string_view caption;
    FontId font = FontId::Window;
    Align align = Align::Left;
    Colour text;      ///< label text colour
    std::string_view tooltip;
    PictureId picture = PictureId::None;
};

/// Number of drawn elements (the three controls of the window are widgets, not in the table).
inline constexpr std::size_t kElementCount = 136;

/// Every drawn element, front-most first: paint from the back, hit-test from the front.
extern const std::array<Element, kElementCount> kElements;

} // namespace orvex
