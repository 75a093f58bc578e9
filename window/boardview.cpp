#include "boardview.h"

#include "board.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QToolTip>

namespace orvex {

BoardView::BoardView(const Board& board, QWidget* parent)
    : QWidget(parent)
    , m_board(board)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

bool BoardView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        QRectF box;
        const std::string_view text = m_board.tooltipAt(help->pos(), &box);
        if (text.empty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(),
                               QString::fromLatin1(text.data(), qsizetype(text.size())), this,
                               box.toAlignedRect());
        }
        return true;
    }
    return QWidget::event(event);
}

void BoardView::paintEvent(QPaintEvent* event)
{
    // Widget pixels are design pixels; a high-DPI screen scales the painter, not the table.
    QPainter painter(this);
    m_board.paint(painter, palette(), event->region());
}

} // namespace orvex
