// makeassets: draws the three pictures of the ORVEX jumper viewer.
//
//   makeassets OUTDIR [FONTDIR]   draw background.png, socket.png, icon.png and
//                                 icon48.png into OUTDIR, with the fonts in
//                                 FONTDIR (default: the repository's assets/fonts)
//   makeassets --check DIR        check the pictures already stored in DIR
//
// Every picture is checked before it is written; the program stops with exit
// code 1 and a message if a check fails. It runs without a display: when
// QT_QPA_PLATFORM is not set it uses the offscreen platform.

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Colours (as RGB; the board's colour values are noted as 0xBBGGRR beside them)

constexpr QRgb kMint = qRgb(0xF0, 0xF9, 0xF2);      // 0xF2F9F0 background ground
constexpr QRgb kBlack = qRgb(0x00, 0x00, 0x00);
constexpr QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb kOrchid = qRgb(0xD5, 0x7C, 0xBC);    // 0xBC7CD5 model name
constexpr QRgb kDeepPink = qRgb(0xCE, 0x13, 0x85);  // 0x8513CE maker's line

constexpr QRgb kCream = qRgb(0xF8, 0xF9, 0xE1);     // 0xE1F9F8 socket body and tabs
constexpr QRgb kShadow = qRgb(0x7C, 0x7C, 0x70);    // 0x707C7C body shadow
constexpr QRgb kMaroon = qRgb(0x5E, 0x0A, 0x07);    // 0x070A5E lever bar
constexpr QRgb kPale = qRgb(0xEA, 0xF5, 0xBC);      // 0xBCF5EA lever tab
constexpr QRgb kGreen = qRgb(0x00, 0x41, 0x1F);     // 0x1F4100 processor
constexpr QRgb kSocketGrey = qRgb(0x99, 0x99, 0x99); // 0x999999 "SOCKET 7"

constexpr QRgb kRed = qRgb(0xFF, 0x00, 0x00);       // 0x0000FF icon disc, bright
constexpr QRgb kDarkRed = qRgb(0x80, 0x00, 0x00);   // 0x000080 icon disc, dark
constexpr QRgb kMidGrey = qRgb(0x80, 0x80, 0x80);   // 0x808080 icon letter corners

// ---------------------------------------------------------------------------
// Geometry of the background picture

constexpr int kBackgroundWidth = 531;
constexpr int kBackgroundHeight = 471;

// Pixel bands (inclusive) that the lettering must keep to.
constexpr QRect kNameBand(QPoint(492, 68), QPoint(518, 328));
constexpr QRect kMakerBand(QPoint(136, 397), QPoint(506, 420));

const QString kModelName = QStringLiteral("ORVEX");
const QString kMakerLine = QStringLiteral("brevane Computer Co., Ltd.");

// The socket picture and the icon.
constexpr int kSocketWidth = 299;
constexpr int kSocketHeight = 288;
constexpr int kIconSize = 32;
constexpr int kIconLargeSize = 48;

// ---------------------------------------------------------------------------
// Fonts

// Outlines are taken at this size and scaled down, so that the result does not
// depend on hinting at small sizes.
constexpr int kOutlinePixelSize = 400;

struct Fonts {
    QString bonum;  // family name of TeX Gyre Bonum (bold face loaded)
};

std::optional<Fonts> loadFonts(const QString &dir)
{
    const QStringList files = {QStringLiteral("texgyrebonum-bold.otf"),
                               QStringLiteral("texgyrebonum-regular.otf")};
    Fonts fonts;
    for (const QString &file : files) {
        const QString path = QDir(dir).filePath(file);
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) {
            std::fprintf(stderr, "makeassets: cannot load font %s\n", qPrintable(path));
            return std::nullopt;
        }
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            std::fprintf(stderr, "makeassets: no font family in %s\n", qPrintable(path));
            return std::nullopt;
        }
        fonts.bonum = families.first();
    }
    return fonts;
}

QFont boldSerif(const Fonts &fonts)
{
    QFont font(fonts.bonum);
    font.setStyleName(QStringLiteral("Bold"));
    font.setWeight(QFont::Bold);
    font.setPixelSize(kOutlinePixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    font.setKerning(true);
    return font;
}

QPainterPath textPath(const QFont &font, const QString &text)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

void fillPath(QPainter &painter, const QPainterPath &path, QRgb colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(colour));
    painter.drawPath(path);
    painter.restore();
}

// Draws one line of text so that its ink is centred on `centre`, with the
// height of its capital letters `capHeight` pixels.
void drawCentredText(QPainter &painter, const Fonts &fonts, const QString &text,
                     QPointF centre, qreal capHeight, QRgb colour)
{
    const QFont font = boldSerif(fonts);
    const qreal scale = capHeight / textPath(font, QStringLiteral("H")).boundingRect().height();
    const QPainterPath path = textPath(font, text);
    const QRectF ink = path.boundingRect();
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(scale, scale);
    t.translate(-ink.center().x(), -ink.center().y());
    fillPath(painter, t.map(path), colour);
}

// ---------------------------------------------------------------------------
// Background picture

QImage makeBackground(const Fonts &fonts)
{
    QImage image(kBackgroundWidth, kBackgroundHeight, QImage::Format_RGB32);
    image.fill(kMint);

    QPainter painter(&image);
    const QFont font = boldSerif(fonts);

    // Model name: turned a quarter turn clockwise, read from top to bottom,
    // the tops of the letters towards the right edge. Each letter is placed on
    // its own so the name can be spaced out along the band.
    {
        std::vector<QPainterPath> letters;
        qreal top = 0, bottom = 0, inkLength = 0;
        for (const QChar c : kModelName) {
            letters.push_back(textPath(font, QString(c)));
            const QRectF r = letters.back().boundingRect();
            top = std::min(top, r.top());
            bottom = std::max(bottom, r.bottom());
            inkLength += r.width();
        }
        // Across the band: ink from x = 492.2 to 518.8, inside columns 492..518.
        const qreal across = kNameBand.width() - 0.4;
        const qreal scale = across / (bottom - top);
        const qreal xRight = kNameBand.right() + 1 - 0.2;
        // Along the band: rows 70..326, equal gaps between the letters' ink.
        const qreal first = kNameBand.top() + 2.2;
        const qreal last = kNameBand.bottom() + 1 - 2.2;
        const qreal gap = ((last - first) - inkLength * scale) / (letters.size() - 1);
        qreal y = first;
        for (const QPainterPath &letter : letters) {
            const QRectF r = letter.boundingRect();
            // Glyph (gx, gy) -> (xRight - (gy - top) * scale, y + (gx - left) * scale)
            const QTransform t(0, scale, -scale, 0, xRight + top * scale,
                               y - r.left() * scale);
            fillPath(painter, t.map(letter), kOrchid);
            y += r.width() * scale + gap;
        }
    }

    // Maker's line near the bottom: ink from the top of the ascenders to the
    // foot of the descenders fills rows 397..420; starts at column 137.
    {
        const QPainterPath path = textPath(font, kMakerLine);
        const QRectF ink = path.boundingRect();
        const qreal left = kMakerBand.left() + 1.2;
        const qreal scale = std::min((kMakerBand.height() - 0.4) / ink.height(),
                                     (kMakerBand.right() + 1 - 0.2 - left) / ink.width());
        QTransform t;
        t.translate(left, kMakerBand.top() + 0.2);
        t.scale(scale, scale);
        t.translate(-ink.left(), -ink.top());
        fillPath(painter, t.map(path), kDeepPink);
    }

    // One-pixel black frame along all four edges.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, kBackgroundWidth, 1, QColor(kBlack));
    painter.fillRect(0, kBackgroundHeight - 1, kBackgroundWidth, 1, QColor(kBlack));
    painter.fillRect(0, 0, 1, kBackgroundHeight, QColor(kBlack));
    painter.fillRect(kBackgroundWidth - 1, 0, 1, kBackgroundHeight, QColor(kBlack));
    painter.end();
    return image;
}

// ---------------------------------------------------------------------------
// Processor-socket picture

QImage makeSocket(const Fonts &fonts)
{
    QImage image(kSocketWidth, kSocketHeight, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QRect body(44, 24, 230, 230);
    const int shadowOffset = 8;
    const int outline = 2;

    // Tabs that hold the socket, two above the top edge and two below the
    // bottom edge.
    const int tabWidth = 26, tabHeight = 12;
    const std::array<QRect, 4> tabs = {
        QRect(body.left() + 46, body.top() - tabHeight, tabWidth, tabHeight),
        QRect(body.right() - 46 - tabWidth + 1, body.top() - tabHeight, tabWidth, tabHeight),
        QRect(body.left() + 46, body.bottom() + 1, tabWidth, tabHeight),
        QRect(body.right() - 46 - tabWidth + 1, body.bottom() + 1, tabWidth, tabHeight),
    };

    auto outlinedBox = [&](const QRect &r, QRgb fill) {
        painter.fillRect(r, QColor(kBlack));
        painter.fillRect(r.adjusted(outline, outline, -outline, -outline), QColor(fill));
    };

    // Shadow of the body and of its lower tabs, to the right and bottom.
    painter.fillRect(body.translated(shadowOffset, shadowOffset), QColor(kShadow));
    painter.fillRect(tabs[2].translated(shadowOffset, shadowOffset), QColor(kShadow));
    painter.fillRect(tabs[3].translated(shadowOffset, shadowOffset), QColor(kShadow));

    for (const QRect &tab : tabs)
        outlinedBox(tab.adjusted(0, tab.top() < body.top() ? 0 : -outline,
                                 0, tab.top() < body.top() ? outline : 0),
                    kCream);
    outlinedBox(body, kCream);

    // Lever bar along the left side, with its tab at the lower end.
    const QRect lever(body.left() - 19, body.top() + 10, 15, body.height() + 6);
    outlinedBox(lever, kMaroon);
    const QRect leverTab(lever.left() - 4, lever.bottom() - 1, lever.width() + 8, 16);
    outlinedBox(leverTab, kPale);

    // The processor: a dark green square in the upper part of the body, with
    // a black shadow.
    const QRect cpu(body.left() + 42, body.top() + 14, 146, 146);
    painter.fillRect(cpu.translated(7, 7), QColor(kBlack));
    painter.fillRect(cpu, QColor(kGreen));

    const QStringList lines = {QStringLiteral("intel"), QStringLiteral("AMD"),
                               QStringLiteral("CYRIX"), QStringLiteral("CPU")};
    const qreal pitch = cpu.height() / qreal(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QPointF centre(cpu.left() + cpu.width() / 2.0,
                             cpu.top() + pitch * (i + 0.5));
        drawCentredText(painter, fonts, lines[i], centre, 22.0, kWhite);
    }

    // "SOCKET 7" on the body under the processor.
    const qreal textTop = cpu.bottom() + 7 + 1;
    const QPointF socketCentre(cpu.left() + cpu.width() / 2.0,
                               (textTop + body.bottom() - outline) / 2.0 + 1);
    drawCentredText(painter, fonts, QStringLiteral("SOCKET 7"), socketCentre, 24.0,
                    kSocketGrey);

    painter.end();
    return image;
}

// ---------------------------------------------------------------------------
// Window icon: 32 x 32, 16 colours

// The 16-colour palette of the icon.
constexpr std::array<QRgb, 16> kIconPalette = {
    qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00),
    qRgb(0x80, 0x80, 0x00), qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80),
    qRgb(0x00, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0), qRgb(0x80, 0x80, 0x80),
    qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
    qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF),
    qRgb(0xFF, 0xFF, 0xFF),
};

int paletteIndex(QRgb colour)
{
    const auto it = std::find(kIconPalette.begin(), kIconPalette.end(), colour);
    return it == kIconPalette.end() ? -1 : int(it - kIconPalette.begin());
}

// Lower-case block letters, three pixels wide: '#' white, '+' mid-grey,
// '.' the disc shows through. The letters stand on a common baseline; "b" has
// a two-row ascender.
struct Glyph {
    char letter;
    std::array<const char *, 7> rows;
};

constexpr std::array<Glyph, 6> kIconGlyphs = {{
    {'b', {"#..", "#..", "##+", "#.#", "#.#", "#.#", "##+"}},
    {'r', {"...", "...", "+##", "#..", "#..", "#..", "#.."}},
    {'e', {"...", "...", "+#+", "#.#", "###", "#..", "+##"}},
    {'v', {"...", "...", "#.#", "#.#", "#.#", "+#+", ".#."}},
    {'a', {"...", "...", "##+", "..#", "+##", "#.#", "+##"}},
    {'n', {"...", "...", "##+", "#.#", "#.#", "#.#", "#.#"}},
}};

const Glyph *findGlyph(char c)
{
    for (const Glyph &g : kIconGlyphs)
        if (g.letter == c)
            return &g;
    return nullptr;
}

const char *const kIconWord = "brevane";
constexpr int kIconTextLeft = 2;  // first column of the word
constexpr int kIconTextTop = 12;  // top row of the ascender of "b"

QImage makeIcon()
{
    QImage image(kIconSize, kIconSize, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(kIconPalette.begin(), kIconPalette.end()));
    const int black = paletteIndex(kBlack);
    const int red = paletteIndex(kRed);
    const int darkRed = paletteIndex(kDarkRed);
    const int white = paletteIndex(kWhite);
    const int grey = paletteIndex(kMidGrey);
    image.fill(black);

    // Disc 29 pixels across, centred on the icon, as a checkerboard.
    const qreal centre = 15.5;  // the middle of pixel 15: 29 pixels, 1..29
    const qreal radius = 14.5;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const qreal dx = x + 0.5 - centre, dy = y + 0.5 - centre;
            if (dx * dx + dy * dy <= radius * radius)
                image.setPixel(x, y, (x + y) % 2 == 0 ? red : darkRed);
        }
    }

    int left = kIconTextLeft;
    for (const char *p = kIconWord; *p; ++p) {
        const Glyph *glyph = findGlyph(*p);
        for (int row = 0; row < int(glyph->rows.size()); ++row) {
            for (int col = 0; col < 3; ++col) {
                const char cell = glyph->rows[row][col];
                if (cell == '#')
                    image.setPixel(left + col, kIconTextTop + row, white);
                else if (cell == '+')
                    image.setPixel(left + col, kIconTextTop + row, grey);
            }
        }
        left += 4;
    }
    return image;
}

QImage makeLargeIcon(const QImage &icon)
{
    return icon.convertToFormat(QImage::Format_RGB32)
        .scaled(kIconLargeSize, kIconLargeSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// ---------------------------------------------------------------------------
// Checks

class Checker {
public:
    explicit Checker(const char *picture) : m_picture(picture) {}

    void require(bool ok, const std::string &what)
    {
        if (!ok) {
            std::fprintf(stderr, "makeassets: %s: %s\n", m_picture, what.c_str());
            m_ok = false;
        }
    }
    bool ok() const { return m_ok; }

private:
    const char *m_picture;
    bool m_ok = true;
};

std::string rectText(const QRect &r)
{
    return "columns " + std::to_string(r.left()) + ".." + std::to_string(r.right()) +
           ", rows " + std::to_string(r.top()) + ".." + std::to_string(r.bottom());
}

// True if `c` lies between the ground and `ink`, channel by channel, as a
// smoothed edge pixel does.
bool isBlend(QRgb c, QRgb ground, QRgb ink)
{
    auto between = [](int v, int a, int b) { return v >= std::min(a, b) && v <= std::max(a, b); };
    return between(qRed(c), qRed(ground), qRed(ink)) &&
           between(qGreen(c), qGreen(ground), qGreen(ink)) &&
           between(qBlue(c), qBlue(ground), qBlue(ink));
}

struct InkReport {
    QRect bounds;     // bounding box of the non-ground pixels
    int full = 0;     // pixels of exactly the ink colour
    int edge = 0;     // smoothed edge pixels
    int foreign = 0;  // pixels that are neither ground nor a blend towards ink
};

InkReport measureInk(const QImage &image, const QRect &band, QRgb ground, QRgb ink)
{
    InkReport report;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000u;
            if (c == ground)
                continue;
            report.bounds |= QRect(x, y, 1, 1);
            if (c == ink)
                ++report.full;
            else if (isBlend(c, ground, ink))
                ++report.edge;
            else
                ++report.foreign;
        }
    }
    return report;
}

bool checkBackground(const QImage &image, bool verbose)
{
    Checker check("background.png");
    check.require(image.width() == kBackgroundWidth && image.height() == kBackgroundHeight,
                  "size must be 531 x 471");
    check.require(!image.hasAlphaChannel(), "must have no alpha channel");
    if (!check.ok())
        return false;

    const QRect inside(1, 1, kBackgroundWidth - 2, kBackgroundHeight - 2);
    int frameFaults = 0, strays = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000u;
            if (!inside.contains(x, y)) {
                frameFaults += c != kBlack;
            } else if (c != kMint && !kNameBand.contains(x, y) && !kMakerBand.contains(x, y)) {
                ++strays;
            }
        }
    }
    check.require(frameFaults == 0, "the frame must be black along all four edges");
    check.require(strays == 0, std::to_string(strays) +
                                   " non-ground pixels outside the frame, name and maker bands");

    const InkReport name = measureInk(image, kNameBand, kMint, kOrchid);
    const InkReport maker = measureInk(image, kMakerBand, kMint, kDeepPink);
    if (verbose) {
        std::printf("background.png: name %s; maker's line %s\n",
                    rectText(name.bounds).c_str(), rectText(maker.bounds).c_str());
    }
    check.require(name.foreign == 0 && maker.foreign == 0,
                  "lettering must be in its colour with smoothed edges only");
    check.require(name.full > 0 && name.edge > 0, "name must be orchid with smoothed edges");
    check.require(maker.full > 0 && maker.edge > 0,
                  "maker's line must be deep pink with smoothed edges");
    // The name stands about 27 pixels high across the band and is spaced out
    // along most of it; the maker's line fills most of its box.
    check.require(name.bounds.width() >= 26, "name must be about 27 pixels high");
    check.require(name.bounds.height() >= 240, "name must span most of rows 68..328");
    check.require(maker.bounds.height() >= 23, "maker's line must be about 24 pixels high");
    check.require(maker.bounds.width() >= 300, "maker's line must fill most of its box");
    return check.ok();
}

bool checkSocket(const QImage &image)
{
    Checker check("socket.png");
    check.require(image.width() == kSocketWidth && image.height() == kSocketHeight,
                  "size must be 299 x 288");
    check.require(!image.hasAlphaChannel(), "must have no alpha channel");
    if (!check.ok())
        return false;

    const std::array<std::pair<QRgb, const char *>, 8> colours = {{
        {kCream, "cream body"},
        {kShadow, "grey shadow"},
        {kMaroon, "maroon lever"},
        {kPale, "pale lever tab"},
        {kGreen, "green processor"},
        {kBlack, "black processor shadow"},
        {kWhite, "white lettering"},
        {kSocketGrey, "grey \"SOCKET 7\""},
    }};
    for (const auto &[colour, what] : colours) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += (image.pixel(x, y) | 0xFF000000u) == colour;
        check.require(count >= 20, std::string("missing the ") + what);
    }
    for (const QPoint corner : {QPoint(0, 0), QPoint(kSocketWidth - 1, 0),
                                QPoint(0, kSocketHeight - 1),
                                QPoint(kSocketWidth - 1, kSocketHeight - 1)}) {
        check.require((image.pixel(corner) | 0xFF000000u) == kWhite,
                      "the ground must be white at the corners");
    }
    // The body fills the middle of the picture: most pixels of the central
    // half that are not processor or lettering are cream.
    int cream = 0, total = 0;
    for (int y = kSocketHeight / 4; y < kSocketHeight * 3 / 4; ++y) {
        for (int x = kSocketWidth / 4; x < kSocketWidth * 3 / 4; ++x) {
            ++total;
            cream += (image.pixel(x, y) | 0xFF000000u) == kCream;
        }
    }
    check.require(cream * 10 >= total, "cream body must show in the middle of the picture");
    return check.ok();
}

bool checkIcon(const QImage &image)
{
    Checker check("icon.png");
    check.require(image.width() == kIconSize && image.height() == kIconSize,
                  "size must be 32 x 32");
    check.require(image.format() == QImage::Format_Indexed8 && image.colorCount() <= 16,
                  "must be a 16-colour indexed image");
    check.require(!image.hasAlphaChannel(), "must have no transparent pixels");
    if (!check.ok())
        return false;

    QRect disc;
    int white = 0, grey = 0, others = 0, checkerFaults = 0;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000u;
            if (c != kBlack)
                disc |= QRect(x, y, 1, 1);
            if (c == kWhite)
                ++white;
            else if (c == kMidGrey)
                ++grey;
            else if (c == kRed)
                checkerFaults += (x + y) % 2 != 0;
            else if (c == kDarkRed)
                checkerFaults += (x + y) % 2 != 1;
            else if (c != kBlack)
                ++others;
        }
    }
    check.require(disc.width() == 29 && disc.height() == 29, "disc must be 29 pixels across");
    check.require(checkerFaults == 0, "disc must be a checkerboard of bright and dark red");
    check.require(white >= 40, "the name must be written in white");
    check.require(grey > 0, "letters must have mid-grey corner pixels");
    check.require(others == 0, "icon uses a colour outside its design");
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        check.require((image.pixel(corner) | 0xFF000000u) == kBlack, "corners must be black");
    return check.ok();
}

bool checkAll(const QImage &background, const QImage &socket, const QImage &icon,
              const QImage &largeIcon, bool verbose)
{
    bool ok = checkBackground(background, verbose);
    ok = checkSocket(socket) && ok;
    ok = checkIcon(icon) && ok;
    Checker large("icon48.png");
    large.require(largeIcon.width() == kIconLargeSize && largeIcon.height() == kIconLargeSize,
                  "size must be 48 x 48");
    large.require(!largeIcon.hasAlphaChannel(), "must have no transparent pixels");
    return large.ok() && ok;
}

// ---------------------------------------------------------------------------

int usage()
{
    std::fprintf(stderr,
                 "usage: makeassets OUTDIR [FONTDIR]\n"
                 "       makeassets --check DIR\n");
    return 2;
}

bool save(const QImage &image, const QString &dir, const char *name)
{
    const QString path = QDir(dir).filePath(QString::fromLatin1(name));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "makeassets: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    if (!args.isEmpty() && args.first() == QLatin1String("--check")) {
        if (args.size() != 2)
            return usage();
        const QDir dir(args[1]);
        const QImage icon(dir.filePath(QStringLiteral("icon.png")));
        const bool ok = checkAll(QImage(dir.filePath(QStringLiteral("background.png"))),
                                 QImage(dir.filePath(QStringLiteral("socket.png"))), icon,
                                 QImage(dir.filePath(QStringLiteral("icon48.png"))), true);
        std::printf(ok ? "pictures in %s are good\n" : "pictures in %s have faults\n",
                    qPrintable(args[1]));
        return ok ? 0 : 1;
    }

    if (args.isEmpty() || args.size() > 2 || args.first().startsWith(QLatin1Char('-')))
        return usage();
    const QString outDir = args[0];
    const QString fontDir =
        args.size() > 1 ? args[1] : QStringLiteral(MAKEASSETS_DEFAULT_FONT_DIR);

    const std::optional<Fonts> fonts = loadFonts(fontDir);
    if (!fonts)
        return 1;
    // Make sure the lettering gets the loaded face and not a look-alike.
    const QFontInfo used(boldSerif(*fonts));
    if (used.family() != fonts->bonum || used.weight() < QFont::Bold) {
        std::fprintf(stderr, "makeassets: bold face of %s not available (got %s)\n",
                     qPrintable(fonts->bonum), qPrintable(used.family()));
        return 1;
    }

    const QImage background = makeBackground(*fonts);
    const QImage socket = makeSocket(*fonts);
    const QImage icon = makeIcon();
    const QImage largeIcon = makeLargeIcon(icon);
    if (!checkAll(background, socket, icon, largeIcon, true))
        return 1;

    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "makeassets: cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    const bool ok = save(background, outDir, "background.png") &&
                    save(socket, outDir, "socket.png") && save(icon, outDir, "icon.png") &&
                    save(largeIcon, outDir, "icon48.png");
    return ok ? 0 : 1;
}
