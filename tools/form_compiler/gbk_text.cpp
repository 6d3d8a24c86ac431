#include "tools/form_compiler/gbk_text.h"

#include <iconv.h>

#include <vector>

namespace velmora {
namespace {

const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);

class IconvHandle {
  public:
    IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (Valid()) {
            iconv_close(handle_);
        }
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    IconvHandle(IconvHandle&& other) noexcept : handle_(other.release()) {}
    IconvHandle& operator=(IconvHandle&& other) noexcept {
        if (this != &other) {
            this->~IconvHandle();
            handle_ = other.release();
        }
        return *this;
    }

    bool Valid() const { return handle_ != kInvalid; }
    iconv_t get() const { return handle_; }
    iconv_t release() {
        const iconv_t handle = handle_;
        handle_ = kInvalid;
        return handle;
    }

  private:
    iconv_t handle_;
};

}  // namespace

bool Utf8ToGbk(std::string_view utf8, std::string& gbk) {
    IconvHandle converter("GBK", "UTF-8");
    if (!converter.Valid()) {
        return false;
    }
    // A GBK character never takes more bytes than its UTF-8 form.
    std::vector<char> input(utf8.begin(), utf8.end());
    std::vector<char> output(utf8.size() + 1);
    char* in = input.data();
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) {
        return false;
    }
    gbk.assign(output.data(), static_cast<size_t>(out - output.data()));
    return true;
}

}  // namespace velmora
