// The command line's output: one line per fact, tab-separated, the first field a fixed English word,
// so that a script can read it; the last line sums up.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora {

// The fields joined by tabs and ended by CR LF. A tab or line break inside a field (a caption can
// hold anything) becomes a space, so that one fact stays one line.
std::string FactLine(std::initializer_list<std::string_view> fields);

// "x,y".
std::string PointField(int32_t x, int32_t y);
// "name=value".
std::string CountField(std::string_view name, size_t value);
// "WxH".
std::string SizeField(int32_t width, int32_t height);

}  // namespace velmora
