#pragma once
// The 6-byte real of the file format: byte 0 the exponent biased by 129 (0 means the value 0),
// bytes 1..4 and the low 7 bits of byte 5 a 39-bit fraction (least significant first) below an
// implied leading 1, bit 7 of byte 5 the sign. 1.0 is 81 00 00 00 00 00.
//
// The engine keeps every parameter the documents store this way as a Real48Value, so the value in
// memory is always one the file can hold: saving and reading a document never changes a picture.
#include <array>
#include <cstdint>

namespace vortel {

using Real48 = std::array<uint8_t, 6>;

// Rounds to the nearest representable value; NaN and values too small become 0, values too large
// the largest representable value of their sign.
Real48 toReal48(double value);
double fromReal48(const Real48& bytes);

// fromReal48(toReal48(value)): the value a 6-byte real keeps of `value`. Every 6-byte real is a
// double, so this is exact and a second call changes nothing.
double roundToReal48(double value);

// A double that holds only values a 6-byte real can hold: every value it is given is rounded
// through roundToReal48 on the way in. Reading it costs what reading a double costs.
class Real48Value {
public:
    constexpr Real48Value() = default;
    Real48Value(double value) : value_(roundToReal48(value)) {}  // implicit: brace lists round too
    Real48Value& operator=(double value) {
        value_ = roundToReal48(value);
        return *this;
    }
    operator double() const { return value_; }

private:
    double value_ = 0;
};

}  // namespace vortel
