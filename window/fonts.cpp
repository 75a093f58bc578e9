#include "fonts.h"

#include <QFontDatabase>
#include <QResource>
#include <QString>
#include <QStringList>

#include <array>

namespace orvex {
namespace {

struct Family {
    const char* wanted;      // the family the board was drawn with
    const char* lookAlike;   // the free family that stands in for it
    const char* regularFile; // the look-alike, built into the program
    const char* boldFile;    // nullptr: the board never uses it bold
};

enum FamilyId { Bookman, SansSerif, Serif };

constexpr std::array<Family, 3> kFamilies = {{
    {"Bookman Old Style", "TeX Gyre Bonum", ":/fonts/texgyrebonum-regular.otf",
     ":/fonts/texgyrebonum-bold.otf"},
    {"MS Sans Serif", "Liberation Sans", ":/fonts/LiberationSans-Regular.ttf", nullptr},
    {"Times New Roman", "Liberation Serif", ":/fonts/LiberationSerif-Regular.ttf", nullptr},
}};

QString resolveFamily(const Family& f, const QStringList& installed)
{
    // An exact look-up in the family list; hasFamily() would also ask fontconfig for aliases,
    // which costs a few milliseconds at start-up and could hand back a different design.
    if (installed.contains(QString::fromLatin1(f.wanted), Qt::CaseInsensitive))
        return QString::fromLatin1(f.wanted);
    // The same look-alike installed on the machine draws the same: no need to load ours.
    if (installed.contains(QString::fromLatin1(f.lookAlike), Qt::CaseInsensitive))
        return QString::fromLatin1(f.lookAlike);
    QString name;
    for (const char* file : {f.regularFile, f.boldFile}) {
        if (!file)
            continue;
        // The font database keeps the bytes; hand it the resource's own, uncompressed, data
        // rather than a copy of the file.
        const QResource resource(QString::fromLatin1(file));
        const int handle =
            resource.compressionAlgorithm() == QResource::NoCompression
                ? QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                      reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size())))
                : QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        const QStringList families = QFontDatabase::applicationFontFamilies(handle);
        if (name.isEmpty() && !families.isEmpty())
            name = families.constFirst();
    }
    return name.isEmpty() ? QString::fromLatin1(f.wanted) : name; // else the nearest match
}

// All families at once, on first use: every added application font empties Qt's font cache,
// so registering one family after another family's faces were loaded would load them twice.
QString familyName(FamilyId id)
{
    static const std::array<QString, kFamilies.size()> resolved = [] {
        const QStringList installed = QFontDatabase::families();
        std::array<QString, kFamilies.size()> names;
        for (std::size_t i = 0; i < kFamilies.size(); ++i)
            names[i] = resolveFamily(kFamilies[i], installed);
        return names;
    }();
    return resolved[id];
}

// Points of the 96-dpi design to pixels: 8.25 pt is 11 px, 9 pt is 12 px, 6 pt is 8 px.
constexpr int pixels(double points) { return int(points * 96.0 / 72.0 + 0.5); }

QFont makeFont(FamilyId family, double points, bool bold)
{
    QFont font(familyName(family));
    font.setPixelSize(pixels(points));
    font.setBold(bold);
    // Unhinted outlines keep text the same width at every scale, on screen and on paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    // Plain Latin captions need no OpenType shaping: skipping it (and with it kerning and
    // ligatures, which the board's captions never had) saves most of the text layout cost.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::PreferNoShaping));
    return font;
}

} // namespace

QFont boardFont(FontId id)
{
    switch (id) {
    case FontId::Window:
        return makeFont(Bookman, 8.25, false);
    case FontId::WindowBold:
        return makeFont(Bookman, 8.25, true);
    case FontId::Title:
        return makeFont(Bookman, 9, false);
    case FontId::SansSerif:
        return makeFont(SansSerif, 8.25, false);
    case FontId::TimesRoman:
        return makeFont(Serif, 8.25, false);
    case FontId::SmallSerif:
        return makeFont(Serif, 6, false);
    }
    return makeFont(Bookman, 8.25, false);
}

} // namespace orvex
