// Command-line options of the stand-in shell desktop.
#pragma once

#include <string>
#include <vector>

namespace standin {

enum class Arrangement {
    kWorkerW,     // a top-level "WorkerW" holds the view, as on Windows 7 to 11 23H2
    kProgman,     // the view sits under a top-level "Progman", as on Windows 11 24H2
    kTwoViews,    // two top-level "WorkerW" windows, each with a view
    kNoListView,  // a "SHELLDLL_DefView" without a list view
};

struct Options {
    Arrangement arrangement = Arrangement::kWorkerW;
    bool fromDesktopFolders = false;  // items from the user and common desktop directories
    bool autoArrange = false;
    bool hang = false;                          // stop answering messages once ready
    std::string fixture;                        // lines "caption<TAB>x<TAB>y", GBK
    std::string secondFixture;                  // items of the second view in the two-view arrangement
    std::string report;                         // where a report request writes the items
    std::vector<std::string> hiddenExtensions;  // such as ".txt": shown without the extension
    std::vector<std::string> pinned;            // captions whose items refuse to be moved
    int lateTextAnswer = 0;                     // the n-th text request (1-based) is answered seconds late
    long claimedCount = -1;                     // what other processes are told the item count is
};

// Returns false with a message in error for an unknown or incomplete option.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);

}  // namespace standin
