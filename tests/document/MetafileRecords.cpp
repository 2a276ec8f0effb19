#include "tests/document/MetafileRecords.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "document/ByteReader.h"

namespace vortel::testing {
namespace {

[[noreturn]] void fault(const std::string& what, size_t offset) {
    throw std::runtime_error(what + " at byte " + std::to_string(offset));
}

}  // namespace

uint32_t EmfRecord::u32(size_t at) const {
    if (at + 4 > payload.size()) fault("field past the end of its record", offset + 8 + at);
    return uint32_t(payload[at]) | uint32_t(payload[at + 1]) << 8 | uint32_t(payload[at + 2]) << 16 |
           uint32_t(payload[at + 3]) << 24;
}

std::vector<EmfRecord> emfRecords(std::span<const uint8_t> file) {
    ByteReader in(file);
    std::vector<EmfRecord> records;
    while (!in.atEnd()) {
        if (!records.empty() && records.back().type == EmrEof) fault("bytes after the end record", in.position());
        EmfRecord record;
        record.offset = in.position();
        record.type = in.readU32();
        const uint32_t size = in.readU32();
        if (size < 8 || size % 4 != 0) fault("record size " + std::to_string(size), record.offset);
        if (size - 8 > in.remaining()) fault("record runs past the file", record.offset);
        const auto body = in.take(size - 8);
        record.payload.assign(body.begin(), body.end());
        records.push_back(std::move(record));
    }
    if (records.empty() || records.back().type != EmrEof) fault("no end record", file.size());
    if (records.front().type != EmrHeader) fault("no header first", 0);
    return records;
}

WmfFile wmfRecords(std::span<const uint8_t> file) {
    ByteReader in(file);
    WmfFile wmf;
    for (int i = 0; i < 11; ++i) wmf.placeable.push_back(in.readU16());
    if ((wmf.placeable[0] | uint32_t(wmf.placeable[1]) << 16) != 0x9AC6CDD7) fault("no placeable key", 0);
    for (int i = 0; i < 9; ++i) wmf.header.push_back(in.readU16());
    if (uint64_t(wmf.headerU32(3)) * 2 != file.size() - 22) fault("header size does not match the file", 28);
    while (!in.atEnd()) {
        if (!wmf.records.empty() && wmf.records.back().function == MetaEof)
            fault("bytes after the end record", in.position());
        const size_t at = in.position();
        const uint32_t words = in.readU32();
        WmfRecord record;
        record.function = in.readU16();
        if (words < 3 || (words - 3) * 2 > in.remaining()) fault("record size " + std::to_string(words), at);
        for (uint32_t i = 3; i < words; ++i) record.params.push_back(in.readU16());
        if (record.function == MetaEof && words != 3) fault("end record of " + std::to_string(words) + " words", at);
        wmf.largestRecordWords = std::max(wmf.largestRecordWords, words);
        wmf.records.push_back(std::move(record));
    }
    if (wmf.records.empty() || wmf.records.back().function != MetaEof) fault("no end record", file.size());
    return wmf;
}

std::vector<WmfRecord> wmfDrawing(const WmfFile& file) {
    constexpr size_t setUp = 6, cleanUp = 3;
    if (file.records.size() < setUp + cleanUp) throw std::runtime_error("too few records for set-up and clean-up");
    return {file.records.begin() + setUp, file.records.end() - cleanUp};
}

}  // namespace vortel::testing
