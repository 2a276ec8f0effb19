#pragma once
// The byte-level steps every document and style file is made of: blocks written and read whole,
// and the runs of zero bytes between them.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "document/DocumentMessages.h"

namespace vortel {

class DocumentError;

// Collects a file in memory; the caller writes it out in one step.
class DocumentSink {
public:
    void WriteBlock(const void* data, size_t count) {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + count);
    }
    template <class T>
    void write(const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        WriteBlock(&value, sizeof value);
    }
    void writeBytes(std::span<const uint8_t> data) { WriteBlock(data.data(), data.size()); }
    void zeroRun(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    size_t position() const { return bytes_.size(); }
    void patch(size_t offset, int32_t value) { std::memcpy(bytes_.data() + offset, &value, sizeof value); }
    std::vector<uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

// Reads a file image front to back. Running past the end is a short read; a run that should be
// zero and is not, or a count the format cannot hold, is a read error naming the file.
class DocumentSource {
public:
    DocumentSource(std::span<const uint8_t> bytes, std::string name) : bytes_(bytes), name_(std::move(name)) {}

    std::span<const uint8_t> ReadBlock(size_t count);
    template <class T>
    T read() {
        static_assert(std::is_trivially_copyable_v<T>);
        T value;
        std::memcpy(&value, ReadBlock(sizeof value).data(), sizeof value);
        return value;
    }
    void CheckZeroRun(size_t count);
    void skip(size_t count) { ReadBlock(count); }
    // Whether the next bytes are `tag`, without consuming anything.
    bool peekTag(std::string_view tag) const;

    size_t position() const { return position_; }
    size_t remaining() const { return bytes_.size() - position_; }
    [[noreturn]] void fail() const;
    const std::string& name() const { return name_; }

private:
    std::span<const uint8_t> bytes_;
    std::string name_;
    size_t position_ = 0;
};

}  // namespace vortel
