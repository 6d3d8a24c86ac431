// Velmora started from a script: its arguments, its output through a pipe, its exit code, and
// whether it showed any window while it ran.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora::test {

struct CommandRun {
    std::optional<DWORD> exitCode;  // nullopt (with a test failure) when it did not end in time
    std::string output;             // GBK bytes, as written
    bool showedWindow = false;      // a visible top-level window of its process, at any poll
};

// Runs build/windows/<program> with the arguments (each quoted) from the directory (default: the
// program's own) and waits for it to end.
CommandRun RunVelmora(const std::vector<std::string>& arguments,
                      const std::string& directory = {},
                      const std::string& program = "Velmora.exe",
                      DWORD timeoutMs = 60000);

// The output's lines without their CR LF.
std::vector<std::string> OutputLines(const std::string& output);
// The lines whose first field is the word.
std::vector<std::string> LinesOf(const std::string& output, const std::string& word);

}  // namespace velmora::test
