#include "jumpers.h"

namespace orvex {

ShowResult ShowJumpers(JumperView& view)
{
    // Read afresh every time: the list is the only record of the choice.
    const std::optional<std::int32_t> tag = view.entryTag(view.selectedIndex());
    if (!tag)
        return ShowResult::NoEntry;
    const std::optional<int> setting = GetSettingNumber(*tag);
    if (!setting)
        return ShowResult::TagOverflow;
    const std::optional<PinStates> states = GetPinStates(*setting);
    if (!states)
        return ShowResult::NoRow;
    for (std::size_t i = 0; i < kPinCount; ++i)
        view.setPinFill(PinOrder[i].name,
                        (*states)[i] == PinState::Closed ? kClosedColour : kOpenColour);
    return ShowResult::Shown;
}

ShowResult cbocpu_Click(JumperView& view)
{
    return ShowJumpers(view);
}

} // namespace orvex
