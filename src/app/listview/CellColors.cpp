#include "app/listview/CellColors.h"

#include <algorithm>

namespace qor {

TILMouseStat ResolveCellState(TILMouseStat requested, bool isCursor, bool isSelected)
{
    if (requested == TILMouseStat::ntmReset)
        return isSelected ? TILMouseStat::ntmSelect : TILMouseStat::ntmNormal;
    if (isCursor) {
        if (requested == TILMouseStat::ntmNormal) return TILMouseStat::ntmCursor;
        if (requested == TILMouseStat::ntmRollOver) return TILMouseStat::ntmRollOverCursor;
    } else if (isSelected) {
        if (requested == TILMouseStat::ntmNormal) return TILMouseStat::ntmSelect;
        if (requested == TILMouseStat::ntmRollOver) return TILMouseStat::ntmRollOverSelect;
    }
    return requested;
}

std::optional<TRgb> StateColor(TILMouseStat state, const TILStatColors& colors)
{
    switch (state) {
    case TILMouseStat::ntmCursor:
        return colors.Cursor;
    case TILMouseStat::ntmRollOver:
        return colors.RollOver;
    case TILMouseStat::ntmSelect:
        return colors.Selected;
    case TILMouseStat::ntmRollOverSelect:
        return Lighten(colors.Selected);
    case TILMouseStat::ntmRollOverCursor:
        return Lighten(colors.Cursor);
    default:
        return std::nullopt;
    }
}

namespace {

uint8_t LightenChannel(uint8_t v)
{
    int n = 135 * v + 120 * 245;
    return static_cast<uint8_t>((n + 127) / 255); // nearest; n/255 never falls on a half
}

uint8_t MixChannel(uint8_t v, int alpha)
{
    int n = v * (256 - alpha) + 255 * alpha;
    return static_cast<uint8_t>(std::min(255, (n + 255) / 256));
}

} // namespace

TRgb Lighten(TRgb c)
{
    return {LightenChannel(c.r), LightenChannel(c.g), LightenChannel(c.b)};
}

TRgb MixWithWhite(TRgb c, int alpha)
{
    return {MixChannel(c.r, alpha), MixChannel(c.g, alpha), MixChannel(c.b, alpha)};
}

TRgb Inverted(TRgb c)
{
    return {static_cast<uint8_t>(255 - c.r), static_cast<uint8_t>(255 - c.g),
            static_cast<uint8_t>(255 - c.b)};
}

TRgb HotButton(TRgb c)
{
    auto hot = [](uint8_t v) { return static_cast<uint8_t>(v + 70 * (255 - v) / 255); };
    return {hot(c.r), hot(c.g), hot(c.b)};
}

bool IsHighlighted(TILMouseStat state)
{
    return StateColor(state, TILStatColors{}).has_value();
}

} // namespace qor
