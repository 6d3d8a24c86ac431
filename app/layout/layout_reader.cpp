#include "app/layout/layout_reader.h"

#include <algorithm>

#include "app/texts.h"

namespace velmora {
namespace {

constexpr std::string_view kScreenPrefix = "[ScreenRect:";
constexpr std::string_view kCountPrefix = "[IconNum:";

bool IsBracketed(std::string_view field) {
    return field.size() >= 2 && field.front() == '[' && field.back() == ']';
}

std::string_view Inside(std::string_view field) {
    return field.substr(1, field.size() - 2);
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::optional<ItemRectangle> RectangleField(std::string_view field) {
    if (!IsBracketed(field))
        return std::nullopt;
    const std::vector<std::string_view> numbers = SplitAt(Inside(field), '/');
    if (numbers.size() != 4)
        return std::nullopt;
    int32_t values[4] = {};
    for (size_t i = 0; i < 4; ++i) {
        const std::optional<int32_t> value = ParseStrictInteger(numbers[i]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    return ItemRectangle{values[0], values[1], values[2], values[3]};
}

// The fields first to last joined again: the "|" they were split at belonged to the text.
std::string_view Rejoin(std::string_view line, const std::vector<std::string_view>& fields, size_t first, size_t last) {
    const char* begin = fields[first].data();
    const char* end = fields[last].data() + fields[last].size();
    return line.substr(static_cast<size_t>(begin - line.data()), static_cast<size_t>(end - begin));
}

// Splits the file into lines without copying; a line over the limit ends the reading.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : rest_(bytes) {}

    // False at the end of the bytes. A line that is too long or holds a zero byte is returned as
    // nullopt in line.
    bool Next(std::optional<std::string_view>& line) {
        if (rest_.empty())
            return false;
        size_t end = rest_.find('\n');
        std::string_view text = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        if (text.size() > kLayoutLineLimit || text.find('\0') != std::string_view::npos)
            line.reset();
        else
            line = text;
        return true;
    }

  private:
    std::string_view rest_;
};

std::optional<int32_t> CountLine(std::string_view line) {
    if (!line.starts_with(kCountPrefix) || !line.ends_with("]"))
        return std::nullopt;
    const std::optional<int32_t> count =
        ParseStrictInteger(line.substr(kCountPrefix.size(), line.size() - kCountPrefix.size() - 1));
    if (!count || *count < 0 || *count > kLayoutEntryLimit)
        return std::nullopt;
    return count;
}

}  // namespace

StoredScreen ReadScreenLine(std::string_view firstLine) noexcept {
    if (!firstLine.empty() && firstLine.back() == '\r')
        firstLine.remove_suffix(1);
    if (!firstLine.starts_with(kScreenPrefix) || !firstLine.ends_with("]"))
        return {};
    const std::vector<std::string_view> parts =
        SplitAt(firstLine.substr(kScreenPrefix.size(), firstLine.size() - kScreenPrefix.size() - 1), '/');
    if (parts.size() != 2)
        return {};
    const std::optional<int32_t> width = ParseStrictInteger(parts[0]);
    const std::optional<int32_t> height = ParseStrictInteger(parts[1]);
    if (!width || !height)
        return {};
    return {*width, *height};
}

std::optional<StoredIcon> ParseItemLine(std::string_view line) {
    const std::vector<std::string_view> fields = SplitAt(line, '|');
    if (fields.size() < 3 || !IsBracketed(fields[0]))
        return std::nullopt;
    StoredIcon icon;
    icon.kind = Inside(fields[0]);
    size_t rectangleField = fields.size() - 1;
    if (icon.kind == "lnk") {
        // The rightmost rectangle that still has a target after it.
        rectangleField = 0;
        for (size_t i = fields.size() - 2; i >= 2 && rectangleField == 0; --i) {
            if (RectangleField(fields[i]))
                rectangleField = i;
        }
        if (rectangleField == 0)
            return std::nullopt;
        const std::string_view target = Rejoin(line, fields, rectangleField + 1, fields.size() - 1);
        if (!IsBracketed(target))
            return std::nullopt;
        icon.target = Inside(target);
    }
    const std::optional<ItemRectangle> rectangle = RectangleField(fields[rectangleField]);
    const std::string_view caption = Rejoin(line, fields, 1, rectangleField - 1);
    if (!rectangle || !IsBracketed(caption))
        return std::nullopt;
    icon.caption = Inside(caption);
    icon.rectangle = *rectangle;
    return icon;
}

StoredLayout ParseLayout(std::string_view bytes) {
    StoredLayout layout;
    LineReader lines(bytes);
    std::optional<std::string_view> line;
    int32_t number = 1;
    if (!lines.Next(line) || !line) {
        layout.badLine = number;
        return layout;
    }
    layout.screen = ReadScreenLine(*line);

    ++number;
    std::optional<int32_t> count;
    if (!lines.Next(line) || !line || !(count = CountLine(*line))) {
        layout.badLine = number;
        return layout;
    }
    // Trusted only as far as the lines that follow bear it out.
    layout.icons.reserve(static_cast<size_t>(std::min(*count, 4096)));
    for (int32_t i = 0; i < *count; ++i) {
        ++number;
        std::optional<StoredIcon> icon;
        if (!lines.Next(line) || !line || !(icon = ParseItemLine(*line))) {
            layout.icons.clear();
            layout.badLine = number;
            return layout;
        }
        layout.icons.push_back(std::move(*icon));
    }
    return layout;
}

}  // namespace velmora
