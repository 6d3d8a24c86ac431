#include "app/command_line/command_line_restore.h"

#include <map>
#include <string>
#include <vector>

#include "app/command_line/exit_codes.h"
#include "app/command_line/output_lines.h"
#include "app/layout/layout_directory.h"
#include "app/program_variables.h"
#include "app/restore/checked_layout.h"
#include "app/restore/restore_pass.h"
#include "app/restore/restore_snapshot.h"
#include "app/tool_commands.h"

namespace velmora {
namespace {

// The command line as the restore's host: its options decide, nothing stops it, and it keeps what
// the pass tells for the output.
class CommandLineHost final : public RestoreHost {
  public:
    explicit CommandLineHost(const CommandLine& command) : command_(command) {}

    int32_t MoveDelay() noexcept override { return command_.delay; }
    bool RecreateMissingShortcuts() noexcept override { return command_.recreate; }
    bool Wait(int32_t milliseconds) noexcept override {
        tool::Delay(milliseconds);
        return true;
    }
    bool DryRun() noexcept override { return command_.dryRun; }

    void BeforeFirstMove() noexcept override {
        snapshotTaken_ = true;
        snapshot_ = SaveRestoreSnapshot();
    }
    void IconMoved(const IconShift& shift) noexcept override {
        auto [net, first] = netShifts_.try_emplace(shift.icon, shift);
        if (first) {
            order_.push_back(shift.icon);
            return;
        }
        net->second.toLeft = shift.toLeft;
        net->second.toTop = shift.toTop;
    }
    void ShortcutRecreated(const StoredIcon& icon) noexcept override { recreated_.push_back(icon); }
    void ShortcutLeftMissing(const StoredIcon& icon) noexcept override { leftMissing_.push_back(icon); }
    void NoIcon(const StoredIcon& icon) noexcept override { noIcon_.push_back(icon); }

    // Every fact of a pass that ran, then the summary; the exit code.
    int32_t Tell(ConsoleOutput& out) const {
        if (snapshotTaken_)
            out.Write(snapshot_ ? FactLine({"snapshot", snapshot_.get()})
                                : FactLine({"nosnapshot", SnapshotDirectory()}));
        size_t moved = 0;
        for (const int32_t icon : order_) {
            const IconShift& shift = netShifts_.at(icon);
            if (shift.fromLeft == shift.toLeft && shift.fromTop == shift.toTop)
                continue;
            ++moved;
            out.Write(FactLine({"moved", shift.caption, PointField(shift.fromLeft, shift.fromTop),
                                PointField(shift.toLeft, shift.toTop)}));
        }
        for (const StoredIcon& icon : recreated_)
            out.Write(FactLine({"recreated", icon.caption, icon.target}));
        const size_t missing = MissingFiles.Count() + leftMissing_.size();
        for (uint32_t i = 1; i <= MissingFiles.Count(); ++i)
            out.Write(FactLine({"missing", Caption(MissingFiles, i)}));
        for (const StoredIcon& icon : leftMissing_)
            out.Write(FactLine({"missing", icon.caption}));
        for (uint32_t i = 1; i <= UnrestoredShortcuts.Count(); ++i)
            out.Write(FactLine({"unrestored", Caption(UnrestoredShortcuts, i)}));
        if (command_.dryRun) {
            for (const StoredIcon& icon : noIcon_)
                out.Write(FactLine({"noicon", icon.caption}));
        } else {
            for (uint32_t i = 1; i <= NotLandedIcons.Count(); ++i)
                out.Write(FactLine({"notlanded", Caption(NotLandedIcons, i)}));
        }
        const size_t notDone =
            missing + UnrestoredShortcuts.Count() + (command_.dryRun ? noIcon_.size() : NotLandedIcons.Count());
        const int32_t exitCode = notDone == 0 ? kExitDone : kExitIncomplete;
        const std::string exitField = CountField("exit", static_cast<size_t>(exitCode));
        if (command_.dryRun)
            out.Write(FactLine({"summary", "dry-run", CountField("moved", moved), CountField("missing", missing),
                                CountField("recreated", recreated_.size()), CountField("noicon", noIcon_.size()),
                                exitField}));
        else
            out.Write(FactLine({"summary", "restore", CountField("moved", moved), CountField("missing", missing),
                                CountField("recreated", recreated_.size()),
                                CountField("unrestored", UnrestoredShortcuts.Count()),
                                CountField("notlanded", NotLandedIcons.Count()), exitField}));
        return exitCode;
    }

  private:
    static const char* Caption(IconEntryArray& entries, uint32_t index) {
        const char* caption = entries.At(static_cast<int32_t>(index), 0, 0).caption;
        return caption ? caption : "";
    }

    const CommandLine& command_;
    bool snapshotTaken_ = false;
    Text snapshot_;
    std::map<int32_t, IconShift> netShifts_;  // per icon: where it stood first and where it went last
    std::vector<int32_t> order_;              // icons in the order of their first move
    std::vector<StoredIcon> recreated_;
    std::vector<StoredIcon> leftMissing_;
    std::vector<StoredIcon> noIcon_;
};

int32_t Refuse(ConsoleOutput& out, std::initializer_list<std::string_view> fact, std::string_view action) {
    out.Write(FactLine(fact));
    out.Write(FactLine({"summary", action, CountField("exit", kExitRefused)}));
    return kExitRefused;
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

int32_t RunCommandLineRestore(const CommandLine& command, ConsoleOutput& out) noexcept {
    const std::string_view action = command.dryRun ? "dry-run" : "restore";
    const StoredScreen screen = {tool::ScreenWidth(), tool::ScreenHeight()};
    std::string file = command.path;
    if (command.action == Action::kUndo) {
        const std::string directory = SnapshotDirectory();
        const std::vector<LayoutCandidate> snapshots = ListLayoutFiles(directory);
        const std::optional<size_t> newest = NewestLayout(snapshots);
        if (!newest)
            return Refuse(out, {"error", "nosnapshot", directory}, action);
        file = directory + "\\" + snapshots[*newest].name;
    } else if (IsDirectory(command.path)) {
        const std::vector<LayoutCandidate> layouts = ListLayoutFiles(command.path);
        const std::optional<size_t> newest = NewestLayout(layouts, screen);
        if (!newest)
            return Refuse(out, {"error", "nomatch", command.path, SizeField(screen.width, screen.height)}, action);
        file = command.path + "\\" + layouts[*newest].name;
    }
    out.Write(FactLine({"file", file}));

    const CheckedLayout checked = CheckLayoutFile(file.c_str());
    switch (checked.check) {
        case LayoutCheck::kReady:
            break;
        case LayoutCheck::kUnreadable:
            return Refuse(out, {"error", "unreadable", file}, action);
        case LayoutCheck::kOtherScreen:
            return Refuse(out,
                          {"error", "screen", SizeField(checked.stored.width, checked.stored.height),
                           SizeField(screen.width, screen.height)},
                          action);
        case LayoutCheck::kMalformed:
            return Refuse(out, {"error", "format", "line " + std::to_string(checked.layout.badLine)}, action);
    }
    CommandLineHost host(command);
    switch (RestoreDesktopIcons(checked.layout, host)) {
        case RestoreStatus::kDone:
            return host.Tell(out);
        case RestoreStatus::kAutoArrange:
            return Refuse(out, {"error", "autoarrange"}, action);
        // This host never stops a pass; a pass that ends early lost the desktop.
        case RestoreStatus::kNoDesktop:
        case RestoreStatus::kStopped:
            out.Write(FactLine({"error", "nodesktop"}));
            out.Write(FactLine({"summary", action, CountField("exit", kExitNoDesktop)}));
            return kExitNoDesktop;
    }
    return kExitNoDesktop;
}

}  // namespace velmora
