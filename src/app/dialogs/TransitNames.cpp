#include "app/dialogs/TransitNames.h"

#include "gallery/ComQorCSS.h"

#include <QCoreApplication>

namespace qor {

namespace {

// The core's display names, marked here so that they are gathered for translation; they must
// stay the same texts as the core's table (the lookup below uses the core's).
[[maybe_unused]] const char* const TranslatedNames[] = {
    QT_TRANSLATE_NOOP("TransitNames", "ランダム"),       QT_TRANSLATE_NOOP("TransitNames", "横スクロール"),
    QT_TRANSLATE_NOOP("TransitNames", "フェード"),       QT_TRANSLATE_NOOP("TransitNames", "シフト"),
    QT_TRANSLATE_NOOP("TransitNames", "ドア"),           QT_TRANSLATE_NOOP("TransitNames", "ストライプ"),
    QT_TRANSLATE_NOOP("TransitNames", "キューブ"),       QT_TRANSLATE_NOOP("TransitNames", "ブロック(ドロップ)"),
    QT_TRANSLATE_NOOP("TransitNames", "ブロック(ポップ)"), QT_TRANSLATE_NOOP("TransitNames", "スクリーン(縦)"),
    QT_TRANSLATE_NOOP("TransitNames", "スクリーン(横)"), QT_TRANSLATE_NOOP("TransitNames", "スクリーンシフト"),
    QT_TRANSLATE_NOOP("TransitNames", "縦三分割"),       QT_TRANSLATE_NOOP("TransitNames", "横三分割"),
    QT_TRANSLATE_NOOP("TransitNames", "分割四隅"),       QT_TRANSLATE_NOOP("TransitNames", "効果無し"),
};

} // namespace

QStringList TransitDisplayNames()
{
    QStringList names;
    for (const std::string& name : TComQorCSS1::StdTransitNames())
        names << QCoreApplication::translate("TransitNames", name.c_str());
    return names;
}

} // namespace qor
