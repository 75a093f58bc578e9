#include "boardaccessible.h"

#include "board.h"
#include "boardview.h"
#include "elements.h"

#include <QAccessible>

#include <array>
#include <string_view>

namespace orvex {
namespace {

struct JumperPins {
    const char* name;
    bool rows; // JP9: pairs of pins named by row letter
    std::array<std::string_view, 12> pins; // in pin order; JP9 row by row, pin 1 then pin 2
    int count;
};

// Every jumper of the board with its pin marks, pin 1 first.
constexpr std::array<JumperPins, 11> kJumpers = {{
    {"JP1", false, {"v1jp1", "v2jp1", "v3jp1", "v4jp1", "v5jp1", "v6jp1"}, 6},
    {"JP2", false, {"v1jp2", "v2jp2"}, 2},
    {"JP3", false, {"v1jp3", "v2jp3"}, 2},
    {"JP4", false, {"h1jp4", "h2jp4", "h3jp4"}, 3},
    {"JP5", false, {"v1jp5", "v2jp5", "v3jp5"}, 3},
    {"JP6", false, {"v1jp6", "v2jp6", "v3jp6"}, 3},
    {"JP7", false, {"v1jp7", "v2jp7", "v3jp7"}, 3},
    {"JP8", false, {"v1jp8", "v2jp8", "v3jp8"}, 3},
    {"JP9", true,
     {"A1jp9", "A2jp9", "B1jp9", "b2jp9", "c1jp9", "c2jp9", "d1jp9", "d2jp9", "e1jp9", "e2jp9",
      "Shape38", "Shape39"},
     12},
    {"JP10", false, {"v1jp10", "v2jp10"}, 2},
    {"JP11", false, {"v1jp11", "v2jp11"}, 2},
}};

constexpr std::uint32_t kCapped = 0x808080;

bool capped(const Board& board, std::string_view pin)
{
    const std::optional<std::size_t> index = board.find(pin);
    return index && board.fill(*index) == kCapped;
}

QString joinWords(const QStringList& items)
{
    if (items.size() <= 1)
        return items.join(QString());
    return QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", "))
           + QStringLiteral(" and ") + items.constLast();
}

// Help captions in the board's stacking order; the table is constant, so find them once.
const std::vector<std::size_t>& helpCaptions()
{
    static const std::vector<std::size_t> captions = [] {
        std::vector<std::size_t> out;
        for (std::size_t i = 0; i < kElementCount; ++i)
            if (kElements[i].kind == ElementKind::Label && !kElements[i].tooltip.empty())
                out.push_back(i);
        return out;
    }();
    return captions;
}

QString latin1(std::string_view s)
{
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// One child of the board: a jumper or a help caption. Owned by Qt's accessibility cache.
class BoardPart : public QAccessibleInterface
{
public:
    BoardPart(const BoardAccessible* parent, int index)
        : m_parent(parent)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_parent->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_parent->window(); }
    QAccessibleInterface* parent() const override
    {
        return const_cast<BoardAccessible*>(m_parent);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

    QAccessible::Role role() const override
    {
        return isJumper() ? QAccessible::Graphic : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        const Board& board = m_parent->board();
        if (isJumper()) {
            if (t == QAccessible::Name)
                return jumperName(m_index);
            if (t == QAccessible::Description || t == QAccessible::Value)
                return jumperStateText(board, m_index);
            return {};
        }
        const Element& e = kElements[caption()];
        if (t == QAccessible::Name)
            return latin1(e.caption);
        if (t == QAccessible::Description || t == QAccessible::Help)
            return latin1(e.tooltip);
        return {};
    }

    QRect rect() const override
    {
        const Board& board = m_parent->board();
        QRectF box;
        if (isJumper()) {
            const JumperPins& j = kJumpers[std::size_t(m_index)];
            for (int p = 0; p < j.count; ++p)
                if (const std::optional<std::size_t> i = board.find(j.pins[std::size_t(p)]))
                    box = box.united(board.bounds(*i));
        } else {
            box = board.bounds(caption());
        }
        const QWidget* view = m_parent->view();
        return QRect(view->mapToGlobal(box.toAlignedRect().topLeft()), box.toAlignedRect().size());
    }

private:
    bool isJumper() const { return m_index < jumperCount(); }
    std::size_t caption() const
    {
        return helpCaptions()[std::size_t(m_index - jumperCount())];
    }

    const BoardAccessible* m_parent;
    int m_index;
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("orvex::BoardView") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<BoardView*>(object));
    return nullptr;
}

} // namespace

int jumperCount()
{
    return int(kJumpers.size());
}

QString jumperName(int jumper)
{
    return QString::fromLatin1(kJumpers[std::size_t(jumper)].name);
}

QString jumperStateText(const Board& board, int jumper)
{
    const JumperPins& j = kJumpers[std::size_t(jumper)];
    if (j.rows) {
        QStringList closedRows;
        for (int row = 0; row < j.count / 2; ++row)
            if (capped(board, j.pins[std::size_t(2 * row)])
                && capped(board, j.pins[std::size_t(2 * row + 1)]))
                closedRows << QString(QLatin1Char(char('A' + row)));
        if (closedRows.isEmpty())
            return QStringLiteral("open");
        return (closedRows.size() == 1 ? QStringLiteral("row ") : QStringLiteral("rows "))
               + joinWords(closedRows) + QStringLiteral(" closed");
    }
    // Runs of capped pins: "pins 2-3", "pins 1 to 4".
    QStringList runs;
    for (int p = 0; p < j.count;) {
        if (!capped(board, j.pins[std::size_t(p)])) {
            ++p;
            continue;
        }
        int last = p;
        while (last + 1 < j.count && capped(board, j.pins[std::size_t(last + 1)]))
            ++last;
        if (last == p)
            runs << QStringLiteral("pin %1").arg(p + 1);
        else if (last == p + 1)
            runs << QStringLiteral("pins %1-%2").arg(p + 1).arg(last + 1);
        else
            runs << QStringLiteral("pins %1 to %2").arg(p + 1).arg(last + 1);
        p = last + 1;
    }
    if (runs.isEmpty())
        return QStringLiteral("open");
    return joinWords(runs) + QStringLiteral(" closed");
}

BoardAccessible::BoardAccessible(BoardView* view)
    : QAccessibleWidget(view, QAccessible::Graphic, QStringLiteral("ORVEX board"))
{
}

BoardAccessible::~BoardAccessible()
{
    for (QAccessible::Id id : m_children)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

BoardView* BoardAccessible::view() const
{
    return static_cast<BoardView*>(widget());
}

const Board& BoardAccessible::board() const
{
    return view()->board();
}

int BoardAccessible::childCount() const
{
    return jumperCount() + int(helpCaptions().size());
}

QAccessibleInterface* BoardAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (m_children.empty())
        m_children.assign(std::size_t(childCount()), 0);
    QAccessible::Id& id = m_children[std::size_t(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new BoardPart(this, index));
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (std::size_t i = 0; i < m_children.size(); ++i)
        if (m_children[i] && QAccessible::accessibleInterface(m_children[i]) == child)
            return int(i);
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
            return c;
    return nullptr;
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return QStringLiteral("ORVEX board");
    if (t == QAccessible::Description)
        return QStringLiteral("The jumpers for the selected processor: grey pins take a cap.");
    return QAccessibleWidget::text(t);
}

void BoardAccessible::jumpersChanged(BoardView* view)
{
    for (int i = 0; i < jumperCount(); ++i) {
        QAccessibleEvent event(view, QAccessible::DescriptionChanged);
        event.setChild(i);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace orvex
