#pragma once
// Little-endian output for the metafile writers: records are assembled in memory and sizes that
// are only known at the end are patched in place.
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace vortel {

class RecordWriter {
public:
    size_t size() const { return bytes_.size(); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }
    std::vector<uint8_t> take() { return std::move(bytes_); }

    void u16(uint16_t v) {
        bytes_.push_back(uint8_t(v));
        bytes_.push_back(uint8_t(v >> 8));
    }
    void i16(int16_t v) { u16(uint16_t(v)); }
    void u32(uint32_t v) {
        u16(uint16_t(v));
        u16(uint16_t(v >> 16));
    }
    void i32(int32_t v) { u32(uint32_t(v)); }
    void append(std::span<const uint8_t> more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
    void zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }

    void patchU16(size_t at, uint16_t v) {
        bytes_.at(at) = uint8_t(v);
        bytes_.at(at + 1) = uint8_t(v >> 8);
    }
    void patchU32(size_t at, uint32_t v) {
        patchU16(at, uint16_t(v));
        patchU16(at + 2, uint16_t(v >> 16));
    }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace vortel
