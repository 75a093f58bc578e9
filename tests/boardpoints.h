#pragma once

// Places on the board written out again from the board's chart, independently of the
// program's own element table, so the tests catch a wrong row there.

#include <QColor>
#include <QPointF>
#include <QString>

#include <array>

namespace boardpoints {

struct Mark {
    const char* name;
    int left, top, size; // twips
};

// All 41 jumper pin marks.
inline constexpr std::array<Mark, 41> kMarks = {{
    {"v1jp1", 5760, 4710, 135},  {"v2jp1", 5760, 4560, 135},  {"v3jp1", 5880, 4710, 135},
    {"v4jp1", 5880, 4560, 135},  {"v5jp1", 6000, 4710, 135},  {"v6jp1", 6000, 4560, 135},
    {"v1jp2", 6540, 4680, 135},  {"v2jp2", 6540, 4560, 135},  {"v1jp3", 6360, 4680, 135},
    {"v2jp3", 6360, 4560, 135},  {"h1jp4", 360, 3720, 132},   {"h2jp4", 480, 3720, 132},
    {"h3jp4", 600, 3720, 132},   {"v1jp5", 4575, 3725, 135},  {"v2jp5", 4580, 3600, 132},
    {"v3jp5", 4580, 3480, 132},  {"v1jp6", 4770, 3720, 132},  {"v2jp6", 4770, 3600, 132},
    {"v3jp6", 4770, 3480, 132},  {"v1jp7", 4970, 3720, 132},  {"v2jp7", 4970, 3600, 132},
    {"v3jp7", 4970, 3480, 132},  {"v1jp8", 5160, 3720, 132},  {"v2jp8", 5160, 3600, 132},
    {"v3jp8", 5160, 3480, 132},  {"A1jp9", 4800, 4680, 135},  {"A2jp9", 4800, 4560, 135},
    {"B1jp9", 4950, 4680, 135},  {"b2jp9", 4950, 4560, 135},  {"c1jp9", 5100, 4680, 135},
    {"c2jp9", 5100, 4560, 135},  {"d1jp9", 5250, 4680, 135},  {"d2jp9", 5250, 4560, 135},
    {"e1jp9", 5400, 4680, 135},  {"e2jp9", 5400, 4560, 135},  {"Shape38", 5555, 4680, 135},
    {"Shape39", 5555, 4560, 135}, {"v1jp10", 6825, 1050, 135}, {"v2jp10", 6825, 945, 135},
    {"v1jp11", 6720, 4680, 135}, {"v2jp11", 6720, 4560, 135},
}};

// The 34 marks the processor choice drives, in the order of the settings chart.
inline constexpr std::array<const char*, 34> kDriven = {
    "v1jp6", "v2jp6", "v3jp6", "v1jp7", "v2jp7", "v3jp7", "v1jp8", "v2jp8", "v3jp8",
    "v1jp2", "v2jp2", "v1jp3", "v2jp3", "A1jp9", "A2jp9", "B1jp9", "b2jp9", "c1jp9",
    "c2jp9", "d1jp9", "d2jp9", "e1jp9", "e2jp9", "v1jp10", "v2jp10", "v1jp5", "v2jp5",
    "v3jp5", "v1jp1", "v2jp1", "v3jp1", "v4jp1", "v5jp1", "v6jp1",
};

// The seven marks that never change, with their colour.
struct FixedMark {
    const char* name;
    QRgb colour;
};
inline constexpr std::array<FixedMark, 7> kFixed = {{
    {"h1jp4", 0xFF808080}, {"h2jp4", 0xFF808080}, {"h3jp4", 0xFFFFFFFF}, {"v1jp11", 0xFFFFFFFF},
    {"v2jp11", 0xFFFFFFFF}, {"Shape38", 0xFFFFFFFF}, {"Shape39", 0xFFFFFFFF},
}};

inline const Mark* mark(const QString& name)
{
    for (const Mark& m : kMarks)
        if (name == QLatin1String(m.name))
            return &m;
    return nullptr;
}

/// Centre of a mark in pixels of the 96-dpi drawing (15 twips to the pixel).
inline QPointF centre(const Mark& m)
{
    return {(m.left + m.size / 2.0) / 15.0, (m.top + m.size / 2.0) / 15.0};
}

inline QPointF centre(const char* name)
{
    return centre(*mark(QString::fromLatin1(name)));
}

/// A settings row as "OCC CCO ..." (spaces ignored) turned into the colour of each driven mark.
inline QRgb pinColour(const QString& row, int index)
{
    const QString letters = QString(row).remove(QLatin1Char(' '));
    return letters.at(index) == QLatin1Char('C') ? 0xFF808080 : 0xFFFFFFFF;
}

} // namespace boardpoints
