#include "commands/system_commands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <cmath>
#include <cstring>

#include "commands/date_time.h"
#include "commands/runtime_link.h"
#include "tests/native/commands/value_builders.h"
#include "tests/support/ui_driver.h"

namespace velmora::test {
namespace {

struct BoxCase {
    const char* name;
    std::vector<ValueRecord> args;
    const char* caption;
    const char* text;
    int button;
    int32_t expected;
};

// The box runs on a worker thread, as it blocks; the test reads and answers it like a user.
int32_t ShowAndAnswer(std::vector<ValueRecord> args, const char* caption, const char* text, int button) {
    int32_t code = -100;
    std::thread shower([&] {
        Result result;
        InfoBox(result.get(), static_cast<int32_t>(args.size()), args.data());
        code = result.AsInteger();
    });
    const auto box = WaitForMessageBox(GetCurrentProcessId());
    if (box) {
        EXPECT_EQ(box->caption, caption);
        EXPECT_EQ(box->text, text);
        EXPECT_TRUE(AnswerMessageBox(*box, button));
    }
    shower.join();
    return code;
}

TEST(InfoBoxTest, ShowsTheMessageAndMapsTheButton) {
    const BoxCase cases[] = {
        {"OK with the default caption", {Text("桌面布局已保存"), Integer(0)}, "信息：", "桌面布局已保存", IDOK, 0},
        {"Yes", {Text("恢复?"), Integer(MB_YESNO), Text("确认")}, "确认", "恢复?", IDYES, 5},
        {"No", {Text("恢复?"), Integer(MB_YESNO), Text("确认")}, "确认", "恢复?", IDNO, 6},
        {"Cancel", {Text("x"), Integer(MB_OKCANCEL)}, "信息：", "x", IDCANCEL, 1},
        {"integer message", {Integer(42), Integer(0)}, "信息：", "42", IDOK, 0},
        {"boolean message", {Boolean(true), Integer(0)}, "信息：", "真", IDOK, 0},
        {"omitted caption", {Text("y"), Integer(0), Omitted()}, "信息：", "y", IDOK, 0},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ShowAndAnswer(c.args, c.caption, c.text, c.button), c.expected);
    }
}

// A window unit with id 7 whose window is the one the test made.
HWND unitWindow = nullptr;

int32_t ComponentService(int32_t code, uint32_t windowId, uint32_t componentId) {
    return code == kServiceComponentObject && windowId == 7 && componentId == 0 ? 0x5000 : 0;
}

uint32_t ComponentWindow(uint32_t object) {
    return object == 0x5000 ? static_cast<uint32_t>(reinterpret_cast<uintptr_t>(unitWindow)) : 0;
}

TEST(InfoBoxTest, OwnerIsAWindowHandleOrAWindowUnit) {
    ConnectRuntime(ComponentService, ComponentWindow);
    for (const bool asUnit : {false, true}) {
        SCOPED_TRACE(asUnit ? "window unit" : "window handle");
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        // The owner lives on the box's thread, as the program's windows do.
        std::thread shower([&] {
            unitWindow = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
            SetEvent(ready);
            const ValueRecord owner =
                asUnit ? Record(0x10001, 7) : Integer(static_cast<int32_t>(reinterpret_cast<uintptr_t>(unitWindow)));
            Result result;
            Call(InfoBox, result, {Text("owned"), Integer(0), Text("c"), owner});
            DestroyWindow(unitWindow);
        });
        WaitForSingleObject(ready, 10000);
        CloseHandle(ready);
        const auto box = WaitForMessageBox(GetCurrentProcessId());
        if (box) {
            EXPECT_EQ(GetWindow(box->window, GW_OWNER), unitWindow);
            EXPECT_TRUE(AnswerMessageBox(*box, IDOK));
        }
        shower.join();
    }
    ConnectRuntime(nullptr, nullptr);
}

TEST(SystemCommandsTest, ScreenSizeIsThePrimaryScreens) {
    Result width;
    Result height;
    Call(ScreenWidth, width, {});
    Call(ScreenHeight, height, {});
    EXPECT_EQ(width.AsInteger(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(height.AsInteger(), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GT(width.AsInteger(), 0);
}

double LocalTimeAsOleDate() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return OleDateFromCivil({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond});
}

// Date and time together, so that a call across midnight is judged by the whole moment.
TEST(SystemCommandsTest, CurrentTimeIsLocalTimeInWholeSeconds) {
    const double before = LocalTimeAsOleDate();
    Result now;
    Call(CurrentTime, now, {});
    const double after = LocalTimeAsOleDate();
    ASSERT_EQ(now.record().type, kTypeDateTime);
    double date;
    const uint64_t bits = (static_cast<uint64_t>(now.record().high) << 32) | now.record().low;
    std::memcpy(&date, &bits, sizeof date);
    const double seconds = (date - static_cast<int64_t>(date)) * 86400;
    EXPECT_NEAR(seconds, std::round(seconds), 1e-4);
    constexpr double kOneSecond = 1.0 / 86400;
    EXPECT_GE(date, before - kOneSecond);
    EXPECT_LE(date, after + kOneSecond);
}

}  // namespace
}  // namespace velmora::test
