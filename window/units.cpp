#include "units.h"

namespace orvex {

QPalette::ColorRole paletteRole(ColourRole role)
{
    switch (role) {
    case ColourRole::WindowText:
        return QPalette::WindowText;
    case ColourRole::ButtonText:
        return QPalette::ButtonText;
    case ColourRole::TitleBarText:
        return QPalette::Base;
    case ColourRole::HighlightedText:
        return QPalette::HighlightedText;
    case ColourRole::None:
    case ColourRole::Fixed:
        break;
    }
    return QPalette::NoRole;
}

QColor resolve(const Colour& colour, const QPalette& palette)
{
    if (colour.role == ColourRole::Fixed)
        return fromBgr(colour.bgr);
    if (colour.role == ColourRole::None)
        return {};
    return palette.color(QPalette::Active, paletteRole(colour.role));
}

} // namespace orvex
