#include "app/command_line/output_lines.h"

namespace velmora {

std::string FactLine(std::initializer_list<std::string_view> fields) {
    std::string line;
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first)
            line += '\t';
        first = false;
        for (const char c : field)
            line += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
    }
    return line + "\r\n";
}

std::string PointField(int32_t x, int32_t y) {
    return std::to_string(x) + "," + std::to_string(y);
}

std::string CountField(std::string_view name, size_t value) {
    return std::string(name) + "=" + std::to_string(value);
}

std::string SizeField(int32_t width, int32_t height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace velmora
