#pragma once

// Which jumper pins of the board carry a cap, for every setting the processors need.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvex {

enum class PinState : std::uint8_t { Open, Closed };

/// A pin mark whose fill follows the chosen processor.
struct DrivenPin {
    std::string_view name;   ///< the mark's name on the drawing (`v2jp7`, `c1jp9`)
    std::string_view jumper; ///< "JP7"
    std::string_view pin;    ///< "2", or "C1" for a JP9 row
};

inline constexpr std::size_t kPinCount = 34;
inline constexpr int kSettingCount = 29;

/// Fill of a capped pin and of a bare pin, 0xBBGGRR.
inline constexpr std::uint32_t kClosedColour = 0x808080;
inline constexpr std::uint32_t kOpenColour = 0xFFFFFF;

/// The 34 driven pin marks, in the order every settings row lists them and they are written.
inline constexpr std::array<DrivenPin, kPinCount> PinOrder = {{
    {"v1jp6", "JP6", "1"},  {"v2jp6", "JP6", "2"},  {"v3jp6", "JP6", "3"},
    {"v1jp7", "JP7", "1"},  {"v2jp7", "JP7", "2"},  {"v3jp7", "JP7", "3"},
    {"v1jp8", "JP8", "1"},  {"v2jp8", "JP8", "2"},  {"v3jp8", "JP8", "3"},
    {"v1jp2", "JP2", "1"},  {"v2jp2", "JP2", "2"},
    {"v1jp3", "JP3", "1"},  {"v2jp3", "JP3", "2"},
    // JP9 rows A to E; the row letters keep the mixed case of the drawing
    {"A1jp9", "JP9", "A1"}, {"A2jp9", "JP9", "A2"},
    {"B1jp9", "JP9", "B1"}, {"b2jp9", "JP9", "B2"},
    {"c1jp9", "JP9", "C1"}, {"c2jp9", "JP9", "C2"},
    {"d1jp9", "JP9", "D1"}, {"d2jp9", "JP9", "D2"},
    {"e1jp9", "JP9", "E1"}, {"e2jp9", "JP9", "E2"},
    {"v1jp10", "JP10", "1"}, {"v2jp10", "JP10", "2"},
    {"v1jp5", "JP5", "1"},  {"v2jp5", "JP5", "2"},  {"v3jp5", "JP5", "3"},
    {"v1jp1", "JP1", "1"},  {"v2jp1", "JP1", "2"},  {"v3jp1", "JP1", "3"},
    {"v4jp1", "JP1", "4"},  {"v5jp1", "JP1", "5"},  {"v6jp1", "JP1", "6"},
}};

/// Settings 1 to 29, one letter per pin in pin order (C closed, O open), a space between
/// jumpers: JP6 JP7 JP8 JP2 JP3 JP9(A-E) JP10 JP5 JP1.
inline constexpr std::array<std::string_view, kSettingCount> SettingRows = {{
    "OCC CCO OCC OO OO OOCCCCOOCC OO CCO CCCCOO", //  1
    "OCC OCC CCO OO CC OOCCCCOOCC OO CCO CCCCOO", //  2
    "OCC CCO OCC OO CC OOCCCCOOCC OO CCO CCCCOO", //  3
    "OCC OCC OCC OO CC OOCCCCCCCC CC CCO CCCCOO", //  4
    "OCC OCC CCO CC CC OOCCCCOOCC OO CCO CCCCOO", //  5
    "OCC CCO OCC CC CC OOCCCCOOCC OO CCO CCCCOO", //  6
    "OCC OCC OCC OO OO OOCCCCOOCC OO CCO CCCCOO", //  7
    "OCC CCO OCC CC OO OOCCCCOOCC OO CCO CCCCOO", //  8
    "OCC OCC CCO OO OO OOCCCCOOCC OO CCO CCCCOO", //  9
    "CCO OCC OCC OO CC OOCCCCCCCC CC CCO CCCCOO", // 10
    "OCC OCC CCO OO CC OOCCCCCCCC CC CCO CCCCOO", // 11
    "OCC CCO OCC OO CC OOCCCCCCCC CC CCO CCCCOO", // 12
    "OCC CCO OCC CC OO OOCCOOOOOO OO CCO OOCCCC", // 13
    "OCC CCO OCC OO CC OOCCOOOOOO CC CCO OOCCCC", // 14
    "CCO OCC CCO OO CC OOCCCCCCCC CC OCC CCCCOO", // 15
    "CCO OCC CCO OO CC OOCCOOOOOO CC OCC OOCCCC", // 16
    "OCC OCC OCC OO OO OOCCCCCCCC OO CCO CCCCOO", // 17
    "OCC CCO OCC OO OO OOCCCCCCCC OO CCO CCCCOO", // 18
    "OCC OCC CCO OO OO OOCCCCCCCC OO CCO CCCCOO", // 19
    "OCC OCC CCO CC CC OOCCCCCCCC OO CCO CCCCOO", // 20
    "OCC CCO OCC CC CC OOCCCCCCCC OO CCO CCCCOO", // 21
    "OCC CCO OCC CC CC OOCCOOOOOO OO CCO OOCCCC", // 22
    "OCC CCO OCC CC CC OOCCOOOOCC OO CCO OOCCCC", // 23
    "OCC CCO OCC CC OO OOCCOOOOCC OO CCO OOCCCC", // 24
    "OCC CCO OCC OO CC OOCCOOOOCC CC CCO OOCCCC", // 25
    "OCC CCO OCC CC CC OOCCOOOOCC CC CCO OOCCCC", // 26
    "CCO OCC CCO OO CC OOCCOOOOCC CC OCC OOCCCC", // 27
    "OCC CCO OCC OO OO OOCCOOOOOO OO CCO OOCCCC", // 28
    "OCC CCO OCC OO OO OOCCCCOOOO OO CCO OOCCCC", // 29
}};

using PinStates = std::array<PinState, kPinCount>;

/// The setting number of a list tag: the tag narrowed to 16 bits, divided by 100 toward zero.
/// Empty when the tag does not fit in 16 bits (an overflow the caller must handle).
[[nodiscard]] constexpr std::optional<int> GetSettingNumber(std::int32_t tag)
{
    if (tag < INT16_MIN || tag > INT16_MAX)
        return std::nullopt;
    return static_cast<std::int16_t>(tag) / 100; // C++ division truncates toward zero
}

/// The 34 pin states of a setting, in pin order; empty for a number without a row.
[[nodiscard]] constexpr std::optional<PinStates> GetPinStates(int setting)
{
    if (setting < 1 || setting > kSettingCount)
        return std::nullopt;
    PinStates states{};
    std::size_t pin = 0;
    for (char c : SettingRows[static_cast<std::size_t>(setting - 1)]) {
        if (c == ' ')
            continue;
        states[pin++] = c == 'C' ? PinState::Closed : PinState::Open;
    }
    return states;
}

namespace detail {

// Jumper widths in pin order: JP6 JP7 JP8 JP2 JP3 JP9(A-E) JP10 JP5 JP1.
inline constexpr std::array<std::size_t, 9> kGroupWidths = {3, 3, 3, 2, 2, 10, 2, 3, 6};

constexpr bool rowHasShape(std::string_view row)
{
    std::size_t pos = 0;
    for (std::size_t g = 0; g < kGroupWidths.size(); ++g) {
        if (g > 0 && (pos >= row.size() || row[pos++] != ' '))
            return false;
        for (std::size_t i = 0; i < kGroupWidths[g]; ++i, ++pos)
            if (pos >= row.size() || (row[pos] != 'C' && row[pos] != 'O'))
                return false;
    }
    return pos == row.size();
}

constexpr bool rowsHaveShape()
{
    for (std::string_view row : SettingRows)
        if (!rowHasShape(row))
            return false;
    return true;
}

constexpr bool rowsAreDistinct()
{
    for (std::size_t i = 0; i < SettingRows.size(); ++i)
        for (std::size_t j = i + 1; j < SettingRows.size(); ++j)
            if (SettingRows[i] == SettingRows[j])
                return false;
    return true;
}

constexpr bool pinNamesAreDistinct()
{
    for (std::size_t i = 0; i < PinOrder.size(); ++i)
        for (std::size_t j = i + 1; j < PinOrder.size(); ++j)
            if (PinOrder[i].name == PinOrder[j].name)
                return false;
    return true;
}

} // namespace detail

static_assert(detail::rowsHaveShape(), "every settings row holds 34 pins in nine jumpers");
static_assert(detail::rowsAreDistinct(), "no two settings are alike");
static_assert(detail::pinNamesAreDistinct());

/// What the jumper display needs from the window: the processor list and the pin marks.
class JumperView
{
public:
    virtual ~JumperView() = default;
    /// Index of the selected processor in the list (`ListIndex`), -1 when none is.
    virtual int selectedIndex() const = 0;
    /// Tag stored with the list entry at `index` (`ItemData`); empty when there is no such entry.
    virtual std::optional<std::int32_t> entryTag(int index) const = 0;
    /// Fill the pin mark called `name` with `bgr` (0xBBGGRR).
    virtual void setPinFill(std::string_view name, std::uint32_t bgr) = 0;
};

enum class ShowResult : std::uint8_t {
    Shown,       ///< all 34 driven pin marks written
    NoRow,       ///< the setting number has no row: nothing written
    NoEntry,     ///< nothing selected: nothing written
    TagOverflow, ///< the tag does not fit in 16 bits: nothing written
};

/// Colours the 34 driven pin marks for the processor selected in the list.
ShowResult ShowJumpers(JumperView& view);

/// The processor list's selection changed.
ShowResult cbocpu_Click(JumperView& view);

} // namespace orvex
