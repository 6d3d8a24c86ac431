// The components on real windows: the test form built through the units' create routines, driven as
// the runtime and a user drive it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "components/common_dialog.h"
#include "components/font_setting.h"
#include "runtime/forms/identifiers.h"
#include "runtime/forms/unit_properties.h"
#include "tests/support/ui_driver.h"
#include "tests/windows/components/test_form.h"

namespace velmora::test {
namespace {

// Unit property numbers used below.
constexpr int32_t kWindowBorderStyle = 1;
constexpr int32_t kWindowPosition = 10;
constexpr int32_t kWindowMovable = 11;
constexpr int32_t kWindowMousePointer = 20;
constexpr int32_t kButtonType = 1;
constexpr int32_t kCheckBoxChecked = 10;
constexpr int32_t kEditContent = 0;
constexpr int32_t kEditFont = 4;
constexpr int32_t kEditMaxLength = 6;
constexpr int32_t kEditInputMode = 10;
constexpr int32_t kEditSpin = 13;
constexpr int32_t kEditSpinFirstBound = 14;
constexpr int32_t kEditSpinSecondBound = 15;
constexpr int32_t kDialogType = 0;
constexpr int32_t kDialogFilterIndex = 4;
constexpr int32_t kDialogFontSize = 18;
constexpr int32_t kDialogHelpFile = 19;
constexpr int32_t kDialogHelpCommand = 20;

constexpr int32_t kEventChanged = 0;
constexpr int32_t kEventClicked = 0;
constexpr int32_t kEventGotFocus = -7;
constexpr int32_t kEventLostFocus = -8;
constexpr int32_t kEventSpin = 1;

LONG_PTR StyleOf(HWND window) {
    return GetWindowLongPtrA(window, GWL_STYLE);
}

LONG_PTR ExStyleOf(HWND window) {
    return GetWindowLongPtrA(window, GWL_EXSTYLE);
}

class ComponentsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(form_.Load()); }

    TestForm form_;
};

struct ClampCase {
    uint32_t component;
    int32_t property;
    int32_t written;
    int32_t stored;
};

TEST_F(ComponentsTest, PropertyWritesClampOutOfRangeValues) {
    const ClampCase cases[] = {
        {kOkButton, kButtonType, 5, 1},
        {kOkButton, kButtonType, -3, 0},
        {kCreateCheck, kCheckBoxChecked, 2, 0},
        {kWindowRecord, kWindowBorderStyle, 9, 6},
        {kWindowRecord, kWindowBorderStyle, -1, 0},
        {kOpenDialog, kDialogType, 7, 3},
        {kOpenDialog, kDialogType, -1, 0},
        {kOpenDialog, kDialogFilterIndex, -1, 0},
        {kOpenDialog, kDialogHelpCommand, 9, 5},
        {kOpenDialog, kDialogFontSize, -2, 0},
        {kNameEdit, kEditMaxLength, -5, 0},
        {kNameEdit, kEditInputMode, 12, 11},
        {kNameEdit, kEditSpin, 3, 2},
        {kWindowRecord, kWindowMousePointer, 40, 29},
        {kWindowRecord, kWindowMousePointer, -2, 0},
    };
    for (const ClampCase& c : cases) {
        form_.Write(c.component, c.property, c.written);
        EXPECT_EQ(form_.ReadInteger(c.component, c.property), c.stored)
            << std::hex << c.component << " property " << std::dec << c.property << " written " << c.written;
    }
}

TEST_F(ComponentsTest, ClampedValuesReachTheWindows) {
    const HWND button = form_.Window(kOkButton);
    form_.Write(kOkButton, kButtonType, 5);
    EXPECT_EQ(StyleOf(button) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    form_.Write(kOkButton, kButtonType, -3);
    EXPECT_EQ(StyleOf(button) & BS_TYPEMASK, BS_PUSHBUTTON);

    const HWND check = form_.Window(kCreateCheck);
    ASSERT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED) << "the template checks the box";
    form_.Write(kCreateCheck, kCheckBoxChecked, 2);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    form_.Write(kCreateCheck, kCheckBoxChecked, 1);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);

    form_.Write(kWindowRecord, kWindowBorderStyle, 9);
    EXPECT_NE(ExStyleOf(form_.Window(kWindowRecord)) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(StyleOf(form_.Window(kWindowRecord)) & WS_THICKFRAME, 0);
}

TEST_F(ComponentsTest, WindowHasExactlyItsTemplatesFrameAndOpensCentred) {
    const HWND window = form_.Window(kWindowRecord);
    const LONG_PTR style = StyleOf(window);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0) << "the record's tab-stop flag must not become a maximise box";
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(ExStyleOf(window) & (WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE), 0);

    RECT bounds = {};
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 320);
    EXPECT_EQ(bounds.bottom - bounds.top, 240);
    EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - 320) / 2);
    EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - 240) / 2);

    char className[32] = {};
    GetClassNameA(window, className, sizeof(className));
    EXPECT_STREQ(className, "KXWindow");
    GetClassNameA(form_.Window(kNameLabel), className, sizeof(className));
    EXPECT_STREQ(className, "_QV_Label");
    GetClassNameA(form_.Window(kOpenDialog), className, sizeof(className));
    EXPECT_STREQ(className, "_QV_CommonDlg");
}

TEST_F(ComponentsTest, PositionReadsWhatTheWindowIsNow) {
    const HWND window = form_.Window(kWindowRecord);
    form_.Write(kWindowRecord, kWindowPosition, 2);
    EXPECT_TRUE(IsIconic(window));
    EXPECT_EQ(form_.ReadInteger(kWindowRecord, kWindowPosition), 2);

    form_.Write(kWindowRecord, kWindowPosition, 1);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(form_.ReadInteger(kWindowRecord, kWindowPosition), 0) << "a centred window is a normal one";
    RECT bounds = {};
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - (bounds.right - bounds.left)) / 2);

    ShowWindow(window, SW_MINIMIZE);
    EXPECT_EQ(form_.ReadInteger(kWindowRecord, kWindowPosition), 2) << "whatever was written last";
}

TEST_F(ComponentsTest, MovableSwitchesTheMoveCommand) {
    const HWND window = form_.Window(kWindowRecord);
    form_.Write(kWindowRecord, kWindowMovable, 0);
    EXPECT_EQ(GetMenuState(GetSystemMenu(window, FALSE), SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
    form_.Write(kWindowRecord, kWindowMovable, 1);
    EXPECT_NE(GetMenuState(GetSystemMenu(window, FALSE), SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(ComponentsTest, EmbeddedWindowIsAChildWithAModalEdgeAndNoSizingBorder) {
    WindowUnitProperties settings;
    settings.borderStyle = 1;
    settings.controlBox = 1;
    settings.position = 1;
    settings.caption = "嵌入";
    const std::vector<uint8_t> block = WriteWindowUnitProperties(settings);
    UnitCreateArgs args;
    args.properties = block.data();
    args.propertiesSize = static_cast<uint32_t>(block.size());
    args.left = 10;
    args.top = 20;
    args.width = 150;
    args.height = 100;
    args.visible = true;
    args.windowId = kTestWindowId + 1;
    args.parent = form_.Window(kWindowRecord);
    args.embedded = true;
    const ComponentObject* object = UnitRoutineOf<UnitCreateRoutine>(kUnitWindow, kUnitCreate)(args);
    ASSERT_NE(object, nullptr);
    const HWND child = object->window;
    EXPECT_EQ(GetParent(child), args.parent);
    EXPECT_EQ(StyleOf(child) & (WS_CHILD | WS_POPUP | WS_THICKFRAME), WS_CHILD);
    EXPECT_EQ(StyleOf(child) & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(ExStyleOf(child) & WS_EX_DLGMODALFRAME, 0);

    RECT bounds = {};
    GetWindowRect(child, &bounds);
    MapWindowPoints(nullptr, args.parent, reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.left, 10) << "an embedded window is not centred on the screen";
    EXPECT_EQ(bounds.top, 20);

    const auto write = UnitRoutineOf<UnitWritePropertyRoutine>(kUnitWindow, kUnitWriteProperty);
    const int32_t resizableToolWindow = 3;
    write(const_cast<ComponentObject*>(object), kWindowBorderStyle, &resizableToolWindow, 0);
    EXPECT_EQ(StyleOf(child) & (WS_CHILD | WS_THICKFRAME), WS_CHILD);
    EXPECT_NE(ExStyleOf(child) & WS_EX_TOOLWINDOW, 0);
    DestroyWindow(child);
}

TEST_F(ComponentsTest, WindowMousePointerShowsItsCursorOverTheClientArea) {
    const HWND window = form_.Window(kWindowRecord);
    const struct {
        int32_t pointer;
        LPCSTR cursor;
    } cases[] = {
        {3, IDC_IBEAM}, {14, IDC_HAND}, {2, IDC_CROSS}, {20, IDC_ARROW}, {0, IDC_ARROW},
    };
    for (const auto& c : cases) {
        form_.Write(kWindowRecord, kWindowMousePointer, c.pointer);
        SetCursor(nullptr);
        SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, c.cursor)) << "pointer " << c.pointer;
    }
}

// Presses and releases the spin control's upper or lower arrow.
void ClickSpin(HWND spin, bool up) {
    RECT client = {};
    GetClientRect(spin, &client);
    const LPARAM point = MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(spin, WM_LBUTTONUP, 0, point);
}

class SpinTest : public ComponentsTest {
  protected:
    HWND Spin(int32_t mode) {
        form_.Write(kNameEdit, kEditSpinFirstBound, 3);
        form_.Write(kNameEdit, kEditSpinSecondBound, 0);
        form_.Write(kNameEdit, kEditSpin, mode);
        return FindWindowExA(form_.Window(kWindowRecord), nullptr, "msctls_updown32", nullptr);
    }
};

TEST_F(SpinTest, AutomaticSteppingWrapsAroundTheRangeAndSelectsTheValue) {
    const HWND spin = Spin(1);
    ASSERT_NE(spin, nullptr);
    const HWND edit = form_.Window(kNameEdit);
    form_.WriteText(kNameEdit, kEditContent, "2");
    const struct {
        bool up;
        const char* content;
    } steps[] = {{true, "3"}, {true, "0"}, {false, "3"}, {false, "2"}};
    for (const auto& step : steps) {
        ClickSpin(spin, step.up);
        EXPECT_EQ(form_.ReadText(kNameEdit, kEditContent), step.content);
    }
    EXPECT_EQ(GetFocus(), edit);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 1u);
}

TEST_F(SpinTest, ReportModeRaisesTheSpinEventAndLeavesTheContent) {
    const HWND spin = Spin(2);
    ASSERT_NE(spin, nullptr);
    form_.WriteText(kNameEdit, kEditContent, "7");
    form_.Runtime().events.clear();
    ClickSpin(spin, true);
    ClickSpin(spin, false);
    std::vector<std::vector<uint32_t>> reported;
    for (const RaisedEvent& raised : form_.Runtime().events) {
        if (raised.componentId == kNameEdit && raised.event == kEventSpin) {
            reported.push_back(raised.arguments);
        }
    }
    EXPECT_EQ(reported, (std::vector<std::vector<uint32_t>>{{1}, {static_cast<uint32_t>(-1)}}));
    EXPECT_EQ(form_.ReadText(kNameEdit, kEditContent), "7");
}

TEST_F(SpinTest, DisabledBoxIgnoresItsSpin) {
    const HWND spin = Spin(1);
    ASSERT_NE(spin, nullptr);
    form_.WriteText(kNameEdit, kEditContent, "1");
    EnableWindow(form_.Window(kNameEdit), FALSE);
    EXPECT_FALSE(IsWindowEnabled(spin)) << "the spin follows its box";
    EnableWindow(spin, TRUE);
    ClickSpin(spin, true);
    EXPECT_EQ(form_.ReadText(kNameEdit, kEditContent), "1");
}

TEST_F(ComponentsTest, ExplicitFalseFromCloseEventsKeepsTheWindowOpen) {
    const HWND window = form_.Window(kWindowRecord);
    RuntimeRecord& runtime = form_.Runtime();

    runtime.refused = {12};
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(runtime.Count(kWindowRecord, 12), 1);
    EXPECT_EQ(runtime.Count(kWindowRecord, 1), 0) << "event 1 follows only an accepted event 12";

    runtime.refused = {1};
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(runtime.Count(kWindowRecord, 1), 1);
    EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), FALSE);

    runtime.refused.clear();
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(runtime.Count(kWindowRecord, 2), 1);
    for (const uint32_t component : {kWindowRecord, kNameEdit, kOkButton, kCreateCheck, kNameLabel, kOpenDialog}) {
        EXPECT_NE(std::find(runtime.destroyed.begin(), runtime.destroyed.end(), component), runtime.destroyed.end())
            << std::hex << component << " was not reported destroyed";
    }
}

TEST_F(ComponentsTest, EditBoxReturnsWhatTheUserTyped) {
    const HWND edit = form_.Window(kNameEdit);
    EXPECT_EQ(form_.ReadText(kNameEdit, kEditContent), "默认");
    ASSERT_TRUE(TypeText(edit, "D:\\桌面备份"));
    EXPECT_EQ(form_.ReadText(kNameEdit, kEditContent), "D:\\桌面备份");
    EXPECT_GE(form_.Runtime().Count(kNameEdit, kEventChanged), 1);
}

TEST_F(ComponentsTest, EachContentWriteRaisesTheChangeEventOnce) {
    for (const char* text : {"第一", "", "third"}) {
        form_.Runtime().events.clear();
        form_.WriteText(kNameEdit, kEditContent, text);
        EXPECT_EQ(form_.Runtime().Count(kNameEdit, kEventChanged), 1) << text;
        EXPECT_EQ(form_.ReadText(kNameEdit, kEditContent), text);
    }
}

TEST_F(ComponentsTest, MaximumLengthRefusesAFifthTypedByte) {
    const HWND edit = form_.Window(kNameEdit);
    form_.Write(kNameEdit, kEditMaxLength, 4);
    form_.WriteText(kNameEdit, kEditContent, "");
    for (const char character : std::string("12345")) {
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(character), 1);
    }
    EXPECT_EQ(form_.ReadText(kNameEdit, kEditContent), "1234");
}

TEST_F(ComponentsTest, InputModesFilterTypingAndNormaliseOnLosingTheFocus) {
    const HWND edit = form_.Window(kNameEdit);
    form_.Write(kNameEdit, kEditInputMode, 5);
    form_.WriteText(kNameEdit, kEditContent, "");
    for (const char character : std::string("3-0a0")) {
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(character), 1);
    }
    EXPECT_EQ(form_.ReadText(kNameEdit, kEditContent), "300");

    SetFocus(edit);
    form_.Runtime().events.clear();
    SetFocus(form_.Window(kOkButton));
    EXPECT_EQ(form_.ReadText(kNameEdit, kEditContent), "255");
    EXPECT_EQ(form_.Runtime().Count(kNameEdit, kEventLostFocus), 1);
    EXPECT_EQ(form_.Runtime().Count(kOkButton, kEventGotFocus), 1);
    ASSERT_FALSE(form_.Runtime().events.empty());
    EXPECT_EQ(form_.Runtime().events.front().event, kEventChanged) << "the content is normalised before -8";
}

TEST_F(ComponentsTest, LargeFontMakesASingleLineBoxTaller) {
    const HWND edit = form_.Window(kNameEdit);
    RECT before = {};
    GetWindowRect(edit, &before);
    LOGFONTA font = {};
    font.lfHeight = -48;
    std::strcpy(font.lfFaceName, "Tahoma");
    uint8_t bytes[sizeof(font)];
    std::memcpy(bytes, &font, sizeof(font));
    EXPECT_EQ(form_.WriteBytes(kNameEdit, kEditFont, bytes), 1) << "a taller box asks for a new layout";

    RECT after = {};
    GetWindowRect(edit, &after);
    const HFONT applied = reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0));
    EXPECT_GT(after.bottom - after.top, before.bottom - before.top);
    EXPECT_GE(after.bottom - after.top, FontTextHeight(applied) + 2 * GetSystemMetrics(SM_CYEDGE));
}

TEST_F(ComponentsTest, ButtonClickAndFocusRaiseTheirEvents) {
    SendMessageA(form_.Window(kOkButton), BM_CLICK, 0, 0);
    EXPECT_EQ(form_.Runtime().Count(kOkButton, kEventClicked), 1);
    SendMessageA(form_.Window(kCreateCheck), BM_CLICK, 0, 0);
    EXPECT_EQ(form_.Runtime().Count(kCreateCheck, kEventClicked), 1);
    EXPECT_EQ(form_.ReadInteger(kCreateCheck, kCheckBoxChecked), 0) << "the click has already unchecked the box";
}

TEST_F(ComponentsTest, HelpThatCannotBeShownGivesFalse) {
    form_.Write(kOpenDialog, kDialogType, 3);
    form_.WriteText(kOpenDialog, kDialogHelpFile, "Z:\\no such directory\\tool.hlp");
    for (const int32_t command : {0, 1, 2, 3}) {
        form_.Write(kOpenDialog, kDialogHelpCommand, command);
        EXPECT_FALSE(CommonDialogOpen(form_.Object(kOpenDialog))) << "help command " << command;
    }
    form_.Write(kOpenDialog, kDialogHelpCommand, 5);
    EXPECT_TRUE(CommonDialogOpen(form_.Object(kOpenDialog)));
}

}  // namespace
}  // namespace velmora::test
