#pragma once
// Readers for the metafiles the export writes, strict enough to catch a wrong size anywhere: a
// structural fault throws std::runtime_error saying where it is.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Geometry.h"

namespace vortel::testing {

// Two figures: a line and a closing curve, an entry of unknown type, a closing line; then a run of
// two curves and a line, a move carrying the close flag (not a type of its own) and a curve cut
// short by the end of the outline. Neither of the last three may draw.
inline const std::vector<Point> kSamplePoints = {{10, 10},   {100, 10},  {120, 20},  {120, 60},  {100, 70},  {500, 500},
                                                 {10, 70},   {200, 100}, {220, 100}, {240, 120}, {240, 140}, {240, 160},
                                                 {220, 180}, {200, 180}, {200, 100}, {300, 300}, {50, 50},   {60, 60}};
inline const std::vector<uint8_t> kSampleTypes = {6, 2, 4, 4, 5, 9, 3, 6, 4, 4, 4, 4, 4, 4, 2, 7, 4, 4};

struct EmfRecord {
    uint32_t type = 0;
    size_t offset = 0;             // of the record in the file
    std::vector<uint8_t> payload;  // after the type and size fields

    uint32_t u32(size_t at) const;
    int32_t i32(size_t at) const { return int32_t(u32(at)); }
    Point point(size_t at) const { return {i32(at), i32(at + 4)}; }
    Rect box(size_t at) const { return {i32(at), i32(at + 4), i32(at + 8), i32(at + 12)}; }
};

// Every record from the header to EMR_EOF, which must end the file; sizes are checked to be
// whole 4-byte words of at least the type and size fields, lying inside the file.
std::vector<EmfRecord> emfRecords(std::span<const uint8_t> file);

enum EmfType : uint32_t {
    EmrHeader = 1,
    EmrPolyBezierTo = 5,
    EmrEof = 14,
    EmrMoveToEx = 27,
    EmrSelectObject = 37,
    EmrLineTo = 54,
};

struct WmfRecord {
    uint16_t function = 0;
    std::vector<uint16_t> params;
    int16_t param(size_t i) const { return int16_t(params.at(i)); }
};

struct WmfFile {
    std::vector<uint16_t> placeable;  // the 11 words of the placeable header, checksum last
    std::vector<uint16_t> header;     // the 9 words of the standard header
    std::vector<WmfRecord> records;   // up to and including the end record
    uint32_t largestRecordWords = 0;
    uint32_t headerU32(size_t word) const { return header.at(word) | uint32_t(header.at(word + 1)) << 16; }
};

// Checks the placeable key, that the header's size in words covers exactly the rest of the file,
// and that the end record (3 words, function 0) comes last.
WmfFile wmfRecords(std::span<const uint8_t> file);

enum WmfFunctionCode : uint16_t {
    MetaEof = 0x0000,
    MetaSelectObject = 0x012D,
    MetaDeleteObject = 0x01F0,
    MetaSetWindowOrg = 0x020B,
    MetaSetWindowExt = 0x020C,
    MetaLineTo = 0x0213,
    MetaMoveTo = 0x0214,
    MetaCreatePenIndirect = 0x02FA,
    MetaCreateBrushIndirect = 0x02FC,
    MetaPolyline = 0x0325,
};

// The records that draw, after the window, pen and brush set-up and before the clean-up.
std::vector<WmfRecord> wmfDrawing(const WmfFile& file);

}  // namespace vortel::testing
