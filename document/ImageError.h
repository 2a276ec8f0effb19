#pragma once
#include <stdexcept>

namespace vortel {

// Image bytes that cannot be read or an image that cannot be written. The message says what was
// wrong in words a user can act on; readers never assert on the data they are given.
class ImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vortel
