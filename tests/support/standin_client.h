// Starts the stand-in shell desktop and asks it where its icons are.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/process.h"

namespace velmora::test {

struct StandInItem {
    int view = 0;  // in the order the stand-in created its views
    int index = 0;
    std::string caption;
    RECT bounds = {};
    POINT position = {};
};

struct FixtureIcon {
    std::string caption;  // GBK
    int x = 0;
    int y = 0;
};

class StandInDesktop {
  public:
    enum class Bits { k64, k32 };

    // Starts the stand-in with these options (see its --help-less option list) and waits until every
    // view is ready. Fixture items, when given, are written to a file and passed as --fixture.
    static std::optional<StandInDesktop> Start(const std::vector<std::string>& options,
                                               const std::vector<FixtureIcon>& fixture = {},
                                               Bits bits = Bits::k64);

    const Process& process() const { return process_; }
    Process& process() { return process_; }
    // Every item of every view, as the stand-in's own list views report them.
    std::optional<std::vector<StandInItem>> Report() const;
    // The list view of the first view, as a user's drag would reach it.
    HWND ListView() const;
    // Puts the item's position (not its bounds) at (x, y), as dragging it there does.
    bool MoveItem(int index, int x, int y) const;

  private:
    StandInDesktop(Process process, std::string reportPath)
        : process_(std::move(process)), reportPath_(std::move(reportPath)) {}
    Process process_;
    std::string reportPath_;
};

// Writes a fixture file ("caption<TAB>x<TAB>y" lines) and returns its path.
std::string WriteFixtureFile(const std::string& directory,
                             const std::string& name,
                             const std::vector<FixtureIcon>& icons);

}  // namespace velmora::test
