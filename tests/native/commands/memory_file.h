// An in-memory file for the line commands, with file errors on demand.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "commands/file_stream.h"

namespace velmora::test {

class MemoryFile : public FileStream {
  public:
    explicit MemoryFile(std::string bytes = {}) : bytes_(std::move(bytes)) {}

    bool Read(void* buffer, uint32_t size, uint32_t& read) noexcept override {
        if (readsBeforeError_ == 0) {
            return false;
        }
        --readsBeforeError_;
        read =
            position_ >= bytes_.size() ? 0 : static_cast<uint32_t>(std::min<size_t>(size, bytes_.size() - position_));
        std::memcpy(buffer, bytes_.data() + position_, read);
        position_ += read;
        ++reads_;
        return true;
    }

    bool Write(const void* bytes, uint32_t size) noexcept override {
        if (writesBeforeError_ == 0) {
            return false;
        }
        --writesBeforeError_;
        if (bytes_.size() < position_ + size) {
            bytes_.resize(position_ + size);
        }
        std::memcpy(bytes_.data() + position_, bytes, size);
        position_ += size;
        return true;
    }

    bool Position(uint32_t& position) noexcept override {
        position = position_;
        return true;
    }

    bool Seek(uint32_t position) noexcept override {
        position_ = position;
        return true;
    }

    bool SeekToEnd() noexcept override {
        position_ = static_cast<uint32_t>(bytes_.size());
        return true;
    }

    const std::string& bytes() const { return bytes_; }
    uint32_t position() const { return position_; }
    int reads() const { return reads_; }
    void FailReadsAfter(int count) { readsBeforeError_ = count; }
    void FailWritesAfter(int count) { writesBeforeError_ = count; }

  private:
    std::string bytes_;
    uint32_t position_ = 0;
    int reads_ = 0;
    int readsBeforeError_ = -1;
    int writesBeforeError_ = -1;
};

}  // namespace velmora::test
