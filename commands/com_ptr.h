// Owns one reference to a COM interface.
#pragma once

#include <unknwn.h>

#include <utility>

namespace velmora {

template <typename Interface>
class ComPtr {
  public:
    ComPtr() noexcept = default;
    explicit ComPtr(Interface* owned) noexcept : pointer_(owned) {}
    ~ComPtr() { reset(); }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* get() const noexcept { return pointer_; }
    Interface* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }
    Interface* release() noexcept { return std::exchange(pointer_, nullptr); }
    void reset() noexcept {
        if (pointer_ != nullptr) {
            std::exchange(pointer_, nullptr)->Release();
        }
    }
    // For out parameters: drops the current reference first.
    Interface** put() noexcept {
        reset();
        return &pointer_;
    }
    void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }

    template <typename Other>
    ComPtr<Other> As(REFIID iid) const noexcept {
        ComPtr<Other> other;
        if (pointer_ != nullptr) {
            pointer_->QueryInterface(iid, other.putVoid());
        }
        return other;
    }

  private:
    Interface* pointer_ = nullptr;
};

}  // namespace velmora
