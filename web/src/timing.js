// When each piece of an effect starts and how long it runs (milliseconds). D is the
// transition duration, A the acceleration: above 0.5 later pieces run shorter.
const shortest = 100;

function shortened(full, step, i, n, accel) {
    return Math.max(shortest, full - (accel <= 0.5 ? 0 : (step / (n * accel)) * i));
}

export function sequentialTiming(i, n, D, A) {
    return { delay: n === 1 ? D : 80 * i, duration: shortened(D, D, i, n, A) };
}

export function allAtOnceTiming(D) {
    return { delay: 0, duration: 2 * D };
}

export function foldTiming(i, n, D, A) {
    return { delay: 200 * i, duration: shortened(1.5 * D, 200, i, n, A) };
}

export function scheduledTiming(wait, run, D) {
    return { delay: 1.5 * D * wait, duration: 1.5 * D * run };
}

// kind: 'sequential' | 'all' | 'fold' | 'scheduled' (pieces carry their wait and run).
export function pieceTiming(kind, piece, i, n, D, A) {
    if (kind === 'all') return allAtOnceTiming(D);
    if (kind === 'fold') return foldTiming(i, n, D, A);
    if (kind === 'scheduled') return scheduledTiming(piece.wait, piece.run, D);
    return sequentialTiming(i, n, D, A);
}
