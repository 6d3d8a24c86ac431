// Form sources are UTF-8; the template data holds texts in code page 936.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// False when the text is not valid UTF-8 or has a character that code page 936 lacks.
bool Utf8ToGbk(std::string_view utf8, std::string& gbk);

}  // namespace velmora
