#include "imaging/JpegErrorManager.h"
#include "util/LocalText.h"

namespace qor {

namespace {

[[noreturn]] void OnJpegError(j_common_ptr codec)
{
    auto* error = reinterpret_cast<TJpegError*>(codec->err);
    (*codec->err->format_message)(codec, error->message);
    std::longjmp(error->jump, 1);
}

// Warnings (corrupt or missing data that libjpeg works around) are counted, not printed.
void OnJpegMessage(j_common_ptr codec, int level)
{
    if (level < 0) codec->err->num_warnings++;
}

void OnJpegProgress(j_common_ptr codec)
{
    auto* decoder = reinterpret_cast<j_decompress_ptr>(codec);
    if (decoder->input_scan_number > kMaxJpegScans) {
        auto* error = reinterpret_cast<TJpegError*>(codec->err);
        std::snprintf(error->message, sizeof error->message, "too many scans");
        std::longjmp(error->jump, 1);
    }
}

} // namespace

void InstallErrorManager(TJpegError& error)
{
    jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    error.manager.emit_message = OnJpegMessage;
    error.message[0] = 0;
}

void LimitJpegDecoder(jpeg_decompress_struct& decoder, jpeg_progress_mgr& progress)
{
    decoder.mem->max_memory_to_use = kMaxJpegDecoderMemory;
    progress.progress_monitor = OnJpegProgress;
    decoder.progress = &progress;
}

std::string JpegFailure(const std::string& name, const TJpegError& error)
{
    return LocalFormat("%s: damaged JPEG file (%s)", {name, error.message});
}

} // namespace qor
