#include "catalogue.h"

#include "jumpers.h"

namespace orvex {

constexpr std::array<CpuEntry, kCpuCount> CpuCatalogue = {{
    // Intel Pentium, by clock
    {" INTEL PENTIUM 75 MHz (3.3v)", 702},
    {" INTEL PENTIUM 90 MHz (3.3v)", 902},
    {" INTEL PENTIUM 100 MHz (3.3v)", 102},
    {" INTEL PENTIUM 120 MHz (3.3v)", 202},
    {" INTEL PENTIUM 133 MHz (3.3v)", 302},
    {" INTEL PENTIUM 150 MHz (3.3v)", 502},
    {" INTEL PENTIUM 166 MHz (3.3v)", 602},
    {" INTEL PENTIUM 200 MHz (3.3v)", 802},
    // Intel Pentium MMX
    {" INTEL MMX 166 MHz (2.8/3.3v)", 2202},
    {" INTEL MMX 200 MHz (2.8/3.3v)", 1302},
    {" INTEL MMX 233 MHz (2.8/3.3v)", 2802},
    // Cyrix 6x86, 6x86L and 6x86 MX
    {" CYRIX 6x86  120+  100 MHz 3.52V ", 402},
    {" CYRIX 6x86 133+   110 MHz 3.52V ", 1002},
    {" CYRIX 6x86 150+  120 MHz 3.52V ", 1102},
    {" CYRIX 6x86  166+  133 MHz   3.52V ", 1202},
    {" CYRIX 6x86 150 MHz (200+)3.52V ", 1502},
    {" CYRIX 6x86L 166+ 133MHz Dual Voltages(2.8/3.3V ) ", 1402},
    {" CYRIX 6x86L 200+ 150 MHz Dual Voltages (2.8/3.3V)", 1602},
    {" CYRIX 6x86 MX PR166 66MHz , 2.0 ratio (2.9/3.3V ) ", 2502},
    {" CYRIX 6x86 MX PR200 66MHz, 2.5 ratio (2.9/3.3V) ", 2602},
    {" CYRIX 6x86 MX PR200 75MHz, 2.0 ratio (2.9/3.3V)", 2702},
    // AMD K5, by rating
    {" AMD K5 PR75 75 MHz (3.52v)", 1702},
    {" AMD K5 PR90 90 MHz (3.52v)", 1902},
    {" AMD K5 PR100 100 MHz (3.52v)", 1802},
    {" AMD K5 PR120 90 MHz (3.52v)", 1902},
    {" AMD K5 PR133 100 MHz (3.52v)", 1802},
    {" AMD K5 PR150 120 MHz (3.52v)", 2002},
    {" AMD K5 PR166 166 MHz (3.52v)", 2102},
    // AMD K6, by rating
    {" AMD K6 MMX PR166 166 MHz (2.9/3.3v)", 2302},
    {" AMD K6 MMX PR200 200MHz ( 2.9/3.3v)", 2402},
    {" AMD K6 MMX PR233   233MHz ( 3.2v)", 2902},
}};

namespace {

constexpr bool everyTagHasARow()
{
    for (const CpuEntry& e : CpuCatalogue) {
        if (e.tag % 100 != 2)
            return false;
        if (!GetPinStates(e.tag / 100))
            return false;
    }
    return true;
}

constexpr bool everyRowHasAnEntry()
{
    for (int setting = 1; setting <= kSettingCount; ++setting) {
        bool found = false;
        for (const CpuEntry& e : CpuCatalogue)
            found = found || e.tag / 100 == setting;
        if (!found)
            return false;
    }
    return true;
}

constexpr bool textsAreDistinct()
{
    for (std::size_t i = 0; i < CpuCatalogue.size(); ++i)
        for (std::size_t j = i + 1; j < CpuCatalogue.size(); ++j)
            if (CpuCatalogue[i].text == CpuCatalogue[j].text)
                return false;
    return true;
}

static_assert(everyTagHasARow(), "every tag must end in 02 and select a row of the settings table");
static_assert(everyRowHasAnEntry(), "every row of the settings table belongs to some processor");
static_assert(textsAreDistinct());
static_assert(CpuCatalogue[InitialCpuIndex].tag == 302);

} // namespace
} // namespace orvex
