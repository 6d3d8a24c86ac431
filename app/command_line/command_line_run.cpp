#include "app/command_line/command_line_run.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/backup/back_up_layout.h"
#include "app/command_line/command_line_restore.h"
#include "app/command_line/console_output.h"
#include "app/command_line/exit_codes.h"
#include "app/command_line/output_lines.h"
#include "app/program_variables.h"

namespace velmora {
namespace {

std::string AbsolutePath(const std::string& path) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof(full), full, nullptr);
    if (length == 0 || length >= sizeof(full))
        return path;
    std::string absolute(full, length);
    // "D:\a\" and "D:\a" name one directory; file names are joined to it with one "\".
    if (absolute.size() > 3 && absolute.back() == '\\')
        absolute.pop_back();
    return absolute;
}

int32_t Finish(ConsoleOutput& out, std::string_view action, int32_t exitCode) {
    out.Write(FactLine({"summary", action, CountField("exit", static_cast<size_t>(exitCode))}));
    return exitCode;
}

int32_t RunBackup(const CommandLine& command, ConsoleOutput& out) {
    const BackupResult result = BackUpLayout(command.path.c_str());
    switch (result.status) {
        case BackupStatus::kWritten:
            out.Write(FactLine({"file", result.path.get()}));
            out.Write(FactLine(
                {"summary", "backup", CountField("icons", DesktopIcons.Count()), CountField("exit", kExitDone)}));
            return kExitDone;
        case BackupStatus::kNoDesktop:
            out.Write(FactLine({"error", "nodesktop"}));
            return Finish(out, "backup", kExitNoDesktop);
        case BackupStatus::kNotWritten:
            out.Write(FactLine({"error", "notwritten", command.path}));
            return Finish(out, "backup", kExitNotWritten);
    }
    return kExitNotWritten;
}

}  // namespace

CommandLineRequest ReadCommandLine() noexcept {
    const std::vector<std::string> arguments(__argv + 1, __argv + __argc);
    CommandLineRequest request = ParseCommandLine(arguments);
    if (CommandLine* command = std::get_if<CommandLine>(&request); command && !command->path.empty())
        command->path = AbsolutePath(command->path);
    return request;
}

bool IsCommandLineRun(const CommandLineRequest& request) noexcept {
    const CommandLine* command = std::get_if<CommandLine>(&request);
    return command == nullptr || command->action != Action::kWindow;
}

int32_t RunCommandLine(const CommandLineRequest& request) noexcept {
    ConsoleOutput out;
    if (const UsageError* error = std::get_if<UsageError>(&request)) {
        out.Write(FactLine({"error", "usage", error->message}));
        out.Write(UsageText());
        return kExitUsage;
    }
    const CommandLine& command = std::get<CommandLine>(request);
    switch (command.action) {
        case Action::kHelp:
            out.Write(UsageText());
            return kExitDone;
        case Action::kBackup:
            return RunBackup(command, out);
        case Action::kRestore:
        case Action::kUndo:
            return RunCommandLineRestore(command, out);
        case Action::kWindow:
            break;
    }
    return kExitDone;
}

}  // namespace velmora
