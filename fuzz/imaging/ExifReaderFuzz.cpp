// Any file given to the EXIF reader is read or refused without crash or read outside the
// segment; the orientation it answers is always a code 1-8 and the angle a quarter turn.
#include "imaging/XEExif.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // In memory when the system has a memory file system: the reader works on files.
    static const std::string path =
        std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/fuzz_exif_" +
        std::to_string(getpid()) + ".jpg";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    qor::ExifInfo info;
    qor::ReadExif(path, info);
    if (info.Info.InfoKind != 2 && info.Info.InfoKind != 3) std::abort();
    int orientation = qor::ExifOrientation(path);
    if (orientation < 1 || orientation > 8) std::abort();
    int angle = qor::ReadExifAngle(path);
    if (angle % 90 != 0 || angle < 0 || angle > 270) std::abort();
    return 0;
}
