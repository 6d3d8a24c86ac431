// Where the command line's output goes: the standard output it was given (a pipe or a file), or else
// the console of the program that started it, whose window shows the text in its own code page.
#pragma once

#include <windows.h>

#include <string_view>

#include "commands/kernel_handle.h"

namespace velmora {

class ConsoleOutput {
  public:
    // Attaches to the parent's console when no standard output was handed over.
    ConsoleOutput() noexcept;

    // Texts are in the ANSI code page, as all of the tool's texts are.
    void Write(std::string_view text) noexcept;

  private:
    HANDLE output_ = nullptr;
    KernelHandle console_;  // the console's screen buffer, when opened here
};

}  // namespace velmora
