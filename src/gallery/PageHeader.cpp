#include "gallery/PageHeader.h"

#include "gallery/PageTemplate.h"

#include "util/DelphiFormat.h"
#include "util/XEComText.h"

namespace qor {

void AddPageHeader(const TComQorCSS1& s, TStringList& lines, TQorKeys head, TQorKeys wrapper,
                   const TStringList& headerLines)
{
    RefindKeys(lines, HeadKeyTexts(), head);
    RefindKeys(lines, WrapperKeyTexts(), wrapper);
    int32_t at = wrapper[WrapperStart].id;
    InsertStrings(lines, {Format("<h1 class=\"qorheader\">%s</h1>", {s.PageTitle})}, at);
    if (at >= 0) ShiftKeys(head, at, 1);
    // Without a background line the fragment goes to the end rather than before the page.
    int32_t background = head[HeadBackground].id;
    InsertStrings(lines, headerLines, background >= 0 ? background + 1 : -1);
}

} // namespace qor
