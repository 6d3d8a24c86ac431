// Texts between the ANSI code page of the program and the UTF-16 of COM.
#pragma once

#include <windows.h>

#include "commands/heap_buffer.h"

namespace velmora {

// A UTF-16 copy of an ANSI text, zero-terminated; "" for null or when the text cannot be converted.
class WideText {
  public:
    explicit WideText(const char* text) noexcept;

    wchar_t* get() noexcept;

  private:
    HeapBuffer units_;
};

// A heap text (null when empty) from UTF-16 units.
char* NarrowText(const wchar_t* text, int length) noexcept;

}  // namespace velmora
