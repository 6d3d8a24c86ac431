#include "app/restore/restore_pass.h"

#include <commctrl.h>

#include <optional>
#include <unordered_map>
#include <vector>

#include "app/desktop/desktop_list_view.h"
#include "app/desktop/icon_classification.h"
#include "app/program_variables.h"
#include "app/restore/placement_planner.h"
#include "app/restore/recreate_shortcut.h"
#include "app/routine_ids.h"
#include "app/texts.h"
#include "app/tool_commands.h"

namespace velmora {
namespace {

// The shell shows a new file's icon within a moment; a shortcut whose icon has not come by then is
// not waited for any longer.
constexpr DWORD kShortcutIconWaitMs = 5000;
constexpr int32_t kShortcutIconPollMs = 10;
constexpr int32_t kShellSettleMs = 100;

IconEntry& Saved(size_t entry) {
    return SavedIcons.At(static_cast<int32_t>(entry + 1), kRestoreIconPositionsRoutine, 1);
}

class RestorePass {
  public:
    RestorePass(HWND listView, const StoredLayout& layout, RestoreHost& host)
        : listView_(listView),
          layout_(layout),
          host_(host),
          dryRun_(host.DryRun()),
          classifier_(WorkOutDesktopDirectories()) {
        std::unordered_map<std::string, int32_t> seen;
        for (const StoredIcon& icon : layout_.icons)
            occurrence_.push_back(seen[icon.caption]++);
    }

    RestoreStatus Run() noexcept {
        UnrestoredShortcuts.Clear();
        MissingFiles.Clear();
        NotLandedIcons.Clear();
        if (!ReadDesktop())
            return RestoreStatus::kNoDesktop;
        for (size_t entry = 0; entry < layout_.icons.size(); ++entry) {
            const Step step = Decide(entry);
            if (step == Step::kStop)
                return RestoreStatus::kStopped;
            if (step == Step::kNoDesktop)
                return RestoreStatus::kNoDesktop;
            if (step == Step::kSkip)
                continue;
            if (step == Step::kPlace)
                checked_.push_back(entry);
            if (!Place(entry))
                return RestoreStatus::kStopped;
        }
        *FreeSlot.get() = ItemRectangle{planner_->FreeSlot().x, planner_->FreeSlot().y, 0, 0};
        if (dryRun_)
            return RestoreStatus::kDone;
        // The shell has the moves to draw, and may still rearrange what it took: reading back while it
        // does makes every answer wait behind the drawing, and may see a place it is about to change.
        if (moved_ && !host_.Wait(kShellSettleMs))
            return RestoreStatus::kStopped;
        return CheckWhereTheyLanded() ? RestoreStatus::kDone : RestoreStatus::kNoDesktop;
    }

  private:
    enum class Step {
        kPlace,        // placed, and its landing checked
        kPlaceListed,  // placed, though already listed as not restored
        kSkip,
        kStop,
        kNoDesktop,
    };

    // DesktopIcons and the planner's picture afresh, with what each icon's move takes. The restore
    // goes by captions and places only: the icons are not classified, which would ask the file
    // system about every icon and read every shortcut for nothing.
    bool ReadDesktop() noexcept {
        std::vector<DesktopItem> items;
        if (ReadListViewItems(listView_, items, true) != ReadStatus::kRead)
            return false;
        DesktopIcons.Clear();
        std::vector<PlannerIcon> icons;
        icons.reserve(items.size());
        offsets_.clear();
        for (DesktopItem& item : items) {
            ItemRectangle rectangle = {item.bounds.left, item.bounds.top, item.bounds.right, item.bounds.bottom};
            const IconEntry entry = {item.index, nullptr, item.caption.data(), &rectangle, nullptr};
            DesktopIcons.Append(entry);
            offsets_.push_back({item.position.x - item.bounds.left, item.position.y - item.bounds.top});
            icons.push_back({std::move(item.caption), item.bounds.left, item.bounds.top});
        }
        planner_.emplace(std::move(icons));
        return true;
    }

    static IconEntry& DesktopIcon(int32_t icon) { return DesktopIcons.At(icon + 1, kRestoreIconPositionsRoutine, 2); }

    Step Decide(size_t entry) noexcept {
        const StoredIcon& icon = layout_.icons[entry];
        if (icon.kind == "system")
            return Step::kPlace;
        if (icon.kind != "lnk") {
            if (classifier_.IsOnDesktop(icon.caption.c_str(), ""))
                return Step::kPlace;
            MissingFiles.Append(Saved(entry));
            return Step::kSkip;
        }
        if (classifier_.IsOnDesktop(icon.caption.c_str(), ".lnk"))
            return Step::kPlace;
        if (!host_.RecreateMissingShortcuts()) {
            host_.ShortcutLeftMissing(icon);
            return Step::kSkip;
        }
        if (dryRun_) {
            host_.ShortcutRecreated(icon);
            return Step::kSkip;
        }
        if (!RecreateShortcut(Saved(entry))) {
            UnrestoredShortcuts.Append(Saved(entry));
            return Step::kPlaceListed;
        }
        host_.ShortcutRecreated(icon);
        return WaitForIcon(entry);
    }

    Step WaitForIcon(size_t entry) noexcept {
        const DWORD start = GetTickCount();
        while (!planner_->IsIconOnDesktop(layout_.icons[entry].caption, occurrence_[entry])) {
            if (GetTickCount() - start >= kShortcutIconWaitMs) {
                UnrestoredShortcuts.Append(Saved(entry));
                return Step::kSkip;
            }
            if (!host_.Wait(kShortcutIconPollMs))
                return Step::kStop;
            if (!ReadDesktop())
                return Step::kNoDesktop;
        }
        return Step::kPlace;
    }

    // False when the host stopped the restore.
    bool Place(size_t entry) noexcept {
        const StoredIcon& stored = layout_.icons[entry];
        const std::optional<int32_t> icon = planner_->IconFor(stored.caption, occurrence_[entry]);
        if (!icon) {
            host_.NoIcon(stored);
            return true;
        }
        for (const IconMove& move : planner_->Place(*icon, stored.rectangle.left, stored.rectangle.top)) {
            ItemRectangle& rectangle = *DesktopIcon(move.icon).rectangle;
            if (!dryRun_ && !Move(move))
                return false;
            host_.IconMoved(
                {move.icon, planner_->Icon(move.icon).caption, rectangle.left, rectangle.top, move.x, move.y});
            rectangle.left = move.x;
            rectangle.top = move.y;
        }
        return true;
    }

    // The picture of the desktop before anything moved, classified as a backup classifies it, so that
    // the host can keep it as a backup.
    void ClassifyDesktopIcons() noexcept {
        const uint32_t count = DesktopIcons.Count();
        for (uint32_t i = 0; i < count; ++i) {
            IconEntry& icon = DesktopIcon(static_cast<int32_t>(i));
            Classification classification = classifier_.Classify(icon.caption ? icon.caption : "");
            HeapRelease(icon.kind);
            HeapRelease(icon.target);
            icon.kind = NewText(classification.kind);
            icon.target = classification.target.release();
        }
    }

    // False when the host stopped the restore.
    bool Move(const IconMove& move) noexcept {
        if (!moved_) {
            moved_ = true;
            ClassifyDesktopIcons();
            host_.BeforeFirstMove();
        }
        if (!host_.Wait(host_.MoveDelay()))
            return false;
        // The list view places the item's position, which lies off its bounds by the icon's own offset.
        const POINT offset = offsets_[static_cast<size_t>(move.icon)];
        MoveListViewItem(listView_, move.icon, move.x + offset.x, move.y + offset.y);
        return true;
    }

    // Where the icons are now, read from the desktop: a move the shell refused or undid shows here.
    bool CheckWhereTheyLanded() noexcept {
        if (!ReadDesktop())
            return false;
        for (const size_t entry : checked_) {
            const StoredIcon& stored = layout_.icons[entry];
            const std::optional<int32_t> icon = planner_->IconFor(stored.caption, occurrence_[entry]);
            if (!icon || !planner_->IsIconInPlace(*icon, stored.rectangle.left, stored.rectangle.top))
                NotLandedIcons.Append(Saved(entry));
        }
        return true;
    }

    HWND listView_;
    const StoredLayout& layout_;
    RestoreHost& host_;
    const bool dryRun_;
    bool moved_ = false;
    // Each desktop directory listed once: a file check that misses costs no scan of the directory.
    const IconClassifier classifier_;
    std::vector<int32_t> occurrence_;  // per entry: how many entries of its caption come before it
    std::optional<PlacementPlanner> planner_;
    std::vector<POINT> offsets_;  // per icon: its position less its bounds' top-left corner
    std::vector<size_t> checked_;
};

bool AutoArranged(HWND listView) {
    return (GetWindowLongA(listView, GWL_STYLE) & LVS_AUTOARRANGE) != 0;
}

}  // namespace

void LoadSavedIcons(const StoredLayout& layout) noexcept {
    SavedIcons.Clear();
    for (const StoredIcon& icon : layout.icons) {
        ItemRectangle rectangle = icon.rectangle;
        const Text kind(NewText(icon.kind.c_str()));
        const Text caption(NewText(icon.caption.c_str()));
        const Text target(NewText(icon.target.c_str()));
        const IconEntry entry = {0, kind.get(), caption.get(), &rectangle, target.get()};
        SavedIcons.Append(entry);
    }
}

RestoreStatus RestoreIconPositions(HWND listView, const StoredLayout& layout, RestoreHost& host) noexcept {
    return RestorePass(listView, layout, host).Run();
}

RestoreStatus RestoreDesktopIcons(const StoredLayout& layout, RestoreHost& host) noexcept {
    SavedIcons.Clear();
    const HWND listView = FindDesktopListView();
    if (!listView)
        return RestoreStatus::kNoDesktop;
    LoadSavedIcons(layout);
    if (AutoArranged(listView))
        return RestoreStatus::kAutoArrange;
    return RestoreIconPositions(listView, layout, host);
}

}  // namespace velmora
