// A crowded desktop for the benchmarks: N icons, a quarter each shortcuts (real .lnk files), files and
// folders, spread over the user and the common desktop directory, and the shell's own items, all
// shown by the stand-in shell desktop.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/test_desktop.h"
#include "tests/support/standin_client.h"

namespace velmora::bench {

struct ExpectedKind {
    std::string tag;     // "[file]", "[folder]" or "[lnk]"
    std::string target;  // for "[lnk]", as the shell link object reads it
};

class BenchDesktop {
  public:
    BenchDesktop() = default;  // empties the desktop directories; they are emptied again at the end

    // Lays out n icons and starts the stand-in showing them. False, with a test failure, when either fails.
    bool Start(int n);

    const test::TestDesktop& directories() const { return directories_; }
    // Every caption that names a file; the others are the shell's own items.
    const std::map<std::string, ExpectedKind>& kinds() const { return kinds_; }
    int size() const { return size_; }
    const test::StandInDesktop& shell() const { return *shell_; }

    // Waits until the stand-in has done what the last steps set off (such as repainting thousands of
    // icons under a message box that closed), so that a timed run starts on a quiet desktop.
    void Settle() const;

    // The bytes a backup of this desktop must write, from what the stand-in's list view holds now.
    std::optional<std::string> ExpectedBackup() const;

  private:
    bool LayOut(int n);

    test::TestDesktop directories_;
    std::map<std::string, ExpectedKind> kinds_;
    std::vector<test::FixtureIcon> shellItems_;
    std::optional<test::StandInDesktop> shell_;
    int size_ = 0;
};

}  // namespace velmora::bench
