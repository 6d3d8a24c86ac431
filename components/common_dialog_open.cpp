#include <windows.h>

#include <commdlg.h>

#include <array>
#include <cstdlib>
#include <string>

#include "components/common_dialog.h"
#include "components/common_dialog_component.h"
#include "components/file_filter.h"
#include "components/runtime_link.h"
#include "components/unit_values.h"
#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

// The longest path the file dialogs hand back.
constexpr size_t kPathRoom = 4096;
constexpr char kHelpExtension[] = "hlp";

const char* UnlessEmpty(const std::string& text) noexcept {
    return text.empty() ? nullptr : text.c_str();
}

int VerticalPixelsPerInch() noexcept {
    const HDC screen = GetDC(nullptr);
    const int pixels = screen == nullptr ? 96 : GetDeviceCaps(screen, LOGPIXELSY);
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return pixels;
}

bool OpenFileDialog(CommonDialogComponent& dialog) {
    const std::string filter = Win32FileFilter(dialog.Text(kFilter));
    std::array<char, kPathRoom> path = {};
    dialog.Text(kFileName).copy(path.data(), path.size() - 1);

    DWORD flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    constexpr std::pair<int32_t, DWORD> kFlags[] = {
        {kCreatePrompt, OFN_CREATEPROMPT},       {kFileMustExist, OFN_FILEMUSTEXIST},
        {kOverwritePrompt, OFN_OVERWRITEPROMPT}, {kPathMustExist, OFN_PATHMUSTEXIST},
        {kNoChangeDirectory, OFN_NOCHANGEDIR},
    };
    for (const auto& [property, flag] : kFlags) {
        if (IsOn(dialog.Integer(property))) {
            flags |= flag;
        }
    }

    OPENFILENAMEA request = {};
    request.lStructSize = sizeof(request);
    request.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    request.nFilterIndex = filter.empty() ? 0 : static_cast<DWORD>(std::max(dialog.Integer(kFilterIndex), 0)) + 1;
    request.lpstrFile = path.data();
    request.nMaxFile = static_cast<DWORD>(path.size());
    request.lpstrTitle = UnlessEmpty(dialog.Text(kDialogTitle));
    request.lpstrInitialDir = UnlessEmpty(dialog.Text(kInitialDirectory));
    request.lpstrDefExt = UnlessEmpty(dialog.Text(kDefaultExtension));
    request.Flags = flags;
    const BOOL confirmed =
        dialog.Integer(kDialogType) == kSaveFileDialog ? GetSaveFileNameA(&request) : GetOpenFileNameA(&request);
    if (!confirmed) {
        return false;
    }
    dialog.SetText(kFileName, path.data());
    return true;
}

bool FontDialog(CommonDialogComponent& dialog) {
    const int pixelsPerInch = VerticalPixelsPerInch();
    LOGFONTA font = {};
    font.lfWeight = IsOn(dialog.Integer(kBold)) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = IsOn(dialog.Integer(kItalic)) ? TRUE : FALSE;
    font.lfUnderline = IsOn(dialog.Integer(kUnderline)) ? TRUE : FALSE;
    font.lfStrikeOut = IsOn(dialog.Integer(kStrikeOut)) ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    dialog.Text(kFontName).copy(font.lfFaceName, LF_FACESIZE - 1);
    if (dialog.Integer(kFontSize) != 0) {
        font.lfHeight = -MulDiv(dialog.Integer(kFontSize), pixelsPerInch, 72);
    }

    CHOOSEFONTA request = {};
    request.lStructSize = sizeof(request);
    request.lpLogFont = &font;
    request.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    request.rgbColors = static_cast<COLORREF>(dialog.Integer(kFontColour));
    if (!ChooseFontA(&request)) {
        return false;
    }
    dialog.SetInteger(kFontColour, static_cast<int32_t>(request.rgbColors));
    dialog.SetInteger(kBold, font.lfWeight >= FW_BOLD ? 1 : 0);
    dialog.SetInteger(kItalic, font.lfItalic != 0 ? 1 : 0);
    dialog.SetInteger(kStrikeOut, font.lfStrikeOut != 0 ? 1 : 0);
    dialog.SetInteger(kUnderline, font.lfUnderline != 0 ? 1 : 0);
    dialog.SetText(kFontName, font.lfFaceName);
    dialog.SetInteger(kFontSize, MulDiv(std::abs(font.lfHeight), 72, pixelsPerInch));
    return true;
}

// The help file of property 19, or the program's own file with the extension "hlp".
std::string HelpFile(const CommonDialogComponent& dialog) {
    if (!dialog.Text(kHelpFile).empty()) {
        return dialog.Text(kHelpFile);
    }
    std::array<char, MAX_PATH> program = {};
    const DWORD length = GetModuleFileNameA(nullptr, program.data(), static_cast<DWORD>(program.size()));
    std::string file(program.data(), length < program.size() ? length : 0);
    const size_t dot = file.find_last_of('.');
    const size_t slash = file.find_last_of("\\/");
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        file.resize(dot + 1);
    } else {
        file += '.';
    }
    return file + kHelpExtension;
}

// WinHelp is gone from current Windows: every case where it cannot show the help gives false.
bool HelpDialog(const CommonDialogComponent& dialog) {
    const HWND form = GetAncestor(dialog.window, GA_ROOT);
    if (form == nullptr || !IsWindow(form)) {
        return false;
    }
    const int32_t command = dialog.Integer(kHelpCommand);
    if (command == 5) {
        WinHelpA(form, nullptr, HELP_QUIT, 0);
        return true;
    }
    if (command == 4) {
        return WinHelpA(form, nullptr, HELP_HELPONHELP, 0) != FALSE;
    }
    const std::string file = HelpFile(dialog);
    const DWORD attributes = GetFileAttributesA(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    const auto topic = static_cast<ULONG_PTR>(static_cast<uint32_t>(dialog.Integer(kHelpTopic)));
    UINT request = HELP_FINDER;
    if (command == 3) {
        request = HELP_FORCEFILE;
    } else if ((command == 1 || command == 2) && topic != 0) {
        request = command == 1 ? HELP_CONTEXT : HELP_CONTEXTPOPUP;
    }
    return WinHelpA(form, file.c_str(), request, request == HELP_FINDER ? 0 : topic) != FALSE;
}

}  // namespace

bool CommonDialogOpen(ComponentObject* object) noexcept {
    if (object == nullptr || object->unitType != kUnitCommonDialog) {
        return false;
    }
    auto& dialog = static_cast<CommonDialogComponent&>(static_cast<Component&>(*object));
    try {
        switch (dialog.Integer(kDialogType)) {
            case kOpenFileDialog:
            case kSaveFileDialog:
                return OpenFileDialog(dialog);
            case kFontDialog:
                return FontDialog(dialog);
            default:
                return HelpDialog(dialog);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void CommonDialogOpenCommand(ValueRecord* result, int32_t argCount, ValueRecord* args) {
    result->type = kTypeBoolean;
    result->low = 0;
    if (argCount < 1 || args == nullptr) {
        return;
    }
    const auto object = static_cast<uint32_t>(CallComponentService(kServiceFindComponent, args[0].low, args[0].high));
    result->low = CommonDialogOpen(reinterpret_cast<ComponentObject*>(static_cast<uintptr_t>(object))) ? 1 : 0;
}

}  // namespace velmora
