#include "app/command_line/command_line_options.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

CommandLine Parsed(const std::vector<std::string>& arguments) {
    auto result = ParseCommandLine(arguments);
    const CommandLine* line = std::get_if<CommandLine>(&result);
    if (!line) {
        ADD_FAILURE() << "usage error: " << std::get<UsageError>(result).message;
        return {};
    }
    return *line;
}

TEST(CommandLineOptions, NoArgumentsOpensTheWindow) {
    EXPECT_EQ(Parsed({}).action, Action::kWindow);
}

TEST(CommandLineOptions, ActionsWithTheirValuesAndOptions) {
    struct Case {
        std::vector<std::string> arguments;
        Action action;
        std::string path;
        int32_t delay;
        bool recreate;
        bool dryRun;
    };
    const Case cases[] = {
        {{"/?"}, Action::kHelp, "", 0, false, false},
        {{"-HELP"}, Action::kHelp, "", 0, false, false},
        {{"/backup", "D:\\备份"}, Action::kBackup, "D:\\备份", 0, false, false},
        {{"-Backup", "rel dir"}, Action::kBackup, "rel dir", 0, false, false},
        {{"/restore", "a.ini"}, Action::kRestore, "a.ini", 0, false, false},
        {{"/DELAY", "250", "/Restore", "D:\\x", "-recreate", "/Dry-Run"}, Action::kRestore, "D:\\x", 250, true, true},
        {{"/restore", "x", "/delay", "0"}, Action::kRestore, "x", 0, false, false},
        {{"/restore", "x", "/delay", "60000"}, Action::kRestore, "x", 60000, false, false},
        {{"/undo"}, Action::kUndo, "", 0, false, false},
        {{"-undo", "-dry-run", "-delay", "5"}, Action::kUndo, "", 5, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CommandLine line = Parsed(c.arguments);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.path, c.path);
        EXPECT_EQ(line.delay, c.delay);
        EXPECT_EQ(line.recreate, c.recreate);
        EXPECT_EQ(line.dryRun, c.dryRun);
    }
}

TEST(CommandLineOptions, UsageErrorsAreNeverGuessed) {
    const std::vector<std::vector<std::string>> cases = {
        {"/bogus"},
        {"backup"},
        {"/backup"},
        {"/backup", "/restore", "x"},
        {"/restore"},
        {"/restore", "-dry-run"},
        {"/restore", "a", "b"},
        {"/restore", "a", "/backup", "b"},
        {"/undo", "/undo"},
        {"/?", "/undo"},
        {"/restore", "a", "/delay"},
        {"/restore", "a", "/delay", "-5"},
        {"/restore", "a", "/delay", "1s"},
        {"/restore", "a", "/delay", "60001"},
        {"/restore", "a", "/delay", "1", "/delay", "2"},
        {"/restore", "a", "/recreate", "/RECREATE"},
        {"/backup", "d", "/dry-run"},
        {"/backup", "d", "/delay", "5"},
        {"/?", "/recreate"},
        {"/delay", "5"},
        {"/dry-run"},
        {"/"},
        {"-"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        auto result = ParseCommandLine(arguments);
        ASSERT_TRUE(std::holds_alternative<UsageError>(result));
        EXPECT_FALSE(std::get<UsageError>(result).message.empty());
    }
}

TEST(CommandLineOptions, UsageNamesEveryOptionAndExitCode) {
    const std::string usage(UsageText());
    for (const char* word : {"/backup", "/restore", "/undo", "/delay", "/recreate", "/dry-run", "/?"})
        EXPECT_NE(usage.find(word), std::string::npos) << word;
    for (const char* code : {"  0  ", "  1  ", "  2  ", "  3  ", "  4  ", "  5  "})
        EXPECT_NE(usage.find(code), std::string::npos) << code;
}

}  // namespace
}  // namespace velmora
