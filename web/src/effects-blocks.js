// Effects built from bands and blocks: "stripe", "cube", "dropblock", "popblock".
// Each builder returns { units, easing, timing }: units are the pieces in visiting order,
// a unit being one piece or the pair of half pieces that move together.
import { box, gridCells, verticalBands, horizontalBands } from './geometry.js';
import { randomInt, shuffled } from './random.js';

function single(cells, fromOf) {
    return cells.map((cell, k) => [{ box: cell, from: fromOf(cell, k) }]);
}

function verticalStripe(ctx, movement) {
    const { W, H } = ctx;
    const bands = verticalBands(W, H, ctx.opts.blocksize.bandsize);
    if (movement === 0) return single(bands, (b, k) => ({ top: k % 2 ? -H : H, opacity: 0 }));
    if (movement === 1) return single(bands, () => ({ opacity: 0 }));
    const upper = Math.floor(H / 2);
    return bands.map((b) => [
        { box: box(b.left, 0, b.width, upper), from: { top: -upper } },
        { box: box(b.left, upper, b.width, H - upper), from: { top: H } },
    ]);
}

function horizontalStripe(ctx, movement) {
    const { W, H } = ctx;
    const bands = horizontalBands(W, H, ctx.opts.blocksize.bandsize);
    if (movement === 0) return single(bands, (b, k) => ({ left: k % 2 ? -W : W, opacity: 0 }));
    if (movement === 1) return single(bands, () => ({ opacity: 0 }));
    const leftHalf = Math.floor(W / 2);
    return bands.map((b) => [
        { box: box(0, b.top, leftHalf, b.height), from: { left: -leftHalf } },
        { box: box(leftHalf, b.top, W - leftHalf, b.height), from: { left: W } },
    ]);
}

export function stripe(ctx) {
    const movement = ctx.variant % 3;
    const units = ctx.variant < 3 ? verticalStripe(ctx, movement) : horizontalStripe(ctx, movement);
    return { units, easing: movement === 2 ? 'easeOutBack' : 'easeOutCirc', timing: 'sequential' };
}

const cubeOffsets = [
    [0.5, 0.5],
    [-1, -1],
    [1, 1],
    [1.5, 1.5],
    [1, 0],
    [0, 1],
    [0, 0],
];

function blockCells(ctx) {
    return gridCells(ctx.W, ctx.H, ctx.opts.blocksize.width, ctx.opts.blocksize.height);
}

export function cube(ctx) {
    const [fx, fy] = cubeOffsets[ctx.variant] || cubeOffsets[6];
    const units = single(blockCells(ctx), (b) => ({
        left: b.left + fx * b.width,
        top: b.top + fy * b.height,
        width: 0,
        height: 0,
        opacity: 0,
    }));
    return { units, easing: 'easeOutCirc', timing: 'sequential' };
}

// Where the blocks of "dropblock" come from, per variant.
function dropOrigin(ctx, variant) {
    const { W, H } = ctx;
    const bw = ctx.opts.blocksize.width;
    const bh = ctx.opts.blocksize.height;
    return [
        () => ({ top: H }),
        () => ({ top: -bh }),
        () => ({ left: W }),
        () => ({ left: -bw }),
        () => ({ left: -bw, top: -bh }),
        () => ({ left: -bw, top: H }),
        () => ({ left: W, top: -bh }),
        () => ({ left: W, top: H }),
        () => ({ left: (W - bw) / 2, top: (H - bh) / 2 }),
    ][variant] || (() => ({ top: H }));
}

export function dropblock(ctx) {
    const origin = dropOrigin(ctx, ctx.variant);
    const units = single(shuffled(blockCells(ctx)), (b) => Object.assign({ opacity: 0 }, origin(b)));
    return { units, easing: 'easeOutCirc', timing: 'sequential' };
}

export function popblock(ctx) {
    const cells = blockCells(ctx);
    const turns = ctx.variant >= 2;
    const units = cells.map((cell) => {
        const start = cells[randomInt(cells.length)];
        return [{ box: cell, cropper: true, turn: turns ? 270 : 0, from: { left: start.left, top: start.top, opacity: 0 } }];
    });
    return { units, easing: 'swing', timing: ctx.variant % 2 ? 'sequential' : 'all' };
}
