#include "app/restore/restore_clicked.h"

#include <string>

#include "app/main_window/component_texts.h"
#include "app/main_window/main_window_ids.h"
#include "app/program_variables.h"
#include "app/restore/checked_layout.h"
#include "app/restore/restore_pass.h"
#include "app/restore/restore_snapshot.h"
#include "app/restore/restore_report.h"
#include "app/tool_commands.h"
#include "commands/runtime_link.h"
#include "runtime/entry_points.h"

namespace velmora {
namespace {

constexpr char kErrorCaption[] = "错误！";
constexpr int32_t kErrorIcon = 16;
constexpr int32_t kWarningIcon = 48;
constexpr int32_t kDisabledProperty = 6;

bool MainWindowAlive() {
    return CallRuntimeService(kServiceComponentObject, kMainWindow, 0) != 0;
}

// The window as the restore's host: it reads the delay box and the check box anew each time, and
// stops the restore when the user closes the window during a wait.
class WindowHost final : public RestoreHost {
  public:
    int32_t MoveDelay() noexcept override { return MainWindowAlive() ? ReadMoveDelay() : 0; }

    bool RecreateMissingShortcuts() noexcept override {
        return MainWindowAlive() && static_cast<uint32_t>(kEntryPoints.readProperty(
                                        kMainWindow, kCreateShortcutsCheck, kCheckBoxChecked, kWholeValue)) != 0;
    }

    bool Wait(int32_t milliseconds) noexcept override {
        tool::Delay(milliseconds);
        return MainWindowAlive();
    }

    // The window says nothing when the snapshot cannot be written: the restore goes on all the same.
    void BeforeFirstMove() noexcept override { SaveRestoreSnapshot(); }
};

// Backup and restore share the program-wide variables, and the restore lets clicks through while it
// waits: both buttons stay disabled until it ends.
class OperationButtonsDisabled {
  public:
    OperationButtonsDisabled() { Enable(false); }
    ~OperationButtonsDisabled() { Enable(true); }
    OperationButtonsDisabled(const OperationButtonsDisabled&) = delete;
    OperationButtonsDisabled& operator=(const OperationButtonsDisabled&) = delete;

  private:
    static void Enable(bool enabled) {
        for (const uint32_t button : {kBackupButton, kRestoreButton})
            kEntryPoints.writeProperty(kMainWindow, button, kDisabledProperty, kWholeValue, enabled ? 0 : 1, 0);
    }
};

void TellError(const char* text) {
    tool::InfoBox(text, kErrorIcon, kErrorCaption);
}

bool AnythingToReport() {
    return UnrestoredShortcuts.Count() > 0 || MissingFiles.Count() > 0 || NotLandedIcons.Count() > 0;
}

void Restore() {
    const Text path = ReadTextProperty(kBackupFileEdit, kEditContent);
    const CheckedLayout checked = CheckLayoutFile(path.get());
    switch (checked.check) {
        case LayoutCheck::kReady:
            break;
        // No file, an unreadable one or one without a screen line has no stored size: 0 by 0.
        case LayoutCheck::kUnreadable:
        case LayoutCheck::kOtherScreen:
            TellError("分辨率不同，无法还原!!");
            return;
        case LayoutCheck::kMalformed: {
            const std::string message =
                "备份文件格式错误（第" + std::to_string(checked.layout.badLine) + "行），无法还原！";
            TellError(message.c_str());
            return;
        }
    }
    const StoredLayout& layout = checked.layout;
    WindowHost host;
    switch (RestoreDesktopIcons(layout, host)) {
        case RestoreStatus::kDone:
            tool::InfoBox("还原图标成功！！！", 0);
            if (AnythingToReport())
                ShowRestoreReport();
            return;
        case RestoreStatus::kNoDesktop:
            TellError("还原失败，无法读取桌面图标！");
            return;
        case RestoreStatus::kAutoArrange:
            tool::InfoBox("桌面已开启“自动排列图标”，请先关闭后再还原！", kWarningIcon);
            return;
        case RestoreStatus::kStopped:
            return;
    }
}

}  // namespace

int32_t ReadMoveDelay() noexcept {
    const Text delay = ReadTextProperty(kDelayEdit, kEditContent);
    return tool::ToInteger(delay.get());
}

EventResult RestoreClicked(const EventCall&) noexcept {
    const OperationButtonsDisabled disabled;
    Restore();
    return {};
}

}  // namespace velmora
