#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/desktop/directory_listing.h"
#include "app/desktop/icon_classification.h"
#include "app/texts.h"
#include "tests/support/build_paths.h"
#include "tests/support/shortcut.h"

namespace velmora {
namespace {

constexpr char kLinkTarget[] = "C:\\windows\\notepad.exe";

bool MakeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

Text OwnedText(const std::string& text) {
    return Text(NewText(text.c_str()));
}

struct Expected {
    std::string kind;
    std::string target;
};

Expected Classified(const IconClassifier& classifier, const std::string& caption) {
    const Classification result = classifier.Classify(caption.c_str());
    return {result.kind, result.target ? result.target.get() : ""};
}

// A user and a common desktop directory of their own, with files, folders and shortcuts in both.
class IconClassification : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        user_ = test::MakeScratchDirectory("user-desktop") + "\\";
        common_ = test::MakeScratchDirectory("common-desktop");
        ASSERT_TRUE(MakeFile(user_ + "Report.TXT"));
        ASSERT_TRUE(MakeFile(user_ + "乗车.txt"));  // GBK 0x81 0x5C: a trail byte that reads as "\"
        ASSERT_TRUE(MakeFile(user_ + "both.txt"));
        ASSERT_TRUE(MakeFile(user_ + "A Rather Long File Name.text"));
        ASSERT_TRUE(CreateDirectoryA((user_ + "项目").c_str(), nullptr));
        ASSERT_TRUE(test::CreateShortcutFile(user_ + "Notes.lnk", kLinkTarget));
        ASSERT_TRUE(CreateDirectoryA((common_ + "\\Shared").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA((common_ + "\\both.txt").c_str(), nullptr));
        ASSERT_TRUE(MakeFile(common_ + "\\公共.dat"));
        ASSERT_TRUE(test::CreateShortcutFile(common_ + "\\Tool.lnk", kLinkTarget));
        userTarget_ = test::ReadShortcutTarget(user_ + "Notes.lnk");
        commonTarget_ = test::ReadShortcutTarget(common_ + "\\Tool.lnk");
        ASSERT_FALSE(userTarget_.empty());
    }
    void TearDown() override { CoUninitialize(); }

    DesktopDirectories Both() const { return {OwnedText(user_), OwnedText(common_)}; }

    std::string user_;
    std::string common_;
    std::string userTarget_;
    std::string commonTarget_;
};

TEST_F(IconClassification, FindsEachCaptionAsTheFileSystemFindsTheName) {
    const IconClassifier classifier(Both());
    const struct {
        const char* caption;
        Expected expected;
    } cases[] = {
        {"Report.TXT", {"[file]", ""}},     {"report.txt", {"[file]", ""}},  // without regard to case
        {"乗车.txt", {"[file]", ""}},       {"项目", {"[folder]", ""}},     {"Notes", {"[lnk]", userTarget_}},
        {"NOTES", {"[lnk]", userTarget_}},  {"Shared", {"[folder]", ""}},   {"公共.dat", {"[file]", ""}},
        {"tool", {"[lnk]", commonTarget_}}, {"both.txt", {"[file]", ""}},  // the user directory comes first
        {"Report.TXT.", {"[file]", ""}},                                   // path parsing drops a trailing dot
        {"Report.TXT  ", {"[file]", ""}},                                  // and trailing spaces
        {"此电脑", {"[system]", ""}},       {"Report", {"[system]", ""}},  // a file shown without its extension
        {"Notes.lnk", {"[file]", ""}},      {"", {"[system]", ""}},
    };
    for (const auto& c : cases) {
        const Expected got = Classified(classifier, c.caption);
        EXPECT_EQ(got.kind, c.expected.kind) << "caption \"" << c.caption << "\"";
        EXPECT_EQ(got.target, c.expected.target) << "caption \"" << c.caption << "\"";
    }
}

TEST_F(IconClassification, FindsAFileByItsShortName) {
    char shortPath[MAX_PATH] = {};
    ASSERT_NE(GetShortPathNameA((user_ + "A Rather Long File Name.text").c_str(), shortPath, MAX_PATH), 0u);
    const std::string shortName = std::string(shortPath).substr(std::string(shortPath).find_last_of('\\') + 1);
    if (shortName.find('~') == std::string::npos)
        GTEST_SKIP() << "this file system gives no short names";
    EXPECT_EQ(Classified(IconClassifier(Both()), shortName).kind, "[file]") << shortName;
}

// Characters the shell cannot show in the ANSI code page come back as "?"; to the file functions "?"
// and "*" are wildcards that would match other files.
TEST_F(IconClassification, ACaptionWithAWildcardIsASystemItem) {
    const IconClassifier classifier(Both());
    for (const char* caption : {"Rep?rt.TXT", "Not*", "*", "?????", "Sh*d"})
        EXPECT_EQ(Classified(classifier, caption).kind, "[system]") << caption;
}

// Joined to an empty directory, a caption would name a path relative to the current directory, or
// one under the root of its drive.
TEST_F(IconClassification, SkipsADirectoryThatCannotBeHad) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    const std::string current = test::MakeScratchDirectory("current");
    ASSERT_TRUE(MakeFile(current + "\\relative.txt"));
    ASSERT_TRUE(SetCurrentDirectoryA(current.c_str()));

    const IconClassifier neither(DesktopDirectories{});
    EXPECT_EQ(Classified(neither, "relative.txt").kind, "[system]");
    EXPECT_EQ(Classified(neither, "windows").kind, "[system]");

    const IconClassifier userOnly(DesktopDirectories{OwnedText(user_), Text()});
    EXPECT_EQ(Classified(userOnly, "windows").kind, "[system]");
    EXPECT_EQ(Classified(userOnly, "Notes").kind, "[lnk]");

    const IconClassifier commonOnly(DesktopDirectories{Text(), OwnedText(common_)});
    EXPECT_EQ(Classified(commonOnly, "relative.txt").kind, "[system]");
    EXPECT_EQ(Classified(commonOnly, "Shared").kind, "[folder]");

    const IconClassifier missing(DesktopDirectories{OwnedText(user_ + "gone\\"), OwnedText(common_ + "\\gone")});
    EXPECT_EQ(Classified(missing, "Report.TXT").kind, "[system]");
    SetCurrentDirectoryA(previous);
}

TEST(DirectoryListing, AnswersOnlyForNamesThatPathParsingLeavesAlone) {
    const DirectoryListing listing = DirectoryListing::Of(L"C:\\windows");
    const struct {
        const wchar_t* name;
        bool answers;
    } cases[] = {
        {L"报告.txt", true}, {L"COM10", true},    {L"console", true},   {L".hidden", true},   {L"", false},
        {L"a\\b", false},    {L"a/b", false},     {L"c:stream", false}, {L"name.", false},    {L"name ", false},
        {L"CON", false},     {L"nul.txt", false}, {L"Com1", false},     {L"LPT9.log", false}, {L"~$doc.docx", false},
        {L"tab\t", false},   {L"a\"b", false},    {L"a<b", false},      {L"a>b", false},      {L"a|b", false},
        {L"a?b", false},     {L"a*b", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(listing.Answers(c.name), c.answers) << testing::PrintToString(std::wstring(c.name));
    // "C:\windows", "\" and the name must stay shorter than MAX_PATH.
    EXPECT_TRUE(listing.Answers(std::wstring(MAX_PATH - 12, L'x')));
    EXPECT_FALSE(listing.Answers(std::wstring(MAX_PATH - 11, L'x')));
}

}  // namespace
}  // namespace velmora
