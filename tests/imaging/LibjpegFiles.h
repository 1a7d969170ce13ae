// JPEG files written with libjpeg itself, for what the product's encoder never writes (other
// samplings, progressive and arithmetic coding, restart markers, embedded profiles).
#pragma once

#include "imaging/TBmpScan.h"

#include <functional>
#include <string>

struct jpeg_compress_struct;

namespace qortest {

using TJpegSetup = std::function<void(jpeg_compress_struct&)>;

// setup adjusts the defaults of the quality; started writes markers once compression began.
std::string LibjpegFile(const qor::TBmpScan& picture, int quality, const TJpegSetup& setup,
                        const TJpegSetup& started = {});

} // namespace qortest
