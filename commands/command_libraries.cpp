#include "commands/command_libraries.h"

#include "commands/file_commands.h"
#include "commands/object_commands.h"
#include "commands/run_program.h"
#include "commands/shell_commands.h"
#include "commands/system_commands.h"
#include "commands/text_commands.h"

namespace velmora {
namespace {

constexpr CommandEntry kCoreCommands[] = {
    {"InfoBox", InfoBox},
    {"ScreenWidth", ScreenWidth},
    {"ScreenHeight", ScreenHeight},
    {"CurrentTime", CurrentTime},
    {"TextLength", TextLength},
    {"TextLeft", TextLeft},
    {"TextMiddle", TextMiddle},
    {"CharFromCode", CharFromCode},
    {"FindTextBackward", FindTextBackward},
    {"SplitText", SplitText},
    {"BytesLeft", BytesLeft},
    {"ToInteger", ToInteger},
    {"ToText", ToText},
    {"BitAnd", BitAnd},
    {"BitOr", BitOr},
    {"FileExists", FileExists},
    {"FileAttributes", FileAttributes},
    {"MakeDirectory", MakeDirectory},
    {"OpenFile", OpenFile},
    {"CloseFile", CloseFile},
    {"SeekToEnd", SeekToEnd},
    {"ReadLine", ReadLine},
    {"WriteLines", WriteLines},
    {"RunProgram", RunProgram},
};

constexpr CommandEntry kShellCommands[] = {
    {"VariableAddress", VariableAddress},     {"Delay", Delay},
    {"ShortcutTarget", ShortcutTarget},       {"BrowseForFolder", BrowseForFolder},
    {"SpecialFolderPath", SpecialFolderPath},
};

constexpr CommandEntry kObjectCommands[] = {
    {"ObjectCreate", ObjectCreate},           {"ObjectCallForObject", ObjectCallForObject},
    {"ObjectSetProperty", ObjectSetProperty}, {"ObjectClear", ObjectClear},
    {"ObjectIsEmpty", ObjectIsEmpty},
};

}  // namespace

std::span<const CommandEntry> CoreLibraryCommands() noexcept {
    return kCoreCommands;
}

std::span<const CommandEntry> ShellLibraryCommands() noexcept {
    return kShellCommands;
}

std::span<const CommandEntry> ObjectLibraryCommands() noexcept {
    return kObjectCommands;
}

}  // namespace velmora
