// The processor list and the jumper settings, without a window.

#include "catalogue.h"
#include "jumpers.h"

#include <QTest>

#include <map>
#include <string>
#include <vector>

using namespace orvex;

Q_DECLARE_METATYPE(orvex::ShowResult)

namespace {

QString qs(std::string_view s)
{
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// A stand-in window: a list of tags, a selection, and every pin write in order.
struct FakeView : JumperView {
    std::vector<std::int32_t> tags;
    int selected = -1;
    std::vector<std::pair<std::string, std::uint32_t>> writes;

    int selectedIndex() const override { return selected; }
    std::optional<std::int32_t> entryTag(int index) const override
    {
        if (index < 0 || index >= int(tags.size()))
            return std::nullopt;
        return tags[std::size_t(index)];
    }
    void setPinFill(std::string_view name, std::uint32_t bgr) override
    {
        writes.emplace_back(std::string(name), bgr);
    }
};

FakeView viewWithTag(std::int32_t tag)
{
    FakeView view;
    view.tags = {tag};
    view.selected = 0;
    return view;
}

// Pin states of one setting spelled the way the board's manual gives them per jumper.
std::string threePin(const char* closed) // "1-2" or "2-3"
{
    return QByteArray(closed) == "1-2" ? "CCO" : "OCC";
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void catalogue_data();
    void catalogue();
    void catalogueShape();
    void settingNumber_data();
    void settingNumber();
    void rows_data();
    void rows();
    void rowInvariants();
    void noRowForOtherNumbers_data();
    void noRowForOtherNumbers();
    void showJumpersWritesEveryPinOnce_data();
    void showJumpersWritesEveryPinOnce();
    void showJumpersWritesNothing_data();
    void showJumpersWritesNothing();
    void showJumpersReadsAfresh();
};

void TestSettings::catalogue_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("tag");

    struct Row {
        const char* text;
        int length;
        int tag;
    };
    const Row rows[] = {
        {" INTEL PENTIUM 75 MHz (3.3v)", 28, 702},
        {" INTEL PENTIUM 90 MHz (3.3v)", 28, 902},
        {" INTEL PENTIUM 100 MHz (3.3v)", 29, 102},
        {" INTEL PENTIUM 120 MHz (3.3v)", 29, 202},
        {" INTEL PENTIUM 133 MHz (3.3v)", 29, 302},
        {" INTEL PENTIUM 150 MHz (3.3v)", 29, 502},
        {" INTEL PENTIUM 166 MHz (3.3v)", 29, 602},
        {" INTEL PENTIUM 200 MHz (3.3v)", 29, 802},
        {" INTEL MMX 166 MHz (2.8/3.3v)", 29, 2202},
        {" INTEL MMX 200 MHz (2.8/3.3v)", 29, 1302},
        {" INTEL MMX 233 MHz (2.8/3.3v)", 29, 2802},
        {" CYRIX 6x86  120+  100 MHz 3.52V ", 33, 402},
        {" CYRIX 6x86 133+   110 MHz 3.52V ", 33, 1002},
        {" CYRIX 6x86 150+  120 MHz 3.52V ", 32, 1102},
        {" CYRIX 6x86  166+  133 MHz   3.52V ", 35, 1202},
        {" CYRIX 6x86 150 MHz (200+)3.52V ", 32, 1502},
        {" CYRIX 6x86L 166+ 133MHz Dual Voltages(2.8/3.3V ) ", 50, 1402},
        {" CYRIX 6x86L 200+ 150 MHz Dual Voltages (2.8/3.3V)", 50, 1602},
        {" CYRIX 6x86 MX PR166 66MHz , 2.0 ratio (2.9/3.3V ) ", 51, 2502},
        {" CYRIX 6x86 MX PR200 66MHz, 2.5 ratio (2.9/3.3V) ", 49, 2602},
        {" CYRIX 6x86 MX PR200 75MHz, 2.0 ratio (2.9/3.3V)", 48, 2702},
        {" AMD K5 PR75 75 MHz (3.52v)", 27, 1702},
        {" AMD K5 PR90 90 MHz (3.52v)", 27, 1902},
        {" AMD K5 PR100 100 MHz (3.52v)", 29, 1802},
        {" AMD K5 PR120 90 MHz (3.52v)", 28, 1902},
        {" AMD K5 PR133 100 MHz (3.52v)", 29, 1802},
        {" AMD K5 PR150 120 MHz (3.52v)", 29, 2002},
        {" AMD K5 PR166 166 MHz (3.52v)", 29, 2102},
        {" AMD K6 MMX PR166 166 MHz (2.9/3.3v)", 36, 2302},
        {" AMD K6 MMX PR200 200MHz ( 2.9/3.3v)", 36, 2402},
        {" AMD K6 MMX PR233   233MHz ( 3.2v)", 34, 2902},
    };
    int position = 0;
    for (const Row& r : rows) {
        QTest::addRow("entry %d,%s -> tag %d", position, r.text, r.tag)
            << position << QString::fromLatin1(r.text) << r.length << r.tag;
        ++position;
    }
}

void TestSettings::catalogue()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(int, tag);
    const CpuEntry& entry = CpuCatalogue.at(std::size_t(position));
    QCOMPARE(qs(entry.text), text);
    QCOMPARE(int(entry.text.size()), length); // the count of the manual, spaces included
    QCOMPARE(entry.tag, tag);
}

void TestSettings::catalogueShape()
{
    QCOMPARE(CpuCatalogue.size(), std::size_t(31));
    QCOMPARE(InitialCpuIndex, 4);
    QCOMPARE(qs(CpuCatalogue[InitialCpuIndex].text), QStringLiteral(" INTEL PENTIUM 133 MHz (3.3v)"));
    // Which entries share a setting: 23 and 25 (18), 22 and 24 (19), nobody else.
    std::map<int, std::vector<int>> bySetting;
    for (int i = 0; i < int(CpuCatalogue.size()); ++i)
        bySetting[*GetSettingNumber(CpuCatalogue[std::size_t(i)].tag)].push_back(i);
    QCOMPARE(int(bySetting.size()), 29);
    QCOMPARE(bySetting.begin()->first, 1);
    QCOMPARE(bySetting.rbegin()->first, 29);
    QCOMPARE(bySetting[18], (std::vector<int>{23, 25}));
    QCOMPARE(bySetting[19], (std::vector<int>{22, 24}));
    for (const auto& [setting, entries] : bySetting)
        if (setting != 18 && setting != 19)
            QCOMPARE(entries.size(), std::size_t(1));
}

void TestSettings::settingNumber_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("overflow");
    QTest::addColumn<int>("setting");

    QTest::newRow("302 -> 3") << 302 << false << 3;
    QTest::newRow("102, smallest tag -> 1") << 102 << false << 1;
    QTest::newRow("2902, largest tag -> 29") << 2902 << false << 29;
    QTest::newRow("1999 -> 19, not rounded up") << 1999 << false << 19;
    QTest::newRow("-199 -> -1, toward zero") << -199 << false << -1;
    QTest::newRow("-102 -> -1") << -102 << false << -1;
    QTest::newRow("99 -> 0") << 99 << false << 0;
    QTest::newRow("2 -> 0") << 2 << false << 0;
    QTest::newRow("0 -> 0") << 0 << false << 0;
    QTest::newRow("3002 -> 30") << 3002 << false << 30;
    QTest::newRow("32767, top of 16 bits -> 327") << 32767 << false << 327;
    QTest::newRow("-32768, bottom of 16 bits -> -327") << -32768 << false << -327;
    QTest::newRow("32768 overflows") << 32768 << true << 0;
    QTest::newRow("-32769 overflows") << -32769 << true << 0;
    QTest::newRow("65838 overflows, not wrapped to 302") << 65838 << true << 0;
    QTest::newRow("INT32_MAX overflows") << int(INT32_MAX) << true << 0;
}

void TestSettings::settingNumber()
{
    QFETCH(int, tag);
    QFETCH(bool, overflow);
    QFETCH(int, setting);
    const std::optional<int> result = GetSettingNumber(tag);
    QCOMPARE(!result.has_value(), overflow);
    if (result)
        QCOMPARE(*result, setting);
}

// Each setting as the board's jumper chart gives it, column by column.
void TestSettings::rows_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QString>("expected");

    struct Chart {
        int setting;
        const char *jp6, *jp7, *jp8;
        bool jp2, jp3;
        const char* jp9; // rows A to E with both pins closed
        bool jp10;
        const char* jp5;
        bool jp1low; // pins 1 to 4 closed, else 3 to 6
    };
    const Chart charts[] = {
        {1, "2-3", "1-2", "2-3", false, false, "BCE", false, "1-2", true},
        {2, "2-3", "2-3", "1-2", false, true, "BCE", false, "1-2", true},
        {3, "2-3", "1-2", "2-3", false, true, "BCE", false, "1-2", true},
        {4, "2-3", "2-3", "2-3", false, true, "BCDE", true, "1-2", true},
        {5, "2-3", "2-3", "1-2", true, true, "BCE", false, "1-2", true},
        {6, "2-3", "1-2", "2-3", true, true, "BCE", false, "1-2", true},
        {7, "2-3", "2-3", "2-3", false, false, "BCE", false, "1-2", true},
        {8, "2-3", "1-2", "2-3", true, false, "BCE", false, "1-2", true},
        {9, "2-3", "2-3", "1-2", false, false, "BCE", false, "1-2", true},
        {10, "1-2", "2-3", "2-3", false, true, "BCDE", true, "1-2", true},
        {11, "2-3", "2-3", "1-2", false, true, "BCDE", true, "1-2", true},
        {12, "2-3", "1-2", "2-3", false, true, "BCDE", true, "1-2", true},
        {13, "2-3", "1-2", "2-3", true, false, "B", false, "1-2", false},
        {14, "2-3", "1-2", "2-3", false, true, "B", true, "1-2", false},
        {15, "1-2", "2-3", "1-2", false, true, "BCDE", true, "2-3", true},
        {16, "1-2", "2-3", "1-2", false, true, "B", true, "2-3", false},
        {17, "2-3", "2-3", "2-3", false, false, "BCDE", false, "1-2", true},
        {18, "2-3", "1-2", "2-3", false, false, "BCDE", false, "1-2", true},
        {19, "2-3", "2-3", "1-2", false, false, "BCDE", false, "1-2", true},
        {20, "2-3", "2-3", "1-2", true, true, "BCDE", false, "1-2", true},
        {21, "2-3", "1-2", "2-3", true, true, "BCDE", false, "1-2", true},
        {22, "2-3", "1-2", "2-3", true, true, "B", false, "1-2", false},
        {23, "2-3", "1-2", "2-3", true, true, "BE", false, "1-2", false},
        {24, "2-3", "1-2", "2-3", true, false, "BE", false, "1-2", false},
        {25, "2-3", "1-2", "2-3", false, true, "BE", true, "1-2", false},
        {26, "2-3", "1-2", "2-3", true, true, "BE", true, "1-2", false},
        {27, "1-2", "2-3", "1-2", false, true, "BE", true, "2-3", false},
        {28, "2-3", "1-2", "2-3", false, false, "B", false, "1-2", false},
        {29, "2-3", "1-2", "2-3", false, false, "BC", false, "1-2", false},
    };
    for (const Chart& c : charts) {
        std::string pins = threePin(c.jp6) + threePin(c.jp7) + threePin(c.jp8);
        pins += c.jp2 ? "CC" : "OO";
        pins += c.jp3 ? "CC" : "OO";
        for (char row : std::string("ABCDE"))
            pins += std::string(c.jp9).find(row) != std::string::npos ? "CC" : "OO";
        pins += c.jp10 ? "CC" : "OO";
        pins += threePin(c.jp5);
        pins += c.jp1low ? "CCCCOO" : "OOCCCC";
        QTest::addRow("setting %d", c.setting) << c.setting << QString::fromStdString(pins);
    }
}

void TestSettings::rows()
{
    QFETCH(int, setting);
    QFETCH(QString, expected);
    const std::optional<PinStates> states = GetPinStates(setting);
    QVERIFY(states.has_value());
    QString got;
    for (PinState s : *states)
        got += s == PinState::Closed ? QLatin1Char('C') : QLatin1Char('O');
    QCOMPARE(got, expected);
}

void TestSettings::rowInvariants()
{
    // Positions in pin order.
    const auto index = [](std::string_view name) {
        for (std::size_t i = 0; i < PinOrder.size(); ++i)
            if (PinOrder[i].name == name)
                return i;
        return PinOrder.size();
    };
    const auto closed = [&](const PinStates& s, std::string_view name) {
        return s.at(index(name)) == PinState::Closed;
    };
    for (int setting = 1; setting <= 29; ++setting) {
        const PinStates s = *GetPinStates(setting);
        const QByteArray where = "setting " + QByteArray::number(setting);
        QVERIFY2(!closed(s, "A1jp9") && !closed(s, "A2jp9"), where + ": JP9 row A must be open");
        QVERIFY2(closed(s, "B1jp9") && closed(s, "b2jp9"), where + ": JP9 row B must be closed");
        for (auto [one, two] : {std::pair{"v1jp2", "v2jp2"}, {"v1jp3", "v2jp3"},
                                {"v1jp10", "v2jp10"}, {"c1jp9", "c2jp9"}, {"d1jp9", "d2jp9"},
                                {"e1jp9", "e2jp9"}})
            QVERIFY2(closed(s, one) == closed(s, two), where + ": half a cap on " + one);
        for (const char* jp : {"jp5", "jp6", "jp7", "jp8"}) {
            const bool p1 = closed(s, std::string("v1") + jp);
            const bool p2 = closed(s, std::string("v2") + jp);
            const bool p3 = closed(s, std::string("v3") + jp);
            QVERIFY2(p2 && p1 != p3, where + ": three-pin jumper not 1-2 or 2-3 on " + jp);
        }
        const bool low = closed(s, "v1jp1");
        QVERIFY2(closed(s, "v3jp1") && closed(s, "v4jp1"), where + ": JP1 pins 3-4");
        QVERIFY2(closed(s, "v2jp1") == low && closed(s, "v5jp1") == !low
                     && closed(s, "v6jp1") == !low,
                 where + ": JP1 is neither 1 to 4 nor 3 to 6");
    }
    // No two settings alike.
    for (int a = 1; a <= 29; ++a)
        for (int b = a + 1; b <= 29; ++b)
            QVERIFY(*GetPinStates(a) != *GetPinStates(b));
}

void TestSettings::noRowForOtherNumbers_data()
{
    QTest::addColumn<int>("setting");
    for (int n : {0, -1, 30, 327, -327, 100})
        QTest::addRow("setting %d", n) << n;
}

void TestSettings::noRowForOtherNumbers()
{
    QFETCH(int, setting);
    QVERIFY(!GetPinStates(setting).has_value());
}

void TestSettings::showJumpersWritesEveryPinOnce_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("expected");
    QTest::newRow("entry 4, tag 302 -> setting 3")
        << 302 << "OCCCCOOCCOOCCOOCCCCOOCCOOCCOCCCCOO";
    QTest::newRow("entry 30, AMD K6 PR233 -> setting 29")
        << 2902 << "OCCCCOOCCOOOOOOCCCCOOOOOOCCOOOCCCC";
    QTest::newRow("tag 1999 -> setting 19") << 1999 << "OCCOCCCCOOOOOOOCCCCCCCCOOCCOCCCCOO";
}

void TestSettings::showJumpersWritesEveryPinOnce()
{
    QFETCH(int, tag);
    QFETCH(QString, expected);
    FakeView view = viewWithTag(tag);
    QCOMPARE(cbocpu_Click(view), ShowResult::Shown);
    QCOMPARE(view.writes.size(), kPinCount);
    QString got;
    for (std::size_t i = 0; i < view.writes.size(); ++i) {
        const auto& [name, colour] = view.writes[i];
        QCOMPARE(qs(name), qs(PinOrder[i].name)); // in pin order, each once
        QVERIFY2(colour == 0x808080 || colour == 0xFFFFFF, name.c_str());
        got += colour == 0x808080 ? QLatin1Char('C') : QLatin1Char('O');
    }
    QCOMPARE(got, expected);
}

void TestSettings::showJumpersWritesNothing_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("selected");
    QTest::addColumn<ShowResult>("result");
    QTest::newRow("tag 99: setting 0 has no row") << 99 << 0 << ShowResult::NoRow;
    QTest::newRow("tag 3002: setting 30 has no row") << 3002 << 0 << ShowResult::NoRow;
    QTest::newRow("tag -102: setting -1 has no row") << -102 << 0 << ShowResult::NoRow;
    QTest::newRow("tag 32767: setting 327 has no row") << 32767 << 0 << ShowResult::NoRow;
    QTest::newRow("tag 32768 overflows") << 32768 << 0 << ShowResult::TagOverflow;
    QTest::newRow("tag -32769 overflows") << -32769 << 0 << ShowResult::TagOverflow;
    QTest::newRow("nothing selected") << 302 << -1 << ShowResult::NoEntry;
    QTest::newRow("selection past the end") << 302 << 1 << ShowResult::NoEntry;
}

void TestSettings::showJumpersWritesNothing()
{
    QFETCH(int, tag);
    QFETCH(int, selected);
    QFETCH(ShowResult, result);
    FakeView view = viewWithTag(tag);
    view.selected = selected;
    QCOMPARE(ShowJumpers(view), result);
    QVERIFY(view.writes.empty());
}

void TestSettings::showJumpersReadsAfresh()
{
    // From JP1 3-to-6 (setting 13) to 1-to-4 (setting 1): all six JP1 pins are rewritten.
    FakeView view;
    view.tags = {1302, 102};
    view.selected = 0;
    QCOMPARE(ShowJumpers(view), ShowResult::Shown);
    view.selected = 1;
    view.writes.clear();
    QCOMPARE(ShowJumpers(view), ShowResult::Shown);
    std::map<std::string, std::uint32_t> last(view.writes.begin(), view.writes.end());
    QCOMPARE(last["v1jp1"], 0x808080u);
    QCOMPARE(last["v2jp1"], 0x808080u);
    QCOMPARE(last["v5jp1"], 0xFFFFFFu);
    QCOMPARE(last["v6jp1"], 0xFFFFFFu);
    // The same entry twice writes the same 34 colours again.
    const auto first = view.writes;
    view.writes.clear();
    QCOMPARE(ShowJumpers(view), ShowResult::Shown);
    QCOMPARE(view.writes, first);
}


QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
