// The failure of a picture operation: decoding, encoding or an impossible picture size. The
// message names the file when there is one.
#pragma once

#include <stdexcept>
#include <string>

namespace qor {

class EImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace qor
