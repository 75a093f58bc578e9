#pragma once

#include "board.h"
#include "jumpers.h"

#include <QWidget>

class QComboBox;
class QPainter;
class QPrinter;
class QPushButton;

namespace orvex {

class BoardView;

/// The one window: the board, the processor list, Print and Exit.
class OrvexWindow : public QWidget, public JumperView
{
    Q_OBJECT

public:
    /// Creates the window hidden and runs its load sequence; show() it afterwards.
    explicit OrvexWindow(QWidget* parent = nullptr);
    ~OrvexWindow() override;

    // What the jumper display reads and writes.
    int selectedIndex() const override;
    std::optional<std::int32_t> entryTag(int index) const override;
    void setPinFill(std::string_view name, std::uint32_t bgr) override;

    /// Paints the window's picture (board, pin marks, list and buttons) into a painter whose
    /// unit is one design pixel.
    void paintPicture(QPainter& painter);

    /// Prints the window's picture on `printer`, scaled to fit one page; false with `error`
    /// set when the printer cannot be opened.
    bool printTo(QPrinter& printer, QString* error);

    const Board& board() const { return m_board; }
    /// How often the pin marks were set for the list's selection.
    int showJumpersRuns() const { return m_showJumpersRuns; }
    /// What became of the last attempt to show the selection.
    ShowResult lastShowResult() const { return m_lastShow; }

    void cbocpu_Click();
    void cmdprint_Click();
    void cmdexit_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void reportPrintFailure(const QString& reason);

    Board m_board;
    BoardView* m_view = nullptr;
    QComboBox* m_cbocpu = nullptr;
    QPushButton* m_cmdprint = nullptr;
    QPushButton* m_cmdexit = nullptr;
    int m_showJumpersRuns = 0;
    ShowResult m_lastShow = ShowResult::NoEntry;
};

} // namespace orvex
