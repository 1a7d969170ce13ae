// libjpeg's error handling for our decoders: errors jump back (longjmp) to the frame that set
// `jump`, which holds only plain data; warnings are counted, not printed; progressive files
// with absurd scan counts fail. The caller destroys the codec and then throws EImageError.
#pragma once

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <csetjmp>
#include <string>

namespace qor {

// Beyond these limits decoding fails: unbounded time and coefficient memory otherwise.
inline constexpr int kMaxJpegScans = 1000;
inline constexpr long kMaxJpegDecoderMemory = 1L << 30;

struct TJpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void InstallErrorManager(TJpegError& error);
// Applies the memory and scan limits to a decoder whose error manager is installed.
void LimitJpegDecoder(jpeg_decompress_struct& decoder, jpeg_progress_mgr& progress);
// "<name>: damaged JPEG file (<libjpeg's message>)".
std::string JpegFailure(const std::string& name, const TJpegError& error);

} // namespace qor
