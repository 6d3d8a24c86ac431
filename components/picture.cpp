#include "components/picture.h"

#include <array>
#include <string>

namespace velmora {
namespace {

// LoadImageA reads pictures from files only; the data goes through a temporary file that is deleted
// again as soon as the picture is loaded.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::span<const uint8_t> bytes) noexcept {
        std::array<char, MAX_PATH> directory = {};
        std::array<char, MAX_PATH> path = {};
        const DWORD length = GetTempPathA(static_cast<DWORD>(directory.size()), directory.data());
        if (length == 0 || length >= directory.size() ||
            GetTempFileNameA(directory.data(), "qvp", 0, path.data()) == 0) {
            return;
        }
        const HANDLE file =
            CreateFileA(path.data(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            DeleteFileA(path.data());
            return;
        }
        DWORD written = 0;
        const bool complete = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                              written == bytes.size();
        CloseHandle(file);
        path_ = path;
        written_ = complete;
    }
    ~TemporaryFile() {
        if (path_[0] != '\0') {
            DeleteFileA(path_.data());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Null when the bytes could not be written.
    const char* Path() const noexcept { return written_ ? path_.data() : nullptr; }

  private:
    std::array<char, MAX_PATH> path_ = {};
    bool written_ = false;
};

enum class PictureFormat { kUnknown, kIcon, kBitmap };

// An icon file starts with reserved 0 and type 1, a bitmap file with "BM".
PictureFormat FormatOf(std::span<const uint8_t> bytes) {
    if (bytes.size() > 22 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0) {
        return PictureFormat::kIcon;
    }
    if (bytes.size() > 14 && bytes[0] == 'B' && bytes[1] == 'M') {
        return PictureFormat::kBitmap;
    }
    return PictureFormat::kUnknown;
}

}  // namespace

Picture LoadPicture(std::span<const uint8_t> bytes) noexcept {
    Picture picture;
    const PictureFormat format = FormatOf(bytes);
    if (format == PictureFormat::kUnknown) {
        return picture;
    }
    const TemporaryFile file(bytes);
    if (file.Path() == nullptr) {
        return picture;
    }
    if (format == PictureFormat::kIcon) {
        picture.icon = IconHandle(
            static_cast<HICON>(LoadImageA(nullptr, file.Path(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
    } else {
        picture.bitmap =
            BitmapObject(static_cast<HBITMAP>(LoadImageA(nullptr, file.Path(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    }
    return picture;
}

}  // namespace velmora
