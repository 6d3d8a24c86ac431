#include "tests/support/standin_desktop/standin_options.h"

#include <cstdlib>
#include <cstring>

namespace standin {

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string extension;
        if (arg == "--progman") {
            options.arrangement = Arrangement::kProgman;
        } else if (arg == "--two-views") {
            options.arrangement = Arrangement::kTwoViews;
        } else if (arg == "--no-list-view") {
            options.arrangement = Arrangement::kNoListView;
        } else if (arg == "--desktop-folders") {
            options.fromDesktopFolders = true;
        } else if (arg == "--auto-arrange") {
            options.autoArrange = true;
        } else if (arg == "--hang") {
            options.hang = true;
        } else if (arg == "--fixture") {
            if (!value(options.fixture))
                return false;
        } else if (arg == "--second-fixture") {
            if (!value(options.secondFixture))
                return false;
        } else if (arg == "--report") {
            if (!value(options.report))
                return false;
        } else if (arg == "--pinned") {
            std::string caption;
            if (!value(caption))
                return false;
            options.pinned.push_back(caption);
        } else if (arg == "--late-text-answer") {
            std::string number;
            if (!value(number))
                return false;
            options.lateTextAnswer = std::atoi(number.c_str());
        } else if (arg == "--claimed-count") {
            std::string number;
            if (!value(number))
                return false;
            options.claimedCount = std::atol(number.c_str());
        } else if (arg == "--hide-extension") {
            if (!value(extension))
                return false;
            options.hiddenExtensions.push_back(extension);
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    return true;
}

}  // namespace standin
