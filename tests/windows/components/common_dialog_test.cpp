// The common dialog's dialogs shown by CommonDialogOpen and answered as a user answers them: the
// dialog is modal on the form's own thread while the test thread acts on it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "components/common_dialog.h"
#include "tests/support/build_paths.h"
#include "tests/support/ui_driver.h"
#include "tests/windows/components/test_form.h"

namespace velmora::test {
namespace {

// The common dialog's property numbers used below.
constexpr int32_t kType = 0;
constexpr int32_t kFileName = 2;
constexpr int32_t kFontColour = 12;
constexpr int32_t kBold = 13;
constexpr int32_t kItalic = 14;
constexpr int32_t kStrikeOut = 15;
constexpr int32_t kUnderline = 16;
constexpr int32_t kFontName = 17;
constexpr int32_t kFontSize = 18;
constexpr int32_t kFontDialogType = 2;

// The font dialog's controls.
constexpr int kFaceNameBox = 0x470;
constexpr int kStrikeOutBox = 0x410;
constexpr int kUnderlineBox = 0x411;

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

bool ClickButton(HWND dialog, int controlId) {
    const HWND button = FindButtonById(dialog, controlId);
    if (button == nullptr) {
        ADD_FAILURE() << "the dialog has no button " << controlId;
        return false;
    }
    Click(button);
    return true;
}

class CommonDialogTest : public ::testing::Test {
  protected:
    // Prepares the form's dialog component, calls CommonDialogOpen, lets `answer` act on the dialog
    // and gives its result; `inspect` reads the component once the dialog is gone.
    bool Run(const std::function<void(TestForm&)>& prepare,
             const std::function<void(HWND)>& answer,
             const std::function<void(TestForm&)>& inspect) {
        bool confirmed = false;
        const HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        bool loaded = false;
        std::thread program([&] {
            TestForm form;
            loaded = form.Load();
            if (loaded) {
                prepare(form);
            }
            SetEvent(ready);
            if (loaded) {
                confirmed = CommonDialogOpen(form.Object(kOpenDialog));
                inspect(form);
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
                if (IsWindow(dialog) && !WaitForWindowGone(dialog)) {
                    CancelDialog(dialog);
                }
            }
        }
        program.join();
        return confirmed;
    }
};

TEST_F(CommonDialogTest, OpenFileOkPutsTheChosenPathIntoTheFileName) {
    const std::string directory = MakeScratchDirectory("components");
    ASSERT_FALSE(directory.empty());
    const std::string path = directory + "\\layout.ini";
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    std::string chosen;
    EXPECT_TRUE(Run([](TestForm& form) { form.WriteText(kOpenDialog, kFileName, ""); },
                    [&](HWND dialog) { EXPECT_TRUE(ChooseFileWithOk(dialog, path)); },
                    [&](TestForm& form) { chosen = form.ReadText(kOpenDialog, kFileName); }));
    EXPECT_EQ(lstrcmpiA(chosen.c_str(), path.c_str()), 0) << chosen;
}

TEST_F(CommonDialogTest, OpenFileCancelKeepsThePreviousFileName) {
    std::string kept;
    EXPECT_FALSE(Run([](TestForm& form) { form.WriteText(kOpenDialog, kFileName, "previous.ini"); },
                     [](HWND dialog) { EXPECT_TRUE(CancelDialog(dialog)); },
                     [&](TestForm& form) { kept = form.ReadText(kOpenDialog, kFileName); }));
    EXPECT_EQ(kept, "previous.ini");
}

struct FontChoice {
    std::string name;
    int32_t size = 0;
    int32_t bold = 0;
    int32_t italic = 0;
    int32_t strikeOut = 0;
    int32_t underline = 0;
    int32_t colour = 0;
};

void PrepareFont(TestForm& form, const FontChoice& font) {
    form.Write(kOpenDialog, kType, kFontDialogType);
    form.WriteText(kOpenDialog, kFontName, font.name.c_str());
    form.Write(kOpenDialog, kFontSize, font.size);
    form.Write(kOpenDialog, kBold, font.bold);
    form.Write(kOpenDialog, kItalic, font.italic);
    form.Write(kOpenDialog, kStrikeOut, font.strikeOut);
    form.Write(kOpenDialog, kUnderline, font.underline);
    form.Write(kOpenDialog, kFontColour, font.colour);
}

FontChoice ReadFont(const TestForm& form) {
    return {form.ReadText(kOpenDialog, kFontName),     form.ReadInteger(kOpenDialog, kFontSize),
            form.ReadInteger(kOpenDialog, kBold),      form.ReadInteger(kOpenDialog, kItalic),
            form.ReadInteger(kOpenDialog, kStrikeOut), form.ReadInteger(kOpenDialog, kUnderline),
            form.ReadInteger(kOpenDialog, kFontColour)};
}

void ExpectFont(const FontChoice& actual, const FontChoice& expected) {
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_EQ(actual.size, expected.size);
    EXPECT_EQ(actual.bold, expected.bold);
    EXPECT_EQ(actual.italic, expected.italic);
    EXPECT_EQ(actual.strikeOut, expected.strikeOut);
    EXPECT_EQ(actual.underline, expected.underline);
    EXPECT_EQ(actual.colour, expected.colour);
}

// The machine set-up installs this font; Wine lists the system's fonts.
constexpr char kFace[] = "文泉驿微米黑";
const FontChoice kBoldUnderlinedRed = {kFace, 12, 1, 0, 0, 1, 0x0000FF};

TEST_F(CommonDialogTest, FontDialogStartsFromThePropertiesAndOkStoresTheChoice) {
    FontChoice chosen;
    EXPECT_TRUE(Run([](TestForm& form) { PrepareFont(form, kBoldUnderlinedRed); },
                    [](HWND dialog) {
                        char face[LF_FACESIZE] = {};
                        GetWindowTextA(FindDescendantById(dialog, kFaceNameBox), face, sizeof(face));
                        EXPECT_STREQ(face, kFace);
                        EXPECT_EQ(SendMessageA(FindButtonById(dialog, kUnderlineBox), BM_GETCHECK, 0, 0), BST_CHECKED);
                        ASSERT_TRUE(ClickButton(dialog, kStrikeOutBox));
                        ASSERT_TRUE(ClickButton(dialog, IDOK));
                    },
                    [&](TestForm& form) { chosen = ReadFont(form); }));
    FontChoice expected = kBoldUnderlinedRed;
    expected.strikeOut = 1;
    ExpectFont(chosen, expected);
}

TEST_F(CommonDialogTest, FontDialogCancelChangesNothing) {
    FontChoice kept;
    EXPECT_FALSE(Run([](TestForm& form) { PrepareFont(form, kBoldUnderlinedRed); },
                     [](HWND dialog) {
                         ASSERT_TRUE(ClickButton(dialog, kStrikeOutBox));
                         EXPECT_TRUE(CancelDialog(dialog));
                     },
                     [&](TestForm& form) { kept = ReadFont(form); }));
    ExpectFont(kept, kBoldUnderlinedRed);
}

}  // namespace
}  // namespace velmora::test
