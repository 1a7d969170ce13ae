// Any bytes given to the project reader either load or fail with its read error; nothing
// else may happen (no crash, no read outside the input, no other exception). Whatever loads
// must write and read back to the same bytes (read over the same object, since the file
// leaves out empty and zero values and a reader keeps what the file lacks).
#include "gallery/ProjectStream.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qor::TComQorCSS1 settings;
    try {
        qor::ReadProjectStream({reinterpret_cast<const char*>(data), size}, settings);
    } catch (const qor::EProjectReadError&) {
        return 0;
    }
    std::string written = qor::WriteProjectStream(settings);
    qor::TComQorCSS1 again = settings;
    qor::ReadProjectStream(written, again);
    if (qor::WriteProjectStream(again) != written) std::abort();
    return 0;
}
