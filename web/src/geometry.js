// Boxes that cut the slide area (W x H) into pieces: {left, top, width, height}.
export function box(left, top, width, height) {
    return { left, top, width, height };
}

// Cells of w x h, column by column from the left, each column from the top.
export function gridCells(W, H, w, h) {
    const cells = [];
    for (let left = 0; left < W; left += w) {
        for (let top = 0; top < H; top += h) {
            cells.push(box(left, top, Math.min(w, W - left), Math.min(h, H - top)));
        }
    }
    return cells;
}

export function verticalBands(W, H, bandWidth) {
    return gridCells(W, H, bandWidth, H);
}

export function horizontalBands(W, H, bandHeight) {
    return gridCells(W, H, W, bandHeight);
}

// n equal strips (the last takes the rounding rest).
export function equalStrips(W, H, n, vertical) {
    const size = Math.floor((vertical ? W : H) / n);
    const strips = [];
    for (let k = 0; k < n; k++) {
        const start = k * size;
        const length = k === n - 1 ? (vertical ? W : H) - start : size;
        strips.push(vertical ? box(start, 0, length, H) : box(0, start, W, length));
    }
    return strips;
}
