#include "runtime/open_file_table.h"

#include "runtime/heap_list.h"

namespace velmora {
namespace {

struct OpenFile {
    uintptr_t file;
    uint8_t kind;
};

HeapList<OpenFile>& Files() {
    static HeapList<OpenFile> files;
    return files;
}

int32_t IndexOf(uintptr_t file) {
    HeapList<OpenFile>& files = Files();
    for (uint32_t i = 0; i < files.Count(); ++i) {
        if (files[i].file == file) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

}  // namespace

int32_t OpenFileKind(uintptr_t file) noexcept {
    const int32_t index = IndexOf(file);
    return index < 0 ? -1 : Files()[static_cast<uint32_t>(index)].kind;
}

void RegisterOpenFile(uintptr_t file, uint8_t kind) noexcept {
    if (IndexOf(file) < 0) {
        Files().Append(OpenFile{file, kind});
    }
}

int32_t UnregisterOpenFile(uintptr_t file) noexcept {
    const int32_t index = IndexOf(file);
    if (index < 0) {
        return 0;
    }
    Files().RemoveAt(static_cast<uint32_t>(index));
    return 1;
}

}  // namespace velmora
