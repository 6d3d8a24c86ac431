// A started test process: ended when the owner goes, so no test leaves programs behind.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace velmora::test {

class Process {
  public:
    // Null when the process cannot be created (a test failure is recorded).
    static std::optional<Process> Start(const std::string& commandLine, const std::string& directory = {});

    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    HANDLE get() const { return handle_; }
    DWORD id() const { return id_; }
    bool Running() const;
    // The exit code, or nullopt with a test failure after the time-out.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs);
    void Terminate();

  private:
    Process(HANDLE handle, DWORD id) : handle_(handle), id_(id) {}
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

// The command-line form of an argument: quoted, with embedded quotes escaped.
std::string QuoteArgument(const std::string& argument);

}  // namespace velmora::test
