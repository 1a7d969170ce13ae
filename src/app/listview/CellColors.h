// How a cell's state becomes its colours: which state a cell is drawn in (the cursor wins over
// the selection), the state colour, the lightened roll-over colours, the fill mixed with white
// by BrushAlpha, and the inverted caption colour of highlighted cells.
#pragma once

#include <cstdint>
#include <optional>

namespace qor {

struct TRgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const TRgb&) const = default;
};

enum class TILMouseStat {
    ntmNormal,
    ntmCursor,
    ntmRollOver,
    ntmDown,
    ntmSelect,
    ntmRollOverSelect,
    ntmRollOverCursor,
    ntmReset,
    ntmClear
};

// The state colours, with the main window's values as defaults.
struct TILStatColors {
    TRgb Cursor{192, 220, 192};
    TRgb Selected{166, 202, 240};
    TRgb RollOver{220, 220, 255};
    int BrushAlpha = 80; // the share of white, out of 256, in the cell's fill
};

// The state a cell is drawn in, given the requested one.
TILMouseStat ResolveCellState(TILMouseStat requested, bool isCursor, bool isSelected);
// The colour of a state, none for the states drawn plain.
std::optional<TRgb> StateColor(TILMouseStat state, const TILStatColors& colors);
// Each channel v becomes (135 v + 120 × 245) / 255, rounded.
TRgb Lighten(TRgb c);
// Each channel v becomes ceiling((v (256 - alpha) + 255 alpha) / 256), at most 255.
TRgb MixWithWhite(TRgb c, int alpha);
TRgb Inverted(TRgb c);
// A side button under the mouse: each channel v becomes v + 70 (255 - v) / 255.
TRgb HotButton(TRgb c);
// Whether captions of the state are drawn in the inverted font colour.
bool IsHighlighted(TILMouseStat state);

} // namespace qor
