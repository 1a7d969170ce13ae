// An 8-bit coverage mask: how much of each pixel a text's glyphs cover, 0 (none) to 255
// (all). Left and Top place its first byte relative to the origin it was drawn for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qor {

struct TCoverageMask {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Bytes; // Width × Height, row after row

    bool IsEmpty() const { return Width <= 0 || Height <= 0; }
    uint8_t At(int x, int y) const { return Bytes[static_cast<std::size_t>(y) * Width + x]; }
};

// One mask holding all pieces where they lie; overlapping glyphs keep the larger coverage.
TCoverageMask UniteMasks(const std::vector<TCoverageMask>& pieces);

} // namespace qor
