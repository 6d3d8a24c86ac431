#include "tests/support/standin_client.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/support/build_paths.h"
#include "tests/support/standin_protocol.h"
#include "tests/support/wait.h"

namespace velmora::test {
namespace {

// A desktop of thousands of icons takes a while to lay out; one that died is noticed at once.
constexpr DWORD kReadyTimeoutMs = 120000;

std::vector<HWND> TopWindowsOf(DWORD processId) {
    std::vector<HWND> windows;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            windows.push_back(window);
    }
    return windows;
}

bool AllReady(DWORD processId) {
    const std::vector<HWND> windows = TopWindowsOf(processId);
    if (windows.empty())
        return false;
    for (HWND window : windows) {
        if (!GetPropA(window, standin::kReadyProperty))
            return false;
    }
    return true;
}

std::optional<StandInItem> ParseReportLine(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t'))
        fields.push_back(field);
    if (fields.size() != 5)
        return std::nullopt;
    StandInItem item;
    item.view = std::stoi(fields[0]);
    item.index = std::stoi(fields[1]);
    item.caption = fields[2];
    long left, top, right, bottom, x, y;
    if (std::sscanf(fields[3].c_str(), "%ld,%ld,%ld,%ld", &left, &top, &right, &bottom) != 4 ||
        std::sscanf(fields[4].c_str(), "%ld,%ld", &x, &y) != 2)
        return std::nullopt;
    item.bounds = {left, top, right, bottom};
    item.position = {x, y};
    return item;
}

}  // namespace

std::string WriteFixtureFile(const std::string& directory,
                             const std::string& name,
                             const std::vector<FixtureIcon>& icons) {
    const std::string path = directory + "\\" + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (const FixtureIcon& icon : icons)
        file << icon.caption << '\t' << icon.x << '\t' << icon.y << "\r\n";
    if (!file.flush())
        ADD_FAILURE() << "cannot write the fixture " << path;
    return path;
}

std::optional<StandInDesktop> StandInDesktop::Start(const std::vector<std::string>& options,
                                                    const std::vector<FixtureIcon>& fixture,
                                                    Bits bits) {
    const std::string scratch = MakeScratchDirectory("standin");
    if (scratch.empty())
        return std::nullopt;
    const std::string program = bits == Bits::k64 ? Build64File("tests/support/standin_desktop.exe")
                                                  : BuildFile("tests/support/standin_desktop.exe");
    const std::string reportPath = scratch + "\\report.txt";
    std::string commandLine = QuoteArgument(program) + " --report " + QuoteArgument(reportPath);
    if (!fixture.empty())
        commandLine += " --fixture " + QuoteArgument(WriteFixtureFile(scratch, "fixture.txt", fixture));
    for (const std::string& option : options)
        commandLine += " " + QuoteArgument(option);

    auto process = Process::Start(commandLine);
    if (!process)
        return std::nullopt;
    const DWORD id = process->id();
    const bool ready = WaitFor("the stand-in desktop to be ready", kReadyTimeoutMs,
                               [&] { return AllReady(id) || !process->Running(); });
    if (!ready || !process->Running()) {
        ADD_FAILURE() << "the stand-in desktop did not come up: " << commandLine;
        return std::nullopt;
    }
    return StandInDesktop(std::move(*process), reportPath);
}

std::optional<std::vector<StandInItem>> StandInDesktop::Report() const {
    const std::vector<HWND> windows = TopWindowsOf(process_.id());
    DWORD_PTR written = 0;
    if (windows.empty() ||
        !SendMessageTimeoutA(windows.front(), standin::kReportMessage, 0, 0, SMTO_ABORTIFHUNG, 5000, &written) ||
        !written) {
        ADD_FAILURE() << "the stand-in desktop did not write its report";
        return std::nullopt;
    }
    std::ifstream file(reportPath_, std::ios::binary);
    std::vector<StandInItem> items;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        auto item = ParseReportLine(line);
        if (!item) {
            ADD_FAILURE() << "malformed report line: " << line;
            return std::nullopt;
        }
        items.push_back(*item);
    }
    return items;
}

HWND StandInDesktop::ListView() const {
    for (HWND top : TopWindowsOf(process_.id())) {
        const HWND defView = FindWindowExA(top, nullptr, "SHELLDLL_DefView", nullptr);
        if (const HWND list = defView ? FindWindowExA(defView, nullptr, "SysListView32", nullptr) : nullptr)
            return list;
    }
    ADD_FAILURE() << "the stand-in desktop has no list view";
    return nullptr;
}

bool StandInDesktop::MoveItem(int index, int x, int y) const {
    const HWND list = ListView();
    DWORD_PTR moved = 0;
    const LPARAM position = MAKELPARAM(static_cast<short>(x), static_cast<short>(y));
    return list && SendMessageTimeoutA(list, LVM_SETITEMPOSITION, index, position, SMTO_ABORTIFHUNG, 5000, &moved) &&
           moved;
}

}  // namespace velmora::test
