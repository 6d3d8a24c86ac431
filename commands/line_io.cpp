#include "commands/line_io.h"

#include <cstring>

#include "commands/gbk.h"
#include "commands/heap_buffer.h"
#include "commands/value_text.h"
#include "runtime/heap.h"

namespace velmora {
namespace {

enum class ChunkEnd { kLineEnd, kMore, kError };

// Scans one chunk read at position start; appends the bytes that belong to the line and leaves the
// file positioned where the next read must begin.
ChunkEnd ScanChunk(FileStream& file, uint32_t start, const char* chunk, uint32_t size, HeapBuffer& line) noexcept {
    uint32_t i = 0;
    while (i < size) {
        const char byte = chunk[i];
        if (byte == '\n') {
            line.Append(chunk, i);
            return file.Seek(start + i + 1) ? ChunkEnd::kLineEnd : ChunkEnd::kError;
        }
        if (byte == '\0' || byte == '\x1A') {
            line.Append(chunk, i);
            return file.Seek(start + i) ? ChunkEnd::kLineEnd : ChunkEnd::kError;
        }
        if (!IsLeadByte(byte)) {
            ++i;
        } else if (i + 1 == size) {
            if (i == 0) {
                // A lone lead byte at the end of the file: taking it is the only way forward.
                line.Append(chunk, 1);
                return ChunkEnd::kMore;
            }
            // The next chunk starts with this lead byte, so its trail byte comes with it.
            line.Append(chunk, i);
            return file.Seek(start + i) ? ChunkEnd::kMore : ChunkEnd::kError;
        } else if (chunk[i + 1] == '\0') {
            // The zero is no trail byte: it ends the line at the next step instead of being skipped.
            ++i;
        } else {
            i += 2;
        }
    }
    line.Append(chunk, size);
    return ChunkEnd::kMore;
}

}  // namespace

char* ReadTextLine(FileStream& file) noexcept {
    HeapBuffer line;
    char chunk[kLineChunkSize];
    for (;;) {
        uint32_t start = 0;
        uint32_t read = 0;
        if (!file.Position(start) || !file.Read(chunk, kLineChunkSize, read)) {
            file.SeekToEnd();
            return nullptr;
        }
        if (read == 0) {
            break;
        }
        const ChunkEnd end = ScanChunk(file, start, chunk, read, line);
        if (end == ChunkEnd::kError) {
            file.SeekToEnd();
            return nullptr;
        }
        if (end == ChunkEnd::kLineEnd) {
            break;
        }
    }
    if (line.size() > 0 && line.get()[line.size() - 1] == '\r') {
        line.DropLast();
    }
    return NewText(line.get(), static_cast<int32_t>(line.size()));
}

bool WriteTextLines(FileStream& file, const ValueRecord* values, int32_t count) noexcept {
    uint32_t start = 0;
    if (!file.Position(start)) {
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        ValueTextBuffer buffer;
        const char* text = ScalarText(values[i], buffer);
        if (text == nullptr) {
            continue;
        }
        const auto length = static_cast<uint32_t>(std::strlen(text));
        if ((length > 0 && !file.Write(text, length)) || !file.Write("\r\n", 2)) {
            file.Seek(start);
            return false;
        }
    }
    return true;
}

}  // namespace velmora
