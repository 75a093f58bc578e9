#pragma once

// The processors the ORVEX board takes, as the processor list shows them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvex {

/// One processor of the list: its text exactly as shown and the tag stored with it.
struct CpuEntry {
    std::string_view text; ///< never trimmed: the leading and doubled spaces are part of it
    std::int32_t tag;      ///< setting number × 100 + 2
};

inline constexpr std::size_t kCpuCount = 31;

/// The 31 processors in list order (not sorted by name or by tag).
extern const std::array<CpuEntry, kCpuCount> CpuCatalogue;

/// The entry selected when the window opens: " INTEL PENTIUM 133 MHz (3.3v)".
inline constexpr int InitialCpuIndex = 4;

} // namespace orvex
