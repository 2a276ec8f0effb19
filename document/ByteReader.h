#pragma once
// A bounds-checked cursor over outside bytes, little-endian as the image formats store them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "document/ImageError.h"

namespace vortel {

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

    size_t position() const { return pos_; }
    size_t size() const { return data_.size(); }
    size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ == data_.size(); }

    void seek(size_t position) {
        if (position > data_.size()) fail(position - pos_);
        pos_ = position;
    }
    void skip(size_t count) { take(count); }

    uint8_t readU8() { return take(1)[0]; }
    uint16_t readU16() {
        const auto b = take(2);
        return uint16_t(b[0] | b[1] << 8);
    }
    uint32_t readU32() {
        const auto b = take(4);
        return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    }
    int32_t readI32() { return static_cast<int32_t>(readU32()); }

    // The next `count` bytes, consumed.
    std::span<const uint8_t> take(size_t count) {
        if (count > remaining()) fail(count);
        const auto bytes = data_.subspan(pos_, count);
        pos_ += count;
        return bytes;
    }

private:
    [[noreturn]] void fail(size_t wanted) const {
        throw ImageError("image data is truncated: needed " + std::to_string(wanted) + " bytes at offset " +
                         std::to_string(pos_) + " of " + std::to_string(data_.size()));
    }

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
};

}  // namespace vortel
