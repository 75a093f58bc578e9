#pragma once

#include "elements.h"

#include <QFont>

namespace orvex {

/// The font of a drawn label or control, sized in pixels of the 96-dpi design so that it
/// scales with the painter (screen, high-DPI screen or printer) like the rest of the board.
/// Uses the board's own family where the machine has it, else a free look-alike built into
/// the program, so the board looks the same on every machine.
QFont boardFont(FontId id);

} // namespace orvex
