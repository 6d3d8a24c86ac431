// Date-time texts of the edit box's date-time input mode.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Year, month and day, then optionally hour, minute and second, as numbers separated by anything
// that is not a digit ("2021年5月1日8时30分", "2021-05-01 08:30", "2021/5/1"). nullopt when the text
// holds fewer than three or more than six numbers, or a number out of its range.
std::optional<double> ParseDateTimeText(std::string_view text) noexcept;

// The long date form of ToText: "2021年5月1日8时30分".
std::string DateTimeText(double date);

}  // namespace velmora
