#pragma once

// The board as the window shows it: the element table plus the pin marks' current fills.

#include "elements.h"

#include <QRectF>
#include <QRegion>
#include <QStaticText>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

class QPainter;
class QPalette;

namespace orvex {

class Board
{
public:
    Board();

    /// Paints the drawing, background picture first, into a painter whose unit is one pixel
    /// of the 96-dpi design (530 × 459 for the drawing area). Only elements that reach into
    /// `exposed` are drawn; by default all of them.
    void paint(QPainter& painter, const QPalette& palette,
               const QRegion& exposed = QRegion(0, 0, 530, 459)) const;

    /// Box of an element in design pixels; labels have their auto-sized box.
    QRectF bounds(std::size_t index) const { return m_bounds[index]; }

    /// Front-most label or picture frame under `pos` (design pixels). Shapes and lines
    /// take no pointer, so a caption shows through them.
    std::optional<std::size_t> pointerTarget(QPointF pos) const;

    /// Help text under `pos`, empty where there is none; `box` receives the caption's box.
    std::string_view tooltipAt(QPointF pos, QRectF* box = nullptr) const;

    /// Table index of the element called `name`.
    std::optional<std::size_t> find(std::string_view name) const;

    /// Sets a shape's fill (0xBBGGRR); returns its box, or nothing for an unknown name.
    std::optional<QRectF> setFill(std::string_view name, std::uint32_t bgr);

    /// Current fill of a shape (0xBBGGRR) as the drawing holds it.
    std::uint32_t fill(std::size_t index) const { return m_fills[index]; }

private:
    void paintElement(QPainter& painter, const QPalette& palette, std::size_t index) const;

    std::array<QRectF, kElementCount> m_bounds;
    std::array<std::uint32_t, kElementCount> m_fills{};
    std::array<QStaticText, kElementCount> m_captions; ///< laid out once, for labels only
};

} // namespace orvex
