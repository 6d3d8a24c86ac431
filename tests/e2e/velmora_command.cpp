#include "tests/e2e/velmora_command.h"

#include <gtest/gtest.h>

#include "commands/kernel_handle.h"
#include "tests/support/build_paths.h"
#include "tests/support/process.h"
#include "tests/support/wait.h"

namespace velmora::test {
namespace {

struct WindowSearch {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

bool HasVisibleWindow(DWORD processId) {
    WindowSearch search = {processId, false};
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ReadAvailable(HANDLE pipe, std::string& output) {
    DWORD available = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        char buffer[4096];
        DWORD read = 0;
        if (!ReadFile(pipe, buffer, sizeof(buffer), &read, nullptr) || read == 0)
            return;
        output.append(buffer, read);
    }
}

}  // namespace

CommandRun RunVelmora(const std::vector<std::string>& arguments,
                      const std::string& directory,
                      const std::string& program,
                      DWORD timeoutMs) {
    CommandRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        ADD_FAILURE() << "cannot make a pipe";
        return run;
    }
    const KernelHandle reader(readEnd);
    KernelHandle writer(writeEnd);
    SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);

    std::string line = QuoteArgument(BuildFile(program));
    for (const std::string& argument : arguments)
        line += " " + QuoteArgument(argument);
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = writer.get();
    startup.hStdError = writer.get();
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
        ADD_FAILURE() << "cannot start " << line << " (error " << GetLastError() << ")";
        return run;
    }
    writer.reset();
    CloseHandle(info.hThread);
    const KernelHandle process(info.hProcess);

    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        ReadAvailable(reader.get(), run.output);
        run.showedWindow = run.showedWindow || HasVisibleWindow(info.dwProcessId);
        if (WaitForSingleObject(process.get(), kPollMs) == WAIT_OBJECT_0)
            break;
        if (GetTickCount64() >= deadline) {
            ADD_FAILURE() << "timed out after " << timeoutMs << " ms waiting for " << line
                          << " to end; output so far:\n"
                          << run.output;
            TerminateProcess(process.get(), 1);
            WaitForSingleObject(process.get(), 5000);
            return run;
        }
    }
    ReadAvailable(reader.get(), run.output);
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    run.exitCode = code;
    return run;
}

std::vector<std::string> OutputLines(const std::string& output) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find("\r\n", start);
        if (end == std::string::npos)
            end = output.size();
        lines.push_back(output.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> LinesOf(const std::string& output, const std::string& word) {
    std::vector<std::string> lines;
    for (const std::string& line : OutputLines(output)) {
        if (line.compare(0, word.size() + 1, word + "\t") == 0)
            lines.push_back(line);
    }
    return lines;
}

}  // namespace velmora::test
