#include "tests/support/process.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace velmora::test {

std::optional<Process> Process::Start(const std::string& commandLine, const std::string& directory) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
        ADD_FAILURE() << "cannot start " << commandLine << " (error " << GetLastError() << ")";
        return std::nullopt;
    }
    CloseHandle(info.hThread);
    return Process(info.hProcess, info.dwProcessId);
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Terminate();
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process::~Process() {
    Terminate();
}

bool Process::Running() const {
    return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(DWORD timeoutMs) {
    if (!handle_ || WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "timed out after " << timeoutMs << " ms waiting for process " << id_ << " to end";
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(handle_, &code);
    return code;
}

void Process::Terminate() {
    if (!handle_)
        return;
    if (Running()) {
        TerminateProcess(handle_, 1);
        WaitForSingleObject(handle_, 5000);
    }
    CloseHandle(handle_);
    handle_ = nullptr;
}

std::string QuoteArgument(const std::string& argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace velmora::test
