// Any text given as a page or style-sheet template: the key scanner answers keys in order
// within the lines (or -1, and -1 for all after), and the writers compose the page and the
// style sheet from it without crash or read outside the lines. The first byte chooses the
// frame and the wrapper note; the rest is the template.
#include "gallery/PageTemplate.h"
#include "gallery/PageWriter.h"
#include "gallery/StyleSheetKeys.h"
#include "gallery/StyleSheetWriter.h"

#include "util/TextFile.h"

#include <cstdlib>

namespace {

void CheckKeys(const qor::TQorKeys& keys, size_t lineCount)
{
    int32_t last = -1;
    bool missing = false;
    for (const qor::TQorKey& key : keys) {
        if (key.id < 0) {
            missing = true;
            continue;
        }
        if (missing || key.id <= last || static_cast<size_t>(key.id) >= lineCount) std::abort();
        last = key.id;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    qor::TStringList lines =
        qor::SplitTextLines({reinterpret_cast<const char*>(data) + 1, size - 1});
    qor::TQorKeys head = qor::FindKeys(lines, qor::HeadKeyTexts());
    qor::TQorKeys wrapper = qor::FindKeys(lines, qor::WrapperKeyTexts());
    qor::TStringList log;
    qor::TQorKeys css = qor::FindStyleSheetKeys(lines, log);
    CheckKeys(head, lines.size());
    CheckKeys(wrapper, lines.size());
    CheckKeys(css, lines.size());
    qor::TComQorCSS1 s;
    s.FrameType = data[0] % 3;
    s.SuppressWrapperNote = (data[0] & 4) != 0;
    qor::ComposePage(s, {lines, head, wrapper}, "");
    qor::ComposeStyleSheet(s, {lines, css}, {data[0], data[0]});
    return 0;
}
