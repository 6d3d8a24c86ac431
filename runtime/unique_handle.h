// The one owner of a handle: not copyable, movable, get() and release(); it closes what it holds
// when it goes. A traits type says which value is the empty handle and how a handle is closed:
//   struct Traits {
//       using Handle = HANDLE;
//       static Handle Empty() noexcept;
//       static void Close(Handle handle) noexcept;  // never called with the empty handle
//   };
#pragma once

#include <utility>

namespace velmora {

template <typename Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle owned) noexcept : handle_(owned) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Empty(); }
    Handle release() noexcept { return std::exchange(handle_, Traits::Empty()); }
    void reset(Handle owned = Traits::Empty()) noexcept {
        const Handle closing = std::exchange(handle_, owned);
        if (closing != Traits::Empty()) {
            Traits::Close(closing);
        }
    }

  private:
    Handle handle_ = Traits::Empty();
};

}  // namespace velmora
