// What Velmora is asked to do when it is started with arguments: an action and its options, or a
// usage error. Never a guess: an unknown option, a missing value or a second action is an error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

enum class Action {
    kWindow,  // no arguments: the window, as always
    kHelp,
    kBackup,
    kRestore,
    kUndo,
};

struct CommandLine {
    Action action = Action::kWindow;
    std::string path;  // the directory of /backup, the file or directory of /restore
    int32_t delay = 0;
    bool recreate = false;
    bool dryRun = false;
};

struct UsageError {
    std::string message;
};

// The arguments after the program's name. Options are case-insensitive and start with "/" or "-".
std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& arguments);

// The text /? prints, options and exit codes.
std::string_view UsageText() noexcept;

}  // namespace velmora
