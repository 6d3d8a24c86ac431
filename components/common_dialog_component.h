// The common dialog component: a window that only anchors it on the form, and its 22 settings.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "components/component.h"

namespace velmora {

enum CommonDialogProperty : int32_t {
    kDialogType = 0,
    kDialogTitle = 1,
    kFileName = 2,
    kFilter = 3,
    kFilterIndex = 4,
    kInitialDirectory = 5,
    kDefaultExtension = 6,
    kCreatePrompt = 7,
    kFileMustExist = 8,
    kOverwritePrompt = 9,
    kPathMustExist = 10,
    kNoChangeDirectory = 11,
    kFontColour = 12,
    kBold = 13,
    kItalic = 14,
    kStrikeOut = 15,
    kUnderline = 16,
    kFontName = 17,
    kFontSize = 18,
    kHelpFile = 19,
    kHelpCommand = 20,
    kHelpTopic = 21,
    kCommonDialogPropertyCount = 22,
};

enum DialogType : int32_t { kOpenFileDialog = 0, kSaveFileDialog = 1, kFontDialog = 2, kHelpDialog = 3 };

class CommonDialogComponent final : public Component {
  public:
    explicit CommonDialogComponent(const UnitCreateArgs& args) noexcept;

    static ComponentObject* Create(const UnitCreateArgs& args) noexcept;

    int32_t WriteProperty(int32_t number, const void* value) override;
    void ReadProperty(int32_t number, void* buffer) override;

    static bool IsText(int32_t number) noexcept;
    int32_t Integer(int32_t number) const noexcept { return integers_[number]; }
    const std::string& Text(int32_t number) const noexcept { return texts_[number]; }
    // The dialog stores what the user chose; the clamping rules apply as to any write.
    void SetInteger(int32_t number, int32_t value) noexcept;
    void SetText(int32_t number, std::string_view text) { texts_[number] = text; }

  private:
    std::array<int32_t, kCommonDialogPropertyCount> integers_ = {};
    std::array<std::string, kCommonDialogPropertyCount> texts_;
};

}  // namespace velmora
