// Splits one line of a form source into words and quoted texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct Token {
    std::string text;  // a quoted text without its quotes and with its escapes resolved
    bool quoted = false;
};

// False, with `error` set, for an unterminated text or an unknown escape.
bool SplitLine(std::string_view line, std::vector<Token>& tokens, std::string& error);

// Decimal with an optional sign, or hexadecimal after "0x"; hexadecimal covers all 32 bits.
bool ParseInteger(std::string_view text, int32_t& value);
bool ParseWord(std::string_view text, uint32_t& value);

}  // namespace velmora
