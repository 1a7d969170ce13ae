// Effects built from the whole picture, halves, thirds and quarters: "fade", "shift",
// "door", "foldscreenv", "foldscreenh", "shiftscreen", "divparts", "divpartsh", "divcorner".
// Pieces marked "out" carry the previous picture and leave to their "from" state over the
// new slide, which is then shown beneath from the start.
import { box, equalStrips } from './geometry.js';
import { shuffled } from './random.js';

function whole(ctx, from) {
    return [[{ box: box(0, 0, ctx.W, ctx.H), from }]];
}

export function fade(ctx) {
    return { units: whole(ctx, { opacity: 0 }), easing: 'linear', timing: 'sequential' };
}

export function shift(ctx) {
    const { W, H } = ctx;
    const starts = [
        { left: -W },
        { left: W },
        { top: -H },
        { top: H },
        { width: 0 },
        { left: W, width: 0 },
        { height: 0 },
        { top: H, height: 0 },
    ];
    const from = Object.assign({ opacity: 0 }, starts[ctx.variant] || starts[0]);
    return { units: whole(ctx, from), easing: 'linear', timing: 'sequential' };
}

export function door(ctx) {
    const { W, H } = ctx;
    const half = ctx.variant === 1 ? Math.floor(H / 2) : Math.floor(W / 2);
    const panels =
        ctx.variant === 1
            ? [
                  { box: box(0, 0, W, half), from: { top: -half, opacity: 0 } },
                  { box: box(0, half, W, H - half), from: { top: H, opacity: 0 } },
              ]
            : [
                  { box: box(0, 0, half, H), from: { left: -half, opacity: 0 } },
                  { box: box(half, 0, W - half, H), from: { left: W, opacity: 0 } },
              ];
    return { units: panels.map((p) => [p]), easing: 'easeOutCirc', timing: 'all' };
}

export function foldscreenv(ctx) {
    const bands = equalStrips(ctx.W, ctx.H, 3, false);
    const from = (b) => ({ top: ctx.variant === 1 ? -b.height : ctx.H });
    return { units: shuffled(bands).map((b) => [{ box: b, from: from(b) }]), easing: 'easeOutBack', timing: 'fold' };
}

export function foldscreenh(ctx) {
    const bands = equalStrips(ctx.W, ctx.H, 3, true);
    const from = (b) => ({ left: ctx.variant === 1 ? -b.width : ctx.W });
    return { units: shuffled(bands).map((b) => [{ box: b, from: from(b) }]), easing: 'easeOutBack', timing: 'fold' };
}

const shiftWaits = [0.1, 0.5, 0.9];
const shiftRuns = [1.4, 1.2, 1.0];

export function shiftscreen(ctx) {
    const panels = equalStrips(ctx.W, ctx.H, 3, true);
    const ordered = ctx.forwards ? panels.slice().reverse() : panels;
    const from = ctx.forwards ? { left: ctx.W, width: 0 } : { left: 0, width: 0 };
    const units = ordered.map((p, k) => [{ box: p, from, wait: shiftWaits[k], run: shiftRuns[k] }]);
    return { units, easing: 'linear', timing: 'scheduled' };
}

// Strips falling in (forwards) or the previous picture's strips falling out (backwards).
function dividedStrips(ctx, vertical) {
    const strips = equalStrips(ctx.W, ctx.H, ctx.opts.effectopt.divct, vertical);
    const units = strips.map((s, k) => {
        const away = vertical ? { top: ctx.forwards ? -ctx.H : ctx.H } : { left: ctx.forwards ? -ctx.W : ctx.W };
        return [{ box: s, from: away, out: !ctx.forwards, wait: 0.1 * (k + 1), run: 1 }];
    });
    return { units, easing: 'easeOutBounce', timing: 'scheduled' };
}

export function divparts(ctx) {
    return dividedStrips(ctx, true);
}

export function divpartsh(ctx) {
    return dividedStrips(ctx, false);
}

export function divcorner(ctx) {
    const { W, H } = ctx;
    const hw = Math.floor(W / 2);
    const hh = Math.floor(H / 2);
    const quarters = [
        { box: box(0, 0, hw, hh), corner: { left: -hw, top: -hh } },
        { box: box(0, hh, hw, H - hh), corner: { left: -hw, top: H } },
        { box: box(hw, 0, W - hw, hh), corner: { left: W, top: -hh } },
        { box: box(hw, hh, W - hw, H - hh), corner: { left: W, top: H } },
    ];
    const units = quarters.map((q) => [{ box: q.box, from: q.corner, out: ctx.forwards, wait: 0.1, run: 1 }]);
    return { units, easing: 'easeOutBounce', timing: 'scheduled' };
}
