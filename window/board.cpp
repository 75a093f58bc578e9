#include "board.h"

#include "fonts.h"
#include "pictures.h"
#include "units.h"

#include <QPainter>
#include <QPalette>

#include <cmath>

namespace orvex {

namespace {

// Corner radius of the legend box, in design pixels.
constexpr double kRoundedCorner = 8.0;

QPen outlinePen(const QColor& colour)
{
    // One design pixel wide, so it thickens with the painter's scale like everything else.
    QPen pen(colour, 1.0);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

// The outline lies inside the box, as a one-pixel border does on the board's shapes.
QRectF inner(const QRectF& box)
{
    return box.adjusted(0.5, 0.5, -0.5, -0.5);
}

} // namespace

Board::Board()
{
    for (std::size_t i = 0; i < kElementCount; ++i) {
        const Element& e = kElements[i];
        m_fills[i] = e.fill.bgr;
        switch (e.kind) {
        case ElementKind::Line:
            m_bounds[i] = QRectF(QPointF(twipsToPixel(e.x1), twipsToPixel(e.y1)),
                                 QPointF(twipsToPixel(e.x2), twipsToPixel(e.y2)))
                              .normalized()
                              .adjusted(0, 0, 1, 1);
            break;
        case ElementKind::Label: {
            // Auto-size: the box takes what the caption needs in its font, keeping left and
            // top. The caption is laid out here once and drawn from that layout ever after.
            QStaticText& caption = m_captions[i];
            caption.setText(QString::fromLatin1(e.caption.data(), qsizetype(e.caption.size())));
            caption.setTextFormat(Qt::PlainText);
            caption.prepare(QTransform(), boardFont(e.font));
            m_bounds[i] = QRectF(twipsToPixel(e.left), twipsToPixel(e.top),
                                 std::ceil(caption.size().width()),
                                 std::ceil(caption.size().height()));
            break;
        }
        default:
            m_bounds[i] = twipsBox(e.left, e.top, e.width, e.height);
            break;
        }
    }
}

std::optional<std::size_t> Board::find(std::string_view name) const
{
    for (std::size_t i = 0; i < kElementCount; ++i)
        if (kElements[i].name == name)
            return i;
    return std::nullopt;
}

std::optional<QRectF> Board::setFill(std::string_view name, std::uint32_t bgr)
{
    const std::optional<std::size_t> index = find(name);
    if (!index)
        return std::nullopt;
    const ElementKind kind = kElements[*index].kind;
    if (kind != ElementKind::Square && kind != ElementKind::Rectangle)
        return std::nullopt;
    m_fills[*index] = bgr;
    return m_bounds[*index];
}

std::optional<std::size_t> Board::pointerTarget(QPointF pos) const
{
    for (std::size_t i = 0; i < kElementCount; ++i) {
        const ElementKind kind = kElements[i].kind;
        if (kind != ElementKind::Label && kind != ElementKind::Picture)
            continue;
        if (m_bounds[i].contains(pos))
            return i;
    }
    return std::nullopt;
}

std::string_view Board::tooltipAt(QPointF pos, QRectF* box) const
{
    const std::optional<std::size_t> target = pointerTarget(pos);
    if (!target || kElements[*target].tooltip.empty())
        return {};
    if (box)
        *box = m_bounds[*target];
    return kElements[*target].tooltip;
}

void Board::paint(QPainter& painter, const QPalette& palette, const QRegion& exposed) const
{
    painter.save();
    // The window's white shows only where the background picture does not reach.
    const QImage& background = boardPictures().background;
    for (const QRect& rect : exposed) {
        painter.fillRect(rect, Qt::white);
        const QRect picture = rect & background.rect();
        painter.drawImage(picture, background, picture);
    }
    for (std::size_t i = kElementCount; i-- > 0;) {
        // A margin for glyphs that overhang their box and for the width of outlines.
        if (exposed.intersects(m_bounds[i].adjusted(-2, -2, 2, 2).toAlignedRect()))
            paintElement(painter, palette, i);
    }
    painter.restore();
}

void Board::paintElement(QPainter& painter, const QPalette& palette, std::size_t index) const
{
    const Element& e = kElements[index];
    const QRectF box = m_bounds[index];
    const QColor outline = resolve(e.outline, palette);
    switch (e.kind) {
    case ElementKind::Square:
    case ElementKind::Rectangle:
    case ElementKind::RoundedRectangle: {
        const bool rounded = e.kind == ElementKind::RoundedRectangle;
        painter.setRenderHint(QPainter::Antialiasing, rounded);
        painter.setPen(outline.isValid() ? outlinePen(outline) : QPen(Qt::NoPen));
        if (e.fill.role == ColourRole::None)
            painter.setBrush(Qt::NoBrush);
        else if (e.fill.role == ColourRole::Fixed)
            painter.setBrush(fromBgr(m_fills[index]));
        else
            painter.setBrush(resolve(e.fill, palette));
        if (rounded)
            painter.drawRoundedRect(inner(box), kRoundedCorner, kRoundedCorner);
        else
            painter.drawRect(inner(box));
        break;
    }
    case ElementKind::Line:
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(outlinePen(outline));
        painter.drawLine(QPointF(twipsToPixel(e.x1) + 0.5, twipsToPixel(e.y1) + 0.5),
                         QPointF(twipsToPixel(e.x2) + 0.5, twipsToPixel(e.y2) + 0.5));
        break;
    case ElementKind::Label: {
        if (e.fill.role != ColourRole::None)
            painter.fillRect(box, resolve(e.fill, palette));
        painter.setFont(boardFont(e.font));
        painter.setPen(resolve(e.text, palette));
        const QStaticText& caption = m_captions[index];
        const double indent =
            e.align == Align::Centre ? (box.width() - caption.size().width()) / 2 : 0.0;
        painter.drawStaticText(box.topLeft() + QPointF(indent, 0), caption);
        break;
    }
    case ElementKind::Picture:
        if (e.picture == PictureId::Socket) {
            const QImage& socket = boardPictures().socket;
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(box, socket, QRectF(socket.rect()));
        }
        if (outline.isValid()) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(outlinePen(outline));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(inner(box));
        }
        break;
    }
}

} // namespace orvex
