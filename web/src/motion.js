// Reduced motion: a visitor who asked the system for less motion gets instant changes in
// place of movements; fades stay, shortened.
export function prefersReducedMotion() {
    return !!(window.matchMedia && window.matchMedia('(prefers-reduced-motion: reduce)').matches);
}

// The duration of a movement: none at all under reduced motion (undefined keeps jQuery's
// default duration).
export function pace(g, duration) {
    return g.reducedMotion() ? 0 : duration;
}
