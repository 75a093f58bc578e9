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
    const char* regularFile; // look-alike built into the program
    const char* boldFile;    // nullptr: the board never uses it bold
};

enum FamilyId { Bookman, SansSerif, Serif };

constexpr std::array<Family, 3> kFamilies = {{
    {"Bookman Old Style", ":/fonts/texgyrebonum-regular.otf", ":/fonts/texgyrebonum-bold.otf"},
    {"MS Sans Serif", ":/fonts/LiberationSans-Regular.ttf", nullptr},
    {"Times New Roman", ":/fonts/LiberationSerif-Regular.ttf", nullptr},
}};

// Loaded on first use only: start-up pays just for the faces it paints.
QString familyName(FamilyId id)
{
    static std::array<QString, kFamilies.size()> resolved;
    QString& name = resolved[id];
    if (!name.isEmpty())
        return name;
    const Family& f = kFamilies[id];
    // An exact look-up in the family list; hasFamily() would also ask fontconfig for aliases,
    // which costs a few milliseconds at start-up and could hand back a different design.
    static const QStringList installed = QFontDatabase::families();
    if (installed.contains(QString::fromLatin1(f.wanted), Qt::CaseInsensitive)) {
        name = QString::fromLatin1(f.wanted);
        return name;
    }
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
    if (name.isEmpty())
        name = QString::fromLatin1(f.wanted); // let the font matcher pick its nearest
    return name;
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
    font.setStyleStrategy(QFont::PreferAntialias);
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
