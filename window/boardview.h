#pragma once

#include <QWidget>

namespace orvex {

class Board;

/// The painted board filling the window's drawing area, with the help captions' tooltips.
class BoardView : public QWidget
{
    Q_OBJECT

public:
    BoardView(const Board& board, QWidget* parent);

    const Board& board() const { return m_board; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const Board& m_board;
};

} // namespace orvex
