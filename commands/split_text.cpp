#include <cstring>

#include "commands/command_values.h"
#include "commands/gbk.h"
#include "commands/heap_buffer.h"
#include "commands/text_commands.h"
#include "runtime/heap.h"

namespace velmora {
namespace {

// The parts are collected as text pointers first; the array is made in one block at the end.
class PartList {
  public:
    ~PartList() {
        for (uint32_t i = 0; i < Count(); ++i) {
            HeapRelease(Parts()[i]);
        }
    }

    void Add(const char* bytes, size_t count) noexcept {
        char* part = NewText(bytes, static_cast<int32_t>(count));
        pointers_.Append(&part, sizeof part);
    }

    uint32_t Count() const noexcept { return pointers_.size() / sizeof(char*); }

    // The array block (1, count, parts...); the parts move into it.
    uint32_t* ReleaseArray() noexcept {
        const uint32_t count = Count();
        auto* block = static_cast<uint32_t*>(HeapAllocate(8 + count * sizeof(char*)));
        block[0] = 1;
        block[1] = count;
        if (count > 0) {
            std::memcpy(block + 2, pointers_.get(), count * sizeof(char*));
        }
        pointers_ = HeapBuffer{};
        return block;
    }

  private:
    char* const* Parts() const noexcept { return reinterpret_cast<char* const*>(pointers_.get()); }

    HeapBuffer pointers_;
};

}  // namespace

void SplitText(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const char* text = ArgText(Arg(argCount, args, 0));
    const ValueRecord& separatorArg = Arg(argCount, args, 1);
    const ValueRecord& maximumArg = Arg(argCount, args, 2);
    const char* separator = IsOmitted(separatorArg) ? "," : ArgText(separatorArg);
    uint32_t maximum = UINT32_MAX;
    if (!IsOmitted(maximumArg)) {
        const int32_t given = ArgInteger(maximumArg);
        maximum = given < 0 ? 0 : static_cast<uint32_t>(given);
    }

    PartList parts;
    const size_t length = std::strlen(text);
    const size_t separatorLength = std::strlen(separator);
    if (length > 0 && maximum > 0) {
        if (separatorLength == 0) {
            parts.Add(text, length);
        } else {
            const char* end = text + length;
            const char* partStart = text;
            const char* scan = text;
            bool full = false;
            while (static_cast<size_t>(end - scan) >= separatorLength) {
                if (std::memcmp(scan, separator, separatorLength) == 0) {
                    parts.Add(partStart, static_cast<size_t>(scan - partStart));
                    scan += separatorLength;
                    partStart = scan;
                    if (parts.Count() == maximum) {
                        full = true;
                        break;
                    }
                } else if (IsLeadByte(*scan)) {
                    if (scan[1] == '\0') {
                        break;
                    }
                    scan += 2;
                } else {
                    ++scan;
                }
            }
            if (!full && partStart < end) {
                parts.Add(partStart, static_cast<size_t>(end - partStart));
            }
        }
    }
    SetBlock(result, kTypeText | kArrayFlag, parts.ReleaseArray());
}

}  // namespace velmora
