// The components on real windows: the test form built through the units' create routines, driven as
// the runtime and a user drive it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "components/common_dialog.h"
#include "components/font_setting.h"
#include "tests/support/build_paths.h"
#include "tests/support/ui_driver.h"
#include "tests/windows/components/test_form.h"

namespace velmora::test {
namespace {

// Unit property numbers used below.
constexpr int32_t kWindowBorderStyle = 1;
constexpr int32_t kButtonType = 1;
constexpr int32_t kCheckBoxChecked = 10;
constexpr int32_t kEditContent = 0;
constexpr int32_t kEditFont = 4;
constexpr int32_t kEditMaxLength = 6;
constexpr int32_t kEditInputMode = 10;
constexpr int32_t kDialogType = 0;
constexpr int32_t kDialogFileName = 2;
constexpr int32_t kDialogFilterIndex = 4;
constexpr int32_t kDialogFontSize = 18;
constexpr int32_t kDialogHelpFile = 19;
constexpr int32_t kDialogHelpCommand = 20;

constexpr int32_t kEventChanged = 0;
constexpr int32_t kEventClicked = 0;
constexpr int32_t kEventGotFocus = -7;
constexpr int32_t kEventLostFocus = -8;

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

// The Explorer-style dialog has more children with id IDOK than its OK button (the file list, the
// toolbar): the name is typed as ChooseFile does, and the OK button is looked for by class.
bool ChooseFileWithOk(HWND dialog, const std::string& path) {
    constexpr int kFileNameBox = 0x47C;
    HWND nameBox = FindDescendantById(dialog, kFileNameBox);
    if (const HWND edit = nameBox == nullptr ? nullptr : FindDescendant(nameBox, "Edit"); edit != nullptr) {
        nameBox = edit;
    }
    if (nameBox == nullptr || !TypeText(nameBox, path)) {
        ADD_FAILURE() << "cannot type into the file name box";
        return false;
    }
    for (int index = 0;; ++index) {
        const HWND button = FindDescendant(dialog, "Button", index);
        if (button == nullptr) {
            ADD_FAILURE() << "the file dialog has no OK button";
            return false;
        }
        if (GetDlgCtrlID(button) == IDOK) {
            Click(button);
            return WaitForWindowGone(dialog);
        }
    }
}

// The dialog is modal on the form's own thread while the test thread answers it as a user would.
class OpenFileDialogTest : public ::testing::Test {
  protected:
    struct Outcome {
        bool confirmed = false;
        std::string fileName;
    };

    Outcome Run(const std::string& initialName, const std::function<void(HWND)>& answer) {
        Outcome outcome;
        const HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        bool loaded = false;
        std::thread program([&] {
            TestForm form;
            loaded = form.Load();
            if (loaded) {
                form.WriteText(kOpenDialog, kDialogFileName, initialName.c_str());
            }
            SetEvent(ready);
            if (loaded) {
                outcome.confirmed = CommonDialogOpen(form.Object(kOpenDialog));
                outcome.fileName = form.ReadText(kOpenDialog, kDialogFileName);
            }
        });
        WaitForSingleObject(ready, kDefaultTimeoutMs);
        CloseHandle(ready);
        if (loaded) {
            if (const HWND dialog = WaitForTopWindow(GetCurrentProcessId(), "#32770"); dialog != nullptr) {
                // The dialog answers a sent message only once it has finished setting up its controls.
                DWORD_PTR ignored = 0;
                SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kDefaultTimeoutMs, &ignored);
                answer(dialog);
                if (IsWindow(dialog)) {
                    CancelDialog(dialog);
                }
            }
        }
        program.join();
        return outcome;
    }
};

TEST_F(OpenFileDialogTest, OkPutsTheChosenPathIntoTheFileName) {
    const std::string directory = MakeScratchDirectory("components");
    ASSERT_FALSE(directory.empty());
    const std::string path = directory + "\\layout.ini";
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    const Outcome outcome = Run("", [&](HWND dialog) { EXPECT_TRUE(ChooseFileWithOk(dialog, path)); });
    EXPECT_TRUE(outcome.confirmed);
    EXPECT_EQ(lstrcmpiA(outcome.fileName.c_str(), path.c_str()), 0) << outcome.fileName;
}

TEST_F(OpenFileDialogTest, CancelKeepsThePreviousFileName) {
    const Outcome outcome = Run("previous.ini", [](HWND dialog) { EXPECT_TRUE(CancelDialog(dialog)); });
    EXPECT_FALSE(outcome.confirmed);
    EXPECT_EQ(outcome.fileName, "previous.ini");
}

}  // namespace
}  // namespace velmora::test
