#pragma once

// The painted board for screen readers: a child per jumper (its name and its caps in words)
// and a child per red help caption (its text and its help).

#include <QAccessibleWidget>

#include <vector>

namespace orvex {

class Board;
class BoardView;

/// Words for the caps of jumper `jumper` ("JP6") as the board shows them now,
/// e.g. "pins 2-3 closed", "pins 1 to 4 closed", "rows B, C and E closed", "open".
QString jumperStateText(const Board& board, int jumper);

/// Number of jumpers on the board and the name of each ("JP1" to "JP11").
int jumperCount();
QString jumperName(int jumper);

class BoardAccessible : public QAccessibleWidget
{
public:
    explicit BoardAccessible(BoardView* view);
    ~BoardAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    /// Tells assistive technology that every jumper may show new caps.
    static void jumpersChanged(BoardView* view);

    /// Makes Qt use this interface for the board.
    static void install();

    const Board& board() const;
    BoardView* view() const;

private:
    mutable std::vector<QAccessible::Id> m_children;
};

} // namespace orvex
