#include "tools/form_compiler/form_tokens.h"

#include <charconv>
#include <limits>

namespace velmora {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool Unescape(char c, char& result) {
    switch (c) {
        case '"':
        case '\\':
            result = c;
            return true;
        case 'n':
            result = '\n';
            return true;
        case 'r':
            result = '\r';
            return true;
        case 't':
            result = '\t';
            return true;
        default:
            return false;
    }
}

}  // namespace

bool SplitLine(std::string_view line, std::vector<Token>& tokens, std::string& error) {
    tokens.clear();
    size_t at = 0;
    while (at < line.size()) {
        if (IsSpace(line[at])) {
            ++at;
        } else if (line[at] == '#') {
            break;
        } else if (line[at] == '"') {
            Token token{"", true};
            ++at;
            while (at < line.size() && line[at] != '"') {
                char c = line[at++];
                if (c == '\\') {
                    if (at == line.size() || !Unescape(line[at], c)) {
                        error = "unknown escape in text";
                        return false;
                    }
                    ++at;
                }
                token.text.push_back(c);
            }
            if (at == line.size()) {
                error = "text without closing quote";
                return false;
            }
            ++at;
            tokens.push_back(std::move(token));
        } else {
            const size_t start = at;
            while (at < line.size() && !IsSpace(line[at]) && line[at] != '"' && line[at] != '#') {
                ++at;
            }
            tokens.push_back({std::string(line.substr(start, at - start)), false});
        }
    }
    return true;
}

bool ParseWord(std::string_view text, uint32_t& value) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool ParseInteger(std::string_view text, int32_t& value) {
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    const bool hexadecimal = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    uint32_t magnitude = 0;
    if (!ParseWord(text, magnitude)) {
        return false;
    }
    constexpr uint32_t kLargest = std::numeric_limits<int32_t>::max();
    if (hexadecimal && !negative) {
        value = static_cast<int32_t>(magnitude);
        return true;
    }
    if (magnitude > kLargest + (negative ? 1u : 0u)) {
        return false;
    }
    value = negative ? static_cast<int32_t>(0u - magnitude) : static_cast<int32_t>(magnitude);
    return true;
}

}  // namespace velmora
