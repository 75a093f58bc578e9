#pragma once

// The real window, shown offscreen, with what the window and board tests read from it.

#include "boardpoints.h"
#include "orvexwindow.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <memory>

struct ShownWindow {
    std::unique_ptr<orvex::OrvexWindow> window = std::make_unique<orvex::OrvexWindow>();
    ShownWindow()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    QComboBox* list() const { return window->findChild<QComboBox*>(QStringLiteral("cbocpu")); }
    QPushButton* button(const char* name) const
    {
        return window->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QWidget* board() const { return window->findChild<QWidget*>(QStringLiteral("board")); }
    /// The whole window, controls included.
    QImage picture() const { return window->grab().toImage(); }
    /// The board alone, without the controls in front of it.
    QImage image() const
    {
        return board()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

/// Rests the pointer on `pos` of the board (design pixels); the tooltip text shown, if any.
inline QString tooltipAt(QWidget* board, QPointF pos)
{
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, pos.toPoint(), board->mapToGlobal(pos.toPoint()));
    QCoreApplication::sendEvent(board, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

/// The board's picture with the 34 driven pin marks blotted out: what no choice may change.
inline QImage withoutDrivenMarks(QImage image)
{
    QPainter p(&image);
    for (const char* name : boardpoints::kDriven) {
        const boardpoints::Mark& m = *boardpoints::mark(QString::fromLatin1(name));
        p.fillRect(QRectF(QPointF(m.left, m.top) / 15.0,
                          QPointF(m.left + m.size, m.top + m.size) / 15.0)
                       .adjusted(-1, -1, 1, 1),
                   Qt::magenta);
    }
    return image;
}
