#include "app/command_line/command_line_options.h"

#include <algorithm>
#include <optional>

#include "app/texts.h"

namespace velmora {
namespace {

// Longer than any sensible wait between two moves; a larger value is a typing error.
constexpr int32_t kMaxDelayMs = 60000;

constexpr std::string_view kUsage =
    "Usage:\r\n"
    "  Velmora                           opens the window\r\n"
    "  Velmora /backup DIR               backs up the desktop's layout into a new file in DIR\r\n"
    "  Velmora /restore FILE [options]   restores the layout of FILE\r\n"
    "  Velmora /restore DIR [options]    restores the newest file in DIR made on this screen size\r\n"
    "  Velmora /undo [options]           puts the icons back where they stood before the last restore\r\n"
    "  Velmora /?                        shows this text\r\n"
    "Options of /restore and /undo:\r\n"
    "  /delay MS     waits MS milliseconds before each move (default 0)\r\n"
    "  /recreate     re-creates missing desktop shortcuts\r\n"
    "  /dry-run      moves nothing, writes nothing, and tells what the restore would do\r\n"
    "Options are case-insensitive and may start with / or -.\r\n"
    "Exit codes:\r\n"
    "  0  everything done\r\n"
    "  1  done, but some entries were not restored\r\n"
    "  2  refused: other screen size, malformed file, auto-arrange on, or no file in DIR for this screen\r\n"
    "  3  the desktop cannot be read\r\n"
    "  4  usage error\r\n"
    "  5  the backup file cannot be written\r\n";

enum class Option { kHelp, kBackup, kRestore, kUndo, kDelay, kRecreate, kDryRun };

struct OptionName {
    std::string_view name;
    Option option;
};

constexpr OptionName kOptions[] = {
    {"?", Option::kHelp},    {"help", Option::kHelp},   {"backup", Option::kBackup},     {"restore", Option::kRestore},
    {"undo", Option::kUndo}, {"delay", Option::kDelay}, {"recreate", Option::kRecreate}, {"dry-run", Option::kDryRun},
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

std::optional<Option> OptionOf(std::string_view argument) {
    if (argument.size() < 2 || (argument.front() != '/' && argument.front() != '-'))
        return std::nullopt;
    const std::string name = Lower(argument.substr(1));
    for (const OptionName& known : kOptions) {
        if (known.name == name)
            return known.option;
    }
    return std::nullopt;
}

bool LooksLikeOption(std::string_view argument) {
    return !argument.empty() && (argument.front() == '/' || argument.front() == '-');
}

// Digits only: no sign, no spaces, nothing after the number.
std::optional<int32_t> Milliseconds(std::string_view text) {
    const std::optional<int32_t> value = text.starts_with('-') ? std::nullopt : ParseStrictInteger(text);
    if (!value || *value > kMaxDelayMs)
        return std::nullopt;
    return value;
}

class Parser {
  public:
    explicit Parser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    std::variant<CommandLine, UsageError> Parse() {
        for (next_ = 0; next_ < arguments_.size();) {
            const std::string& argument = arguments_[next_++];
            const std::optional<Option> option = OptionOf(argument);
            if (!option)
                return UsageError{LooksLikeOption(argument) ? "unknown option " + argument
                                                            : "unexpected argument " + argument};
            if (std::optional<UsageError> error = Take(*option, argument))
                return *error;
        }
        return Check();
    }

  private:
    std::optional<UsageError> Take(Option option, const std::string& argument) {
        switch (option) {
            case Option::kHelp:
                return SetAction(Action::kHelp, argument);
            case Option::kBackup:
                return SetActionWithPath(Action::kBackup, argument);
            case Option::kRestore:
                return SetActionWithPath(Action::kRestore, argument);
            case Option::kUndo:
                return SetAction(Action::kUndo, argument);
            case Option::kDelay: {
                if (std::optional<UsageError> error = Once(seenDelay_, argument))
                    return error;
                std::optional<std::string> value = Value();
                if (!value)
                    return UsageError{argument + " needs a value"};
                const std::optional<int32_t> delay = Milliseconds(*value);
                if (!delay)
                    return UsageError{argument + " takes whole milliseconds from 0 to 60000, not " + *value};
                line_.delay = *delay;
                return std::nullopt;
            }
            case Option::kRecreate:
                line_.recreate = true;
                return Once(seenRecreate_, argument);
            case Option::kDryRun:
                line_.dryRun = true;
                return Once(seenDryRun_, argument);
        }
        return std::nullopt;
    }

    static std::optional<UsageError> Once(bool& seen, const std::string& argument) {
        if (seen)
            return UsageError{argument + " is given twice"};
        seen = true;
        return std::nullopt;
    }

    std::optional<UsageError> SetAction(Action action, const std::string& argument) {
        if (line_.action != Action::kWindow)
            return UsageError{"one action at a time: " + actionName_ + " and " + argument};
        line_.action = action;
        actionName_ = argument;
        return std::nullopt;
    }

    std::optional<UsageError> SetActionWithPath(Action action, const std::string& argument) {
        if (std::optional<UsageError> error = SetAction(action, argument))
            return error;
        std::optional<std::string> value = Value();
        if (!value || value->empty())
            return UsageError{argument + " needs a path"};
        line_.path = std::move(*value);
        return std::nullopt;
    }

    // The argument after the option; none when there is none or it is an option itself.
    std::optional<std::string> Value() {
        if (next_ >= arguments_.size() || OptionOf(arguments_[next_]))
            return std::nullopt;
        return arguments_[next_++];
    }

    std::variant<CommandLine, UsageError> Check() const {
        const bool restoring = line_.action == Action::kRestore || line_.action == Action::kUndo;
        if (line_.action == Action::kWindow)
            return UsageError{"no action: /backup, /restore, /undo or /?"};
        if (!restoring && (seenDelay_ || seenRecreate_ || seenDryRun_))
            return UsageError{"/delay, /recreate and /dry-run go with /restore or /undo"};
        return line_;
    }

    const std::vector<std::string>& arguments_;
    size_t next_ = 0;
    CommandLine line_;
    std::string actionName_;
    bool seenDelay_ = false;
    bool seenRecreate_ = false;
    bool seenDryRun_ = false;
};

}  // namespace

std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return CommandLine{};
    return Parser(arguments).Parse();
}

std::string_view UsageText() noexcept {
    return kUsage;
}

}  // namespace velmora
