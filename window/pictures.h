#pragma once

// The board's two pictures, decoded off the user-interface thread while the window is built.

#include <QImage>

namespace orvex {

struct BoardPictures {
    QImage background; ///< 531 × 471, drawn at its own size from the top-left corner
    QImage socket;     ///< 299 × 288, stretched into the socket's frame
};

/// Starts decoding the pictures on a worker thread. Call it in main() right after the
/// application object is made: the decoding then overlaps the building of the window.
void preloadPictures();

/// The decoded pictures: waits for the worker if it is still busy, and decodes them here if
/// nobody started it.
const BoardPictures& boardPictures();

} // namespace orvex
