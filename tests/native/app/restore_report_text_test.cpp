#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/restore/restore_report_text.h"
#include "runtime/heap.h"

namespace velmora {
namespace {

void Add(IconEntryArray& array, const char* caption, const char* target, ItemRectangle rectangle = {}) {
    char kind[] = "lnk";
    ItemRectangle stored = rectangle;
    const IconEntry entry = {0, kind, const_cast<char*>(caption), &stored, const_cast<char*>(target)};
    array.Append(entry);
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line;
    return text;
}

class RestoreReportTextTest : public testing::Test {
  protected:
    void SetUp() override {
        shortcuts_.Create();
        missing_.Create();
        notLanded_.Create();
    }
    IconEntryArray shortcuts_;
    IconEntryArray missing_;
    IconEntryArray notLanded_;
};

TEST_F(RestoreReportTextTest, ShortcutsOnlyGiveTheirSectionWithoutTheOthers) {
    Add(shortcuts_, "Mail", "C:\\Apps\\mail.exe");
    Add(shortcuts_, "Game", nullptr);
    const std::vector<std::string> lines = RestoreReportLines(shortcuts_, missing_, notLanded_);
    EXPECT_EQ(lines, (std::vector<std::string>{"无法还原快捷方式：2\r\n", "1:Mail.lnk\t[C:\\Apps\\mail.exe]\r\n",
                                               "2:Game.lnk\t[]\r\n"}));
}

TEST_F(RestoreReportTextTest, EverySectionInOrderEachWithItsOwnNumbering) {
    Add(shortcuts_, "邮件", "C:\\邮件.exe");
    Add(missing_, "季度报告.docx", nullptr);
    Add(missing_, "项目资料", nullptr);
    Add(notLanded_, "回收站", nullptr, {-20, 5, 55, 75});
    EXPECT_EQ(Joined(RestoreReportLines(shortcuts_, missing_, notLanded_)),
              "无法还原快捷方式：1\r\n1:邮件.lnk\t[C:\\邮件.exe]\r\n"
              "缺少文件：2\r\n1:季度报告.docx\t\r\n2:项目资料\t\r\n"
              "未能移到原位：1\r\n1:回收站\t[-20/5]\r\n");
}

TEST_F(RestoreReportTextTest, MissingFilesOnlyStartWithTheirHeader) {
    Add(missing_, "a", nullptr);
    EXPECT_EQ(Joined(RestoreReportLines(shortcuts_, missing_, notLanded_)), "缺少文件：1\r\n1:a\t\r\n");
}

}  // namespace
}  // namespace velmora
