// How many thumbnails fit the strip and how far apart they stand.
export function thumbPitch(W, outerWidth) {
    const fit = Math.floor(W / (outerWidth + 10));
    const margin = fit > 0 ? (W - fit * outerWidth) / (2 * fit) : 5;
    return { fit, margin, pitch: Math.round(outerWidth + 2 * margin) };
}

// First visible index that brings thumbnail a into view, or the current one when a already
// stands strictly inside the visible cells.
export function firstToShow(a, first, fit, count) {
    const last = Math.max(0, count - fit);
    if (a > first && a < first + fit - 1) return first;
    return Math.min(last, Math.max(0, a - Math.floor(fit / 2)));
}

// Where a drag of dx pixels leaves the strip: at least one cell on in its direction.
export function firstAfterDrag(first, dx, pitch, fit, count) {
    const cells = Math.max(1, Math.ceil(Math.abs(dx) / pitch));
    const moved = first + (dx < 0 ? cells : -cells);
    return Math.min(Math.max(0, count - fit), Math.max(0, moved));
}
