// A loaded module, freed with FreeLibrary.
#pragma once

#include <windows.h>

#include <utility>

namespace velmora {

class ModuleHandle {
  public:
    ModuleHandle() = default;
    explicit ModuleHandle(HMODULE module) : module_(module) {}
    ModuleHandle(const ModuleHandle&) = delete;
    ModuleHandle& operator=(const ModuleHandle&) = delete;
    ModuleHandle(ModuleHandle&& other) noexcept : module_(other.release()) {}
    ModuleHandle& operator=(ModuleHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~ModuleHandle() { reset(nullptr); }

    HMODULE get() const noexcept { return module_; }
    HMODULE release() noexcept { return std::exchange(module_, nullptr); }
    void reset(HMODULE module) noexcept {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
        module_ = module;
    }
    explicit operator bool() const noexcept { return module_ != nullptr; }

  private:
    HMODULE module_ = nullptr;
};

}  // namespace velmora
