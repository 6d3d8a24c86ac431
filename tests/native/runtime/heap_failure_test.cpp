#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "runtime/array_block.h"
#include "runtime/heap.h"
#include "runtime/native_error_hook.h"
#include "runtime/runtime_error.h"

#if defined(__SANITIZE_ADDRESS__)
// A request the allocator cannot serve must come back as null, as from the process heap, so that
// the heap's own failure report is what the test sees.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1";
}
#endif

namespace velmora {
namespace {

// Far more than a 32-bit process can hold.
constexpr uint32_t kImpossibleSize = 0xFFFFFFF0;

// The box text as hex digits, so that the GBK bytes pass through a death test's pattern match.
std::string Hex(const std::string& text) {
    std::string hex;
    char digits[3];
    for (unsigned char byte : text) {
        std::snprintf(digits, sizeof(digits), "%02x", byte);
        hex += digits;
    }
    return hex;
}

void WriteHexBoxText(const char* boxText) noexcept {
    std::fputs(("[" + Hex(boxText) + "]").c_str(), stderr);
}

std::string ExpectedBox(const std::string& message) {
    return "\\[" + Hex("运行时出错!\r\n\r\n错误信息：" + message + "\r\n\r\n0, 0\r\n") + "\\]";
}

class HeapFailureDeathTest : public ::testing::Test {
  protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(HeapFailureDeathTest, AllocateReportsTheRequestedSize) {
    EXPECT_EXIT(
        {
            SetRuntimeErrorHook(WriteHexBoxText);
            HeapAllocate(kImpossibleSize);
        },
        ::testing::ExitedWithCode(255), ExpectedBox("分配 4294967280 字节内存失败!"));
}

TEST_F(HeapFailureDeathTest, ReallocateReportsTheRequestedSize) {
    EXPECT_EXIT(
        {
            SetRuntimeErrorHook(WriteHexBoxText);
            HeapReallocate(HeapAllocate(16), kImpossibleSize);
        },
        ::testing::ExitedWithCode(255), ExpectedBox("分配 4294967280 字节内存失败!"));
}

TEST_F(HeapFailureDeathTest, AnArrayTooLargeToAddressIsReportedNotWrapped) {
    EXPECT_EXIT(
        {
            SetRuntimeErrorHook(WriteHexBoxText);
            NewArrayBlock(0x40000001, 4);
        },
        ::testing::ExitedWithCode(255), ExpectedBox("分配 4294967295 字节内存失败!"));
}

TEST_F(HeapFailureDeathTest, ProgramErrorsCarryTheirMessage) {
    EXPECT_EXIT(
        {
            SetRuntimeErrorHook(WriteHexBoxText);
            RaiseRuntimeError(4, 0x04010096, 12);
        },
        ::testing::ExitedWithCode(255),
        "\\[" +
            Hex("运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n\r\n67174550, "
                "12\r\n") +
            "\\]");
}

TEST(HeapFailureTest, QuietAllocationReturnsNull) {
    EXPECT_EQ(HeapAllocateOrNull(kImpossibleSize), nullptr);
    void* block = HeapAllocateOrNull(16);
    EXPECT_NE(block, nullptr);
    HeapRelease(block);
}

}  // namespace
}  // namespace velmora
