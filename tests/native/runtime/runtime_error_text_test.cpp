#include <gtest/gtest.h>

#include <string>

#include "runtime/runtime_error_text.h"

namespace velmora {
namespace {

constexpr uint32_t kMainWindow = 0x52010001;
constexpr uint32_t kDirectoryEdit = 0x16010482;

RecordTags FindMainWindow(uint32_t windowId, uint32_t componentId) noexcept {
    if (windowId != kMainWindow) {
        return {};
    }
    if (componentId == 0) {
        return {true, "", true, ""};
    }
    if (componentId == kDirectoryEdit) {
        return {true, "", true, "目录"};
    }
    return {true, "", false, nullptr};
}

TEST(RuntimeErrorTextTest, BuildsTheBoxText) {
    struct Case {
        const char* name;
        const char* message;
        int32_t code;
        uint32_t first;
        uint32_t second;
        std::string expected;
    };
    const Case cases[] = {
        {"numbered error of a routine", RuntimeErrorMessage(6), 6, 0x04010039, 105,
         "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n\r\n67174457, 105\r\n"},
        {"no code and no message", "", 0, 0, 0, "运行时出错!\r\n\r\n0, 0\r\n"},
        {"null message", nullptr, 0, 0, 0, "运行时出错!\r\n\r\n0, 0\r\n"},
        {"message only", "载入启动窗口失败", 0, 0, 0, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n0, 0\r\n"},
        {"the window's own record is named twice", "", 0, kMainWindow, 0,
         "运行时出错!\r\n\r\n1375797249, 0\r\n\"\"\r\n\"\"\r\n"},
        {"a component by its tag", "", 0, kMainWindow, kDirectoryEdit,
         "运行时出错!\r\n\r\n1375797249, 369165442\r\n\"\"\r\n\"目录\"\r\n"},
        {"missing component", "", 0, kMainWindow, 0x06010999,
         "运行时出错!\r\n\r\n1375797249, 100731289\r\n\"\"\r\n未找到所指定的窗口组件\r\n"},
        {"unknown window", "", 0, 0x52010002, 0, "运行时出错!\r\n\r\n1375797250, 0\r\n未找到所指定的窗口\r\n"},
        {"numbers are signed", RuntimeErrorMessage(1), 1, 0xFFFFFFFF, 0x80000000,
         "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n\r\n-1, -2147483648\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildRuntimeErrorText(c.message, c.code, c.first, c.second, FindMainWindow), c.expected) << c.name;
    }
}

TEST(RuntimeErrorTextTest, WithoutTemplatesNoWindowIsFound) {
    EXPECT_EQ(BuildRuntimeErrorText("", 0, kMainWindow, 0, nullptr),
              "运行时出错!\r\n\r\n1375797249, 0\r\n未找到所指定的窗口\r\n");
}

TEST(RuntimeErrorTextTest, ErrorTable) {
    EXPECT_STREQ(RuntimeErrorMessage(0), "");
    EXPECT_STREQ(RuntimeErrorMessage(1), "数组成员引用下标超出定义范围");
    EXPECT_STREQ(RuntimeErrorMessage(4), "数组成员引用下标必须大于等于1");
    EXPECT_STREQ(RuntimeErrorMessage(11), "所提供参数的数据类型不符合要求");
    EXPECT_STREQ(RuntimeErrorMessage(12), "");
    EXPECT_STREQ(RuntimeErrorMessage(-1), "");
}

TEST(RuntimeErrorTextTest, AllocationFailureNamesTheSize) {
    EXPECT_EQ(AllocationFailureMessage(2000000000), "分配 2000000000 字节内存失败!");
    EXPECT_EQ(AllocationFailureMessage(0xFFFFFFF0), "分配 4294967280 字节内存失败!");
}

}  // namespace
}  // namespace velmora
