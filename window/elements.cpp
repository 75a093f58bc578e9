#include "elements.h"

namespace orvex {

namespace {

// Both cache chips carry the same help text.
constexpr std::string_view kCacheChipHelp =
    "It is a 256K Pipeline Burst Cache chip.  512K will be marked 64 x 32 on the chip.";

} // namespace

// Front-most first. Members a row leaves out keep their defaults (no colour, no text, no picture).
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif
constexpr std::array<Element, kElementCount> kElements = {
    // Legend: captions, equals strokes, samples and the box behind them.
    Element{.name = "Label37", .kind = ElementKind::Label, .left = 840, .top = 6480, .width = 510, .height = 225,
            .fill = kTitleBarText, .caption = "OPEN", .font = FontId::Window, .align = Align::Left,
            .text = kButtonText},
    Element{.name = "Label33", .kind = ElementKind::Label, .left = 840, .top = 6120, .width = 585, .height = 225,
            .fill = kTitleBarText, .caption = "CLOSE", .font = FontId::Window, .align = Align::Left,
            .text = kButtonText},
    Element{.name = "Line10", .kind = ElementKind::Line, .x1 = 600, .y1 = 6635, .x2 = 720, .y2 = 6635,
            .outline = kWindowText},
    Element{.name = "Line9", .kind = ElementKind::Line, .x1 = 600, .y1 = 6554, .x2 = 720, .y2 = 6554,
            .outline = kWindowText},
    Element{.name = "Line8", .kind = ElementKind::Line, .x1 = 600, .y1 = 6250, .x2 = 720, .y2 = 6250,
            .outline = kWindowText},
    Element{.name = "Line7", .kind = ElementKind::Line, .x1 = 600, .y1 = 6179, .x2 = 720, .y2 = 6179,
            .outline = kWindowText},
    Element{.name = "Shape44", .kind = ElementKind::Rectangle, .left = 360, .top = 6600, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "Shape43", .kind = ElementKind::Rectangle, .left = 360, .top = 6480, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "Shape42", .kind = ElementKind::Rectangle, .left = 360, .top = 6240, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0x404040)},
    Element{.name = "Shape41", .kind = ElementKind::Rectangle, .left = 360, .top = 6120, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0x404040)},
    Element{.name = "Shape40", .kind = ElementKind::RoundedRectangle, .left = 120, .top = 5895, .width = 1335,
            .height = 960, .outline = kWindowText, .fill = fixed(0xFFFFFF)},

    // JP9 row F: never recoloured, always open.
    Element{.name = "Shape39", .kind = ElementKind::Rectangle, .left = 5555, .top = 4560, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "Shape38", .kind = ElementKind::Rectangle, .left = 5555, .top = 4680, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},

    // JP1 pin numbers.
    Element{.name = "Label32", .kind = ElementKind::Label, .left = 6145, .top = 4680, .width = 60, .height = 150,
            .fill = kHighlightedText, .caption = "5", .font = FontId::SmallSerif, .align = Align::Left,
            .text = kButtonText},
    Element{.name = "Label28", .kind = ElementKind::Label, .left = 5650, .top = 4760, .width = 75, .height = 150,
            .fill = kHighlightedText, .caption = "1", .font = FontId::SmallSerif, .align = Align::Left,
            .text = kButtonText},
    Element{.name = "Label9", .kind = ElementKind::Label, .left = 6145, .top = 4440, .width = 75, .height = 150,
            .fill = kHighlightedText, .caption = "6", .font = FontId::SmallSerif, .align = Align::Left,
            .text = kButtonText},
    Element{.name = "Label27", .kind = ElementKind::Label, .left = 5760, .top = 4365, .width = 75, .height = 150,
            .fill = kHighlightedText, .caption = "2", .font = FontId::SmallSerif, .align = Align::Left,
            .text = kButtonText},

    // Memory socket captions, with help.
    Element{.name = "Label31", .kind = ElementKind::Label, .left = 360, .top = 1700, .width = 570, .height = 225,
            .fill = kHighlightedText, .caption = "SIMM4", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF),
            .tooltip = "Not recommand to use DIMM /SIMM together as it will shorten the life cycle of  3.3V DIMM. "},
    Element{.name = "Label30", .kind = ElementKind::Label, .left = 360, .top = 1490, .width = 570, .height = 225,
            .fill = kHighlightedText, .caption = "SIMM3", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF), .tooltip = "This motherboard will support DRAM size from 8MB to 512 MB ."},
    Element{.name = "Label29", .kind = ElementKind::Label, .left = 360, .top = 1280, .width = 570, .height = 225,
            .fill = kHighlightedText, .caption = "SIMM2", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF),
            .tooltip = "SIMM modules can be put on SIMM 1/2 or SIMM 3/4 or SIMM 1/2/3/4."},
    Element{.name = "Label26", .kind = ElementKind::Label, .left = 360, .top = 1050, .width = 570, .height = 225,
            .fill = kHighlightedText, .caption = "SIMM1", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF), .tooltip = "SIMM 1/2/3/4 are auto bank."},
    Element{.name = "Label22", .kind = ElementKind::Label, .left = 120, .top = 800, .width = 600, .height = 225,
            .fill = kHighlightedText, .caption = "DIMM1", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF), .tooltip = "SDRAM has to be 3.3V Non-buffer synchronize or 3.3V EDO."},

    // Optional front-panel jumpers, with help.
    Element{.name = "Label25", .kind = ElementKind::Label, .left = 6240, .top = 5160, .width = 930, .height = 225,
            .fill = kHighlightedText, .caption = "Green LED", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF), .tooltip = "An optional jumper for Green function."},
    Element{.name = "Label23", .kind = ElementKind::Label, .left = 4850, .top = 4850, .width = 705, .height = 225,
            .fill = kHighlightedText, .caption = "Ext_SMI", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF), .tooltip = "An optional jumper for Green feature. "},

    // Cache chip markings, JP10, BIOS and JP4 captions, with help.
    Element{.name = "Label14", .kind = ElementKind::Label, .left = 5900, .top = 2000, .width = 645, .height = 225,
            .fill = kHighlightedText, .caption = "32Kx32", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF), .tooltip = kCacheChipHelp},
    Element{.name = "Label12", .kind = ElementKind::Label, .left = 5890, .top = 1440, .width = 675, .height = 225,
            .fill = kHighlightedText, .caption = "32Kx32", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF), .tooltip = kCacheChipHelp},
    Element{.name = "Label10", .kind = ElementKind::Label, .left = 6660, .top = 1250, .width = 435, .height = 225,
            .fill = kHighlightedText, .caption = "JP10", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF), .tooltip = "Use for Cyrix CPU only."},
    Element{.name = "Label8", .kind = ElementKind::Label, .left = 300, .top = 4560, .width = 420, .height = 225,
            .fill = kHighlightedText, .caption = "BIOS", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF), .tooltip = "AWARD BIOS REV. 4.51PG. BREVANE BIOS REV. 3.01."},
    Element{.name = "Label7", .kind = ElementKind::Label, .left = 500, .top = 3450, .width = 330, .height = 225,
            .fill = kHighlightedText, .caption = "JP4", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x0000FF),
            .tooltip = "To clear CMOS , move the jumper to 2-3, power on for about 7 Sec. then off, put the jumper "
                       "back to 1-2."},

    // Jumper captions.
    Element{.name = "Label5", .kind = ElementKind::Label, .left = 4200, .top = 3480, .width = 330, .height = 225,
            .fill = kHighlightedText, .caption = "JP5", .font = FontId::Window, .align = Align::Centre,
            .text = fixed(0x000000)},
    Element{.name = "Label3", .kind = ElementKind::Label, .left = 6045, .top = 4850, .width = 855, .height = 225,
            .fill = kTitleBarText, .caption = "JP3/2/11", .font = FontId::Window, .align = Align::Left,
            .text = kButtonText},

    // JP11 (never recoloured) and the right-hand column of JP1.
    Element{.name = "v2jp11", .kind = ElementKind::Rectangle, .left = 6720, .top = 4560, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "v1jp11", .kind = ElementKind::Rectangle, .left = 6720, .top = 4680, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "v6jp1", .kind = ElementKind::Rectangle, .left = 6000, .top = 4560, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "v5jp1", .kind = ElementKind::Rectangle, .left = 6000, .top = 4710, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},

    // Leader line of the Ext_SMI pair.
    Element{.name = "Line5", .kind = ElementKind::Line, .x1 = 5760, .y1 = 5160, .x2 = 5400, .y2 = 5040,
            .outline = kWindowText},

    // Board outline: a border only.
    Element{.name = "Image1", .kind = ElementKind::Picture, .left = 0, .top = 630, .width = 7275, .height = 5175,
            .outline = kWindowText, .fill = kNoColour, .picture = PictureId::None},

    // JP9 rows A to E, with the row names above them.
    Element{.name = "Label4", .kind = ElementKind::Label, .left = 4710, .top = 4335, .width = 1005, .height = 195,
            .fill = kTitleBarText, .caption = "A/B/C/D/E/F", .font = FontId::SansSerif, .align = Align::Left,
            .text = kButtonText},
    Element{.name = "e2jp9", .kind = ElementKind::Rectangle, .left = 5400, .top = 4560, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "e1jp9", .kind = ElementKind::Rectangle, .left = 5400, .top = 4680, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "d2jp9", .kind = ElementKind::Rectangle, .left = 5250, .top = 4560, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "d1jp9", .kind = ElementKind::Rectangle, .left = 5250, .top = 4680, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "c2jp9", .kind = ElementKind::Rectangle, .left = 5100, .top = 4560, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "c1jp9", .kind = ElementKind::Rectangle, .left = 5100, .top = 4680, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "b2jp9", .kind = ElementKind::Rectangle, .left = 4950, .top = 4560, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "B1jp9", .kind = ElementKind::Rectangle, .left = 4950, .top = 4680, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "A2jp9", .kind = ElementKind::Rectangle, .left = 4800, .top = 4560, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},
    Element{.name = "A1jp9", .kind = ElementKind::Rectangle, .left = 4800, .top = 4680, .width = 135, .height = 135,
            .outline = kWindowText, .fill = fixed(0xFFFFFF)},

    // Chip outlines, unfilled: BIOS, cache, VT chips, SMC.
    Element{.name = "Shape37", .kind = ElementKind::Rectangle, .left = 315, .top = 4200, .width = 400, .height = 1065,
            .outline = kWindowText, .fill = kNoColour},
    Element{.name = "Shape36", .kind = ElementKind::Rectangle, .left = 5880, .top = 1890, .width = 700, .height = 435,
            .outline = kWindowText, .fill = kNoColour},
    Element{.name = "Shape35", .kind = ElementKind::Rectangle, .left = 5880, .top = 1365, .width = 700, .height = 435,
            .outline = kWindowText, .fill = kNoColour},
    Element{.name = "Shape34", .kind = ElementKind::Rectangle, .left = 5145, .top = 1890, .width = 645, .height = 435,
            .outline = kWindowText, .fill = kNoColour},
    Element{.name = "Shape33", .kind = ElementKind::Rectangle, .left = 5145, .top = 1365, .width = 645, .height = 435,
            .outline = kWindowText, .fill = kNoColour},
    Element{.name = "Shape32", .kind = ElementKind::Rectangle, .left = 5340, .top = 2415, .width = 975, .height = 645,
            .outline = kWindowText, .fill = kNoColour},
    Element{.name = "Shape31", .kind = ElementKind::Rectangle, .left = 4070, .top = 2600, .width = 855, .height = 645,
            .outline = kWindowText, .fill = kNoColour},
    Element{.name = "Shape30", .kind = ElementKind::Rectangle, .left = 315, .top = 2520, .width = 645, .height = 645,
            .outline = kWindowText, .fill = kNoColour},

    // Expansion slots: four long ones, then three short ones.
    Element{.name = "Shape29", .kind = ElementKind::Rectangle, .left = 945, .top = 5040, .width = 3375, .height = 285,
            .outline = kWindowText, .fill = fixed(0xC0C0C0)},
    Element{.name = "Shape28", .kind = ElementKind::Rectangle, .left = 945, .top = 4620, .width = 3375, .height = 285,
            .outline = kWindowText, .fill = fixed(0xC0C0C0)},
    Element{.name = "Shape27", .kind = ElementKind::Rectangle, .left = 945, .top = 4200, .width = 3375, .height = 285,
            .outline = kWindowText, .fill = fixed(0xC0C0C0)},
    Element{.name = "Shape26", .kind = ElementKind::Rectangle, .left = 945, .top = 3780, .width = 3375, .height = 285,
            .outline = kWindowText, .fill = fixed(0xC0C0C0)},
    Element{.name = "Shape25", .kind = ElementKind::Rectangle, .left = 1470, .top = 3255, .width = 2325, .height = 255,
            .outline = kWindowText, .fill = fixed(0xC0E0FF)},
    Element{.name = "Shape24", .kind = ElementKind::Rectangle, .left = 1470, .top = 2835, .width = 2325, .height = 255,
            .outline = kWindowText, .fill = fixed(0xC0E0FF)},
    Element{.name = "Shape23", .kind = ElementKind::Rectangle, .left = 1470, .top = 2415, .width = 2325, .height = 255,
            .outline = kWindowText, .fill = fixed(0xC0E0FF)},

    // Memory sockets: SIMM4 to SIMM1, then the DIMM socket.
    Element{.name = "Shape22", .kind = ElementKind::Rectangle, .left = 1155, .top = 1785, .width = 2955, .height = 120,
            .outline = kWindowText, .fill = fixed(0xC0E0FF)},
    Element{.name = "Shape21", .kind = ElementKind::Rectangle, .left = 1155, .top = 1575, .width = 2955, .height = 120,
            .outline = kWindowText, .fill = fixed(0xC0E0FF)},
    Element{.name = "Shape20", .kind = ElementKind::Rectangle, .left = 1155, .top = 1365, .width = 2955, .height = 120,
            .outline = kWindowText, .fill = fixed(0xC0E0FF)},
    Element{.name = "Shape19", .kind = ElementKind::Rectangle, .left = 1155, .top = 1155, .width = 2955, .height = 120,
            .outline = kWindowText, .fill = fixed(0xC0E0FF)},
    Element{.name = "Shape18", .kind = ElementKind::Rectangle, .left = 840, .top = 840, .width = 3585, .height = 150,
            .outline = kWindowText, .fill = fixed(0xC0C0C0)},

    // Title line under the board.
    Element{.name = "Label43", .kind = ElementKind::Label, .left = 2055, .top = 6480, .width = 4200, .height = 240,
            .fill = kTitleBarText, .caption = "Jumpers setting program Ver. 1.01    12/15/97", .font = FontId::Title,
            .align = Align::Centre, .text = fixed(0x000040)},

    // Visible pin-1 number of JP4.
    Element{.name = "Label41", .kind = ElementKind::Label, .left = 210, .top = 3570, .width = 90, .height = 195,
            .fill = kTitleBarText, .caption = "1", .font = FontId::SansSerif, .align = Align::Centre,
            .text = kButtonText},

    // Front-panel connector: Reset pair, leader lines and captions.
    Element{.name = "Line6", .kind = ElementKind::Line, .x1 = 5985, .y1 = 5355, .x2 = 6615, .y2 = 5565,
            .outline = kWindowText},
    Element{.name = "Shape17", .kind = ElementKind::Rectangle, .left = 5945, .top = 5250, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x800000)},
    Element{.name = "Shape16", .kind = ElementKind::Rectangle, .left = 5945, .top = 5145, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x800000)},
    Element{.name = "Line4", .kind = ElementKind::Line, .x1 = 5880, .y1 = 5355, .x2 = 5775, .y2 = 5460,
            .outline = kWindowText},
    Element{.name = "Line3", .kind = ElementKind::Line, .x1 = 5565, .y1 = 5355, .x2 = 5565, .y2 = 5670,
            .outline = kWindowText},
    Element{.name = "Label40", .kind = ElementKind::Label, .left = 6510, .top = 5565, .width = 420, .height = 195,
            .fill = kHighlightedText, .caption = "Reset", .font = FontId::SansSerif, .align = Align::Left,
            .text = kButtonText},
    Element{.name = "Label38", .kind = ElementKind::Label, .left = 5595, .top = 5400, .width = 720, .height = 195,
            .fill = kHighlightedText, .caption = "HDD LED", .font = FontId::SansSerif, .align = Align::Centre,
            .text = kButtonText},
    Element{.name = "Label36", .kind = ElementKind::Label, .left = 5460, .top = 5565, .width = 780, .height = 195,
            .fill = kTitleBarText, .caption = "Turbo LED", .font = FontId::SansSerif, .align = Align::Centre,
            .text = kButtonText},
    Element{.name = "Line2", .kind = ElementKind::Line, .x1 = 5145, .y1 = 5355, .x2 = 5145, .y2 = 5460,
            .outline = kWindowText},
    Element{.name = "Label35", .kind = ElementKind::Label, .left = 4725, .top = 5460, .width = 600, .height = 195,
            .fill = kTitleBarText, .caption = "Speaker", .font = FontId::SansSerif, .align = Align::Left,
            .text = kButtonText},
    Element{.name = "Line1", .kind = ElementKind::Line, .x1 = 5040, .y1 = 5145, .x2 = 4305, .y2 = 5460,
            .outline = kWindowText},
    Element{.name = "Label34", .kind = ElementKind::Label, .left = 2850, .top = 5475, .width = 1605, .height = 195,
            .fill = kTitleBarText, .caption = "Power LED /Key Lock", .font = FontId::SansSerif, .align = Align::Left,
            .text = kButtonText},

    // Front-panel connector pins: green, orange, cyan and yellow pairs, red and purple rows.
    Element{.name = "Shape15", .kind = ElementKind::Rectangle, .left = 6090, .top = 5250, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x00FF00)},
    Element{.name = "Shape14", .kind = ElementKind::Rectangle, .left = 6090, .top = 5145, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x00FF00)},
    Element{.name = "Shape13", .kind = ElementKind::Rectangle, .left = 5800, .top = 5250, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x0080FF)},
    Element{.name = "Shape12", .kind = ElementKind::Rectangle, .left = 5800, .top = 5145, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x0080FF)},
    Element{.name = "Shape11", .kind = ElementKind::Rectangle, .left = 5640, .top = 5250, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0xFFFF00)},
    Element{.name = "Shape10", .kind = ElementKind::Rectangle, .left = 5640, .top = 5145, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0xFFFF00)},
    Element{.name = "Shape9", .kind = ElementKind::Rectangle, .left = 5500, .top = 5250, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x00FFFF)},
    Element{.name = "Shape8", .kind = ElementKind::Rectangle, .left = 5500, .top = 5145, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x00FFFF)},
    Element{.name = "Shape7", .kind = ElementKind::Rectangle, .left = 5250, .top = 5280, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x0000FF)},
    Element{.name = "Shape6", .kind = ElementKind::Rectangle, .left = 5145, .top = 5280, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x0000FF)},
    Element{.name = "Shape5", .kind = ElementKind::Rectangle, .left = 5040, .top = 5280, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x0000FF)},
    Element{.name = "Shape4", .kind = ElementKind::Rectangle, .left = 5355, .top = 5145, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x800080)},
    Element{.name = "Shape3", .kind = ElementKind::Rectangle, .left = 5250, .top = 5145, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x800080)},
    Element{.name = "Shape2", .kind = ElementKind::Rectangle, .left = 5145, .top = 5145, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x800080)},
    Element{.name = "Shape1", .kind = ElementKind::Rectangle, .left = 5040, .top = 5145, .width = 120, .height = 120,
            .outline = kWindowText, .fill = fixed(0x800080)},

    // Processor socket picture, borderless.
    Element{.name = "Image2", .kind = ElementKind::Picture, .left = 5520, .top = 3240, .width = 1065, .height = 1035,
            .outline = kNoColour, .fill = kNoColour, .picture = PictureId::Socket},

    // Pin-1 numbers of the JP5 to JP8 block and of JP4 (the white one has no box).
    Element{.name = "Label2", .kind = ElementKind::Label, .left = 4635, .top = 3960, .width = 105, .height = 195,
            .fill = fixed(0xFFFFFF), .caption = "1", .font = FontId::SansSerif, .align = Align::Centre,
            .text = fixed(0x000000)},
    Element{.name = "Label1", .kind = ElementKind::Label, .left = 315, .top = 3900, .width = 105, .height = 195,
            .fill = kNoColour, .caption = "1", .font = FontId::SansSerif, .align = Align::Centre,
            .text = fixed(0xFFFFFF)},

    // JP10.
    Element{.name = "v1jp10", .kind = ElementKind::Square, .left = 6825, .top = 1050, .width = 135, .height = 135,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v2jp10", .kind = ElementKind::Square, .left = 6825, .top = 945, .width = 135, .height = 135,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},

    // Name of the processor list.
    Element{.name = "Label24", .kind = ElementKind::Label, .left = 90, .top = 210, .width = 870, .height = 210,
            .fill = fixed(0xFFFFFF), .caption = "CPU Type", .font = FontId::WindowBold, .align = Align::Centre,
            .text = fixed(0x000000)},

    // Black-on-white chip markings.
    Element{.name = "Label21", .kind = ElementKind::Label, .left = 5355, .top = 1995, .width = 225, .height = 195,
            .fill = fixed(0xFFFFFF), .caption = "VT", .font = FontId::SansSerif, .align = Align::Centre,
            .text = fixed(0x000000)},
    Element{.name = "Label20", .kind = ElementKind::Label, .left = 5355, .top = 1470, .width = 225, .height = 195,
            .fill = fixed(0xFFFFFF), .caption = "VT", .font = FontId::SansSerif, .align = Align::Centre,
            .text = fixed(0x000000)},
    Element{.name = "Label19", .kind = ElementKind::Label, .left = 5415, .top = 2730, .width = 900, .height = 210,
            .fill = fixed(0xFFFFFF), .caption = "82C585VPX", .font = FontId::TimesRoman, .align = Align::Centre,
            .text = fixed(0x000000)},
    Element{.name = "Label18", .kind = ElementKind::Label, .left = 5775, .top = 2520, .width = 225, .height = 195,
            .fill = fixed(0xFFFFFF), .caption = "VT", .font = FontId::SansSerif, .align = Align::Centre,
            .text = fixed(0x000000)},
    Element{.name = "Label17", .kind = ElementKind::Label, .left = 4170, .top = 2940, .width = 690, .height = 210,
            .fill = fixed(0xFFFFFF), .caption = "82C586A", .font = FontId::TimesRoman, .align = Align::Centre,
            .text = fixed(0x000000)},
    Element{.name = "Label16", .kind = ElementKind::Label, .left = 4410, .top = 2730, .width = 225, .height = 195,
            .fill = fixed(0xFFFFFF), .caption = "VT", .font = FontId::SansSerif, .align = Align::Centre,
            .text = fixed(0x000000)},
    Element{.name = "Label15", .kind = ElementKind::Label, .left = 495, .top = 2760, .width = 345, .height = 180,
            .fill = fixed(0xFFFFFF), .caption = "SMC", .font = FontId::TimesRoman, .align = Align::Centre,
            .text = fixed(0x000000)},

    // Black-on-white jumper captions.
    Element{.name = "Label13", .kind = ElementKind::Label, .left = 4500, .top = 3240, .width = 870, .height = 195,
            .fill = fixed(0xFFFFFF), .caption = "JP 6 /7 /8", .font = FontId::SansSerif, .align = Align::Centre,
            .text = fixed(0x000000)},
    Element{.name = "Label11", .kind = ElementKind::Label, .left = 4410, .top = 4620, .width = 330, .height = 195,
            .fill = fixed(0xFFFFFF), .caption = "JP 9", .font = FontId::SansSerif, .align = Align::Centre,
            .text = fixed(0x000000)},
    Element{.name = "Label6", .kind = ElementKind::Label, .left = 5640, .top = 4870, .width = 330, .height = 195,
            .fill = fixed(0xFFFFFF), .caption = "JP 1", .font = FontId::SansSerif, .align = Align::Centre,
            .text = fixed(0x000000)},

    // JP4: cap on pins 1 and 2, never recoloured.
    Element{.name = "h3jp4", .kind = ElementKind::Square, .left = 600, .top = 3720, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "h2jp4", .kind = ElementKind::Square, .left = 480, .top = 3720, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0x808080)},
    Element{.name = "h1jp4", .kind = ElementKind::Square, .left = 360, .top = 3720, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0x808080)},

    // JP8.
    Element{.name = "v1jp8", .kind = ElementKind::Square, .left = 5160, .top = 3720, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v2jp8", .kind = ElementKind::Square, .left = 5160, .top = 3600, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v3jp8", .kind = ElementKind::Square, .left = 5160, .top = 3480, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},

    // JP5: pin 1 sits slightly left and low.
    Element{.name = "v1jp5", .kind = ElementKind::Square, .left = 4575, .top = 3725, .width = 135, .height = 135,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v2jp5", .kind = ElementKind::Square, .left = 4580, .top = 3600, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v3jp5", .kind = ElementKind::Square, .left = 4580, .top = 3480, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},

    // JP6.
    Element{.name = "v1jp6", .kind = ElementKind::Square, .left = 4770, .top = 3720, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v2jp6", .kind = ElementKind::Square, .left = 4770, .top = 3600, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v3jp6", .kind = ElementKind::Square, .left = 4770, .top = 3480, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},

    // JP7.
    Element{.name = "v1jp7", .kind = ElementKind::Square, .left = 4970, .top = 3720, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v2jp7", .kind = ElementKind::Square, .left = 4970, .top = 3600, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v3jp7", .kind = ElementKind::Square, .left = 4970, .top = 3480, .width = 132, .height = 132,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},

    // JP3 and JP2.
    Element{.name = "v1jp3", .kind = ElementKind::Square, .left = 6360, .top = 4680, .width = 135, .height = 135,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v2jp3", .kind = ElementKind::Square, .left = 6360, .top = 4560, .width = 135, .height = 135,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v1jp2", .kind = ElementKind::Square, .left = 6540, .top = 4680, .width = 135, .height = 135,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v2jp2", .kind = ElementKind::Square, .left = 6540, .top = 4560, .width = 135, .height = 135,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},

    // JP1, left and middle columns.
    Element{.name = "v3jp1", .kind = ElementKind::Square, .left = 5880, .top = 4710, .width = 135, .height = 135,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v4jp1", .kind = ElementKind::Square, .left = 5880, .top = 4560, .width = 135, .height = 135,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v2jp1", .kind = ElementKind::Square, .left = 5760, .top = 4560, .width = 135, .height = 135,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
    Element{.name = "v1jp1", .kind = ElementKind::Square, .left = 5760, .top = 4710, .width = 135, .height = 135,
            .outline = fixed(0x404040), .fill = fixed(0xFFFFFF)},
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

// ---------------------------------------------------------------------------
// Compile-time checks of the table's shape.

namespace {

constexpr int kDrawingWidth = 7950;
constexpr int kDrawingHeight = 6885;

constexpr bool sameColour(Colour a, Colour b)
{
    return a.role == b.role && (a.role != ColourRole::Fixed || a.bgr == b.bgr);
}

constexpr bool isShape(ElementKind k)
{
    return k == ElementKind::Square || k == ElementKind::Rectangle || k == ElementKind::RoundedRectangle;
}

constexpr std::size_t indexOf(std::string_view name)
{
    for (std::size_t i = 0; i < kElements.size(); ++i)
        if (kElements[i].name == name)
            return i;
    return kElements.size();
}

constexpr bool inFrontOf(std::string_view front, std::string_view back)
{
    const std::size_t f = indexOf(front);
    const std::size_t b = indexOf(back);
    return f < kElements.size() && b < kElements.size() && f < b;
}

constexpr std::size_t countKind(ElementKind kind)
{
    std::size_t n = 0;
    for (const Element& e : kElements)
        n += e.kind == kind ? 1 : 0;
    return n;
}

constexpr bool namesUnique()
{
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        if (kElements[i].name.empty())
            return false;
        for (std::size_t j = i + 1; j < kElements.size(); ++j)
            if (kElements[i].name == kElements[j].name)
                return false;
    }
    return true;
}

// Labels have a caption, a font colour and a box; nothing else has text.
constexpr bool textOnlyOnLabels()
{
    for (const Element& e : kElements) {
        const bool label = e.kind == ElementKind::Label;
        if (label != !e.caption.empty())
            return false;
        if (label != (e.text.role != ColourRole::None))
            return false;
        if (!label && !e.tooltip.empty())
            return false;
        if (label && e.outline.role != ColourRole::None)
            return false;
    }
    return true;
}

constexpr std::size_t countTooltips()
{
    std::size_t n = 0;
    for (const Element& e : kElements)
        n += e.tooltip.empty() ? 0 : 1;
    return n;
}

// Red text and a help tooltip go together.
constexpr bool tooltipsExactlyOnRedText()
{
    for (const Element& e : kElements)
        if (e.tooltip.empty() == sameColour(e.text, fixed(0x0000FF)))
            return false;
    return true;
}

constexpr bool onlyLabel1Transparent()
{
    for (const Element& e : kElements)
        if (e.kind == ElementKind::Label && (e.fill.role == ColourRole::None) != (e.name == "Label1"))
            return false;
    return true;
}

// Lines use their end points only; everything else uses its box only.
constexpr bool geometryFitsKind()
{
    for (const Element& e : kElements) {
        const bool hasBox = e.width > 0 && e.height > 0;
        const bool hasEnds = e.x1 != 0 || e.y1 != 0 || e.x2 != 0 || e.y2 != 0;
        if (e.kind == ElementKind::Line) {
            if (!hasEnds || e.left != 0 || e.top != 0 || e.width != 0 || e.height != 0)
                return false;
            if (!sameColour(e.outline, kWindowText) || e.fill.role != ColourRole::None)
                return false;
        } else if (!hasBox || hasEnds) {
            return false;
        }
    }
    return true;
}

constexpr bool insideDrawingArea()
{
    for (const Element& e : kElements) {
        if (e.kind == ElementKind::Line) {
            if (e.x1 < 0 || e.x2 < 0 || e.y1 < 0 || e.y2 < 0 || e.x1 > kDrawingWidth || e.x2 > kDrawingWidth
                || e.y1 > kDrawingHeight || e.y2 > kDrawingHeight)
                return false;
        } else if (e.left < 0 || e.top < 0 || e.left + e.width > kDrawingWidth
                   || e.top + e.height > kDrawingHeight) {
            return false;
        }
    }
    return true;
}

// Every shape has an outline; only the eight chip outlines are unfilled.
constexpr bool shapesOutlined()
{
    std::size_t unfilled = 0;
    for (const Element& e : kElements) {
        if (!isShape(e.kind))
            continue;
        if (e.outline.role == ColourRole::None)
            return false;
        if (e.fill.role == ColourRole::None)
            ++unfilled;
    }
    return unfilled == 8;
}

constexpr bool isPinMark(const Element& e)
{
    return e.name.find("jp") != std::string_view::npos || e.name == "Shape38" || e.name == "Shape39";
}

// Pin marks: square boxes, an open or closed fill, and only the JP4 cap starts closed.
constexpr bool pinMarksWellFormed()
{
    std::size_t marks = 0;
    std::size_t closed = 0;
    for (const Element& e : kElements) {
        if (!isPinMark(e))
            continue;
        ++marks;
        if (e.kind != ElementKind::Square && e.kind != ElementKind::Rectangle)
            return false;
        if (e.width != e.height)
            return false;
        if (e.kind == ElementKind::Square && !sameColour(e.outline, fixed(0x404040)))
            return false;
        if (e.kind == ElementKind::Rectangle && !sameColour(e.outline, kWindowText))
            return false;
        if (sameColour(e.fill, fixed(0x808080)))
            ++closed;
        else if (!sameColour(e.fill, fixed(0xFFFFFF)))
            return false;
    }
    return marks == 41 && closed == 2 && sameColour(kElements[indexOf("h1jp4")].fill, fixed(0x808080))
        && sameColour(kElements[indexOf("h2jp4")].fill, fixed(0x808080));
}

constexpr bool picturesWellFormed()
{
    std::size_t sockets = 0;
    for (const Element& e : kElements) {
        if (e.kind != ElementKind::Picture)
            continue;
        if (e.picture == PictureId::Socket)
            ++sockets;
    }
    return sockets == 1 && kElements[indexOf("Image2")].picture == PictureId::Socket
        && kElements[indexOf("Image2")].outline.role == ColourRole::None
        && sameColour(kElements[indexOf("Image1")].outline, kWindowText);
}

static_assert(kElements.size() == 136);
static_assert(namesUnique());
static_assert(countKind(ElementKind::Square) == 25);
static_assert(countKind(ElementKind::Rectangle) == 57); // 16 pin marks, 37 board shapes, 4 legend samples
static_assert(countKind(ElementKind::RoundedRectangle) == 1);
static_assert(countKind(ElementKind::Line) == 10);
static_assert(countKind(ElementKind::Label) == 41);
static_assert(countKind(ElementKind::Picture) == 2);
static_assert(textOnlyOnLabels());
static_assert(countTooltips() == 12);
static_assert(tooltipsExactlyOnRedText());
static_assert(onlyLabel1Transparent());
static_assert(geometryFitsKind());
static_assert(insideDrawingArea());
static_assert(shapesOutlined());
static_assert(pinMarksWellFormed());
static_assert(picturesWellFormed());
static_assert(kElements[indexOf("Label12")].tooltip == kElements[indexOf("Label14")].tooltip);

// Overlaps that the drawing relies on.
static_assert(inFrontOf("Shape38", "Label28") && inFrontOf("Label28", "Label6"));
static_assert(inFrontOf("Shape39", "Shape38") && inFrontOf("v2jp11", "v1jp11"));
static_assert(inFrontOf("v1jp5", "v2jp5") && inFrontOf("v2jp5", "v3jp5"));
static_assert(inFrontOf("v5jp1", "v3jp1") && inFrontOf("v3jp1", "v1jp1"));
static_assert(inFrontOf("h3jp4", "h2jp4") && inFrontOf("h2jp4", "h1jp4"));
static_assert(inFrontOf("Shape42", "Shape41") && inFrontOf("Shape44", "Shape43"));
static_assert(inFrontOf("Shape41", "Shape40") && inFrontOf("Label33", "Shape40"));
static_assert(inFrontOf("Label8", "Shape37") && inFrontOf("Shape31", "Label13"));
static_assert(inFrontOf("Label12", "Shape35") && inFrontOf("Label14", "Shape36"));
static_assert(inFrontOf("Label31", "Label30") && inFrontOf("Label30", "Label29"));
static_assert(inFrontOf("Label23", "Line5") && inFrontOf("Label38", "Label36"));
static_assert(inFrontOf("Line6", "Label40") && inFrontOf("Line4", "Label38") && inFrontOf("Line3", "Label36"));
static_assert(inFrontOf("Shape4", "Shape3") && inFrontOf("Shape9", "Shape8"));

} // namespace

} // namespace orvex
