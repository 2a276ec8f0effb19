#include "engine/ShadowBlur.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vortel {

namespace {

// n / d rounded down and capped at 255, through one multiplication: a 64-bit division for every
// pixel would cost more than all the running-sum bookkeeping together.
class ByteQuotient {
public:
    explicit ByteQuotient(uint64_t d) : d_(d), inverse_(1.0 / double(d)) {}
    uint8_t operator()(uint64_t n) const {
        const double estimate = double(n) * inverse_;
        if (estimate >= 256.0) return 255;
        uint64_t q = uint64_t(estimate);
        // Next to an exact multiple the estimate can land one off either way.
        if (q * d_ > n)
            --q;
        else if ((q + 1) * d_ <= n)
            ++q;
        return q > 255 ? 255 : uint8_t(q);
    }

private:
    uint64_t d_;
    double inverse_;
};

// Running column sums over rows R-r+1 .. R+r of the current row R and a running row sum over 2r of
// them, so that a pixel costs the same for every radius.
class Blur {
public:
    Blur(const uint8_t* src, uint8_t* dst, int32_t w, int32_t h, int32_t r, int32_t firstRow, int32_t lastRow)
        : src_(src), dst_(dst), w_(w), h_(h), r_(r), firstRow_(firstRow), lastRow_(lastRow),
          zeros_(size_t(w), 0), col_(size_t(w), 0), quotient_(4 * uint64_t(r) * uint64_t(r)),
          wrapStart_(int32_t(r % w)) {}

    void run() {
        // Rows beyond these receive nothing: every window there misses the shape's rows.
        const int64_t outLo = std::max<int64_t>(0, int64_t(firstRow_) - r_);
        const int64_t outHi = std::min<int64_t>(h_ - 1, int64_t(lastRow_) + r_);
        // Entering the bottom row, the column sums hold rows 0 .. r-1; entering any higher start
        // row they hold rows below the shape, that is nothing.
        if (outLo == 0)
            for (int64_t row = firstRow_; row <= std::min<int64_t>(r_ - 1, lastRow_); ++row) addToAll(rowAt(row));
        for (int64_t row = outLo; row <= outHi; ++row) {
            // The first r rows take their column sums whole before the row is summed; later rows
            // move each column as the row pass reaches it.
            if (row < r_) {
                addToAll(rowAt(row + r_));
                pass(row, zeros_.data(), zeros_.data());
            } else {
                pass(row, rowAt(row + r_), rowAt(row - r_));
            }
        }
    }

private:
    const uint8_t* rowAt(int64_t row) const {
        return row >= firstRow_ && row <= lastRow_ ? src_ + size_t(row) * size_t(w_) : zeros_.data();
    }

    int64_t update(int32_t j, const uint8_t* add, const uint8_t* sub) {
        const int64_t d = int64_t(add[j]) - sub[j];
        col_[size_t(j)] += d;
        if (j < r_) firstColumns_ += d;
        return d;
    }

    void addToAll(const uint8_t* add) {
        if (add == zeros_.data()) return;
        for (int32_t j = 0; j < w_; ++j) update(j, add, zeros_.data());
    }

    // One output row. The column updated at column i is i + r, wrapping to the row's start past
    // the right edge, so columns 0 .. r-1 are refreshed only in the row's last r columns.
    void pass(int64_t row, const uint8_t* add, const uint8_t* sub) {
        uint8_t* out = dst_ + size_t(row) * size_t(w_);
        int64_t sum = firstColumns_;
        const int32_t head = int32_t(std::min<int64_t>(r_, w_));
        int32_t j = wrapStart_;
        for (int32_t i = 0; i < head; ++i) {
            // The sum over columns 0 .. i+r: column i+r enters, or, once the window spans the whole
            // row, the wrapped column already in it changes.
            const int64_t d = update(j, add, sub);
            sum += int64_t(i) + r_ < w_ ? col_[size_t(j)] : d;
            out[i] = quotient_(uint64_t(sum));
            if (++j == w_) j = 0;
        }
        for (int32_t i = r_; i < w_ - r_; ++i) {
            const size_t in = size_t(i + r_), gone = size_t(i - r_);
            col_[in] += int64_t(add[in]) - sub[in];
            sum += col_[in] - col_[gone];
            out[i] = quotient_(uint64_t(sum));
        }
        for (int32_t i = std::max(head, w_ - r_); i < w_; ++i) {
            update(i - (w_ - r_), add, sub);
            out[i] = quotient_(uint64_t(sum));
        }
    }

    const uint8_t* src_;
    uint8_t* dst_;
    int32_t w_, h_, r_, firstRow_, lastRow_;
    std::vector<uint8_t> zeros_;
    std::vector<int64_t> col_;
    int64_t firstColumns_ = 0;  // the sum of column sums 0 .. r-1, kept current with every update
    ByteQuotient quotient_;
    int32_t wrapStart_;         // the column updated at column 0
};

}  // namespace

void blurShadowShape(const uint8_t* src, uint8_t* dst, int32_t width, int32_t height, int32_t radius,
                     int32_t firstRow, int32_t lastRow) {
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, height - 1);
    if (width <= 0 || height <= 0 || radius <= 0 || firstRow > lastRow) return;
    Blur(src, dst, width, height, radius, firstRow, lastRow).run();
}

}  // namespace vortel
