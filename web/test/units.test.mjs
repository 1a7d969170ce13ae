// The script's rules that need no page: effect group, effect choice, timing, pitch,
// scale, progress and option merging.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { buildEffectGroup, idCount, effectOfId, effectTable, substituteWhenScaled, isRowMode } from '../src/effectgroup.js';
import { chooseEffect } from '../src/choose.js';
import { sequentialTiming, allAtOnceTiming, foldTiming, scheduledTiming } from '../src/timing.js';
import { thumbPitch, firstToShow, firstAfterDrag } from '../src/thumbpitch.js';
import { fittingScale } from '../src/resizer.js';
import { progressPercent } from '../src/imgloader.js';
import { mergeOptions } from '../src/options.js';
import { detectBrowser } from '../src/browser.js';
import { easingCurves } from '../src/easing.js';
import { gridCells, equalStrips } from '../src/geometry.js';

// The table's variant counts add up to 46 ids; every id names a real variant.
test('the whole table numbers its variants from fade 0, shift 1 to 8, door 9 and 10 to none last', () => {
    const group = buildEffectGroup([]);
    assert.equal(idCount(group), effectTable.reduce((sum, e) => sum + e[1], 0));
    assert.equal(idCount(group), 46);
    assert.deepEqual(effectOfId(group, 0), { name: 'fade', variant: 0 });
    assert.deepEqual(effectOfId(group, 1), { name: 'shift', variant: 0 });
    assert.deepEqual(effectOfId(group, 8), { name: 'shift', variant: 7 });
    assert.deepEqual(effectOfId(group, 9), { name: 'door', variant: 0 });
    assert.deepEqual(effectOfId(group, 10), { name: 'door', variant: 1 });
    assert.deepEqual(effectOfId(group, 45), { name: 'none', variant: 0 });
    assert.deepEqual(effectOfId(group, 44), { name: 'divcorner', variant: 0 });
});

test('random, empty and unknown effect groups all mean the whole table', () => {
    for (const grp of [['random'], [], ['nosuch'], ['fade', 'random']]) {
        assert.deepEqual(
            buildEffectGroup(grp).map((e) => e.name),
            effectTable.map((e) => e[0]),
            JSON.stringify(grp)
        );
    }
});

test('named effects keep their order and number their ids from 0', () => {
    const group = buildEffectGroup(['cube', 'fade', 'nosuch']);
    assert.deepEqual(group, [
        { name: 'cube', first: 0, variants: 7 },
        { name: 'fade', first: 7, variants: 1 },
    ]);
    assert.deepEqual(effectOfId(group, 7), { name: 'fade', variant: 0 });
});

test('slideall in the group or the slideall option switch to row mode', () => {
    assert.equal(isRowMode({ effectgrp: ['slideall'] }), true);
    assert.equal(isRowMode({ effectgrp: [], slideall: true }), true);
    assert.equal(isRowMode({ effectgrp: ['random'] }), false);
});

test('a shrunken gallery runs blocks as cubes as bands, corners as strips', () => {
    const cases = [
        [{ name: 'popblock', variant: 2 }, { name: 'stripe', variant: 0 }],
        [{ name: 'dropblock', variant: 6 }, { name: 'stripe', variant: 3 }],
        [{ name: 'cube', variant: 3 }, { name: 'stripe', variant: 0 }],
        [{ name: 'cube', variant: 4 }, { name: 'stripe', variant: 3 }],
        [{ name: 'stripe', variant: 2 }, { name: 'stripe', variant: 0 }],
        [{ name: 'stripe', variant: 5 }, { name: 'stripe', variant: 3 }],
        [{ name: 'divcorner', variant: 0 }, { name: 'divparts', variant: 0 }],
        [{ name: 'shift', variant: 5 }, { name: 'shift', variant: 5 }],
    ];
    for (const [given, expected] of cases) assert.deepEqual(substituteWhenScaled(given), expected);
});

function withRandom(values, fn) {
    const saved = Math.random;
    let k = 0;
    Math.random = () => values[k++ % values.length];
    try {
        return fn();
    } finally {
        Math.random = saved;
    }
}

test('effectseq picks by slide index, a negative entry inverts', () => {
    const group = buildEffectGroup([]);
    const pick = (slideIndex) => chooseEffect({ group, effectseq: [20, -21, 9], slideIndex, scaledDown: false });
    assert.deepEqual(pick(0), { name: 'cube', variant: 3, inverted: false });
    assert.deepEqual(pick(1), { name: 'cube', variant: 4, inverted: true });
    assert.deepEqual(pick(5), { name: 'door', variant: 0, inverted: false });
});

test('the first effect of a gallery is never inverted', () => {
    const group = buildEffectGroup([]);
    assert.equal(chooseEffect({ group, effectseq: [-20, -20], slideIndex: 0, first: true }).inverted, false);
    assert.equal(chooseEffect({ group, effectseq: [-20, -20], slideIndex: 0, first: false }).inverted, true);
});

test('an effect without an inverted form is never inverted', () => {
    const group = buildEffectGroup([]);
    assert.equal(chooseEffect({ group, effectseq: [-1, -1], slideIndex: 0 }).inverted, false);
});

test('without effectseq the id is drawn from the whole group, inverted half the time', () => {
    const group = buildEffectGroup(['stripe', 'fade']);
    assert.deepEqual(
        withRandom([0.99, 0.2], () => chooseEffect({ group, effectseq: [], slideIndex: 0 })),
        { name: 'fade', variant: 0, inverted: false }
    );
    assert.deepEqual(
        withRandom([0.0, 0.2], () => chooseEffect({ group, effectseq: [4], slideIndex: 0 })),
        { name: 'stripe', variant: 0, inverted: true }
    );
});

test('sequential pieces start 80 ms apart and later ones run shorter with acceleration', () => {
    assert.deepEqual(sequentialTiming(0, 10, 1000, 2), { delay: 0, duration: 1000 });
    assert.deepEqual(sequentialTiming(3, 10, 1000, 2), { delay: 240, duration: 850 });
    assert.deepEqual(sequentialTiming(9, 10, 1000, 0.5), { delay: 720, duration: 1000 });
    assert.deepEqual(sequentialTiming(0, 1, 1000, 2), { delay: 1000, duration: 1000 });
    assert.equal(sequentialTiming(99, 100, 1000, 1).duration, 100, "never shorter than 100 ms");
});

test('all-at-once, fold and scheduled timings', () => {
    assert.deepEqual(allAtOnceTiming(700), { delay: 0, duration: 1400 });
    assert.deepEqual(foldTiming(2, 3, 1000, 2), { delay: 400, duration: 1500 - (200 / 6) * 2 });
    assert.deepEqual(foldTiming(2, 3, 1000, 0.4), { delay: 400, duration: 1500 });
    assert.deepEqual(scheduledTiming(0.5, 1.2, 1000), { delay: 750, duration: 1800 });
});

test('thumbnail pitch spreads the cells that fit evenly over the strip', () => {
    // 720 wide, thumbnails 116 outer: 5 fit, margins (720 - 580) / 10 = 14, pitch 144.
    assert.deepEqual(thumbPitch(720, 116), { fit: 5, margin: 14, pitch: 144 });
    const { pitch } = thumbPitch(500, 84);
    assert.equal(pitch, Math.round(84 + (500 - 5 * 84) / 5));
});

test('scrolling into view keeps a thumbnail strictly inside, else centres it', () => {
    assert.equal(firstToShow(3, 2, 5, 20), 2);
    assert.equal(firstToShow(2, 2, 5, 20), 0);
    assert.equal(firstToShow(6, 2, 5, 20), 4);
    assert.equal(firstToShow(19, 0, 5, 20), 15);
});

test('a strip drag moves on by at least one cell, rounded up, clamped', () => {
    assert.equal(firstAfterDrag(3, -10, 144, 5, 20), 4);
    assert.equal(firstAfterDrag(3, -300, 144, 5, 20), 6);
    assert.equal(firstAfterDrag(3, 500, 144, 5, 20), 0);
    assert.equal(firstAfterDrag(14, -500, 144, 5, 20), 15);
});

test('the fitting scale leaves 20 by 60 pixels and never exceeds 1', () => {
    assert.equal(fittingScale(1920, 1080, 770, 354), 1);
    assert.equal(fittingScale(405, 800, 770, 354), 0.5);
    assert.equal(fittingScale(1000, 237, 770, 354), 0.5);
    assert.equal(fittingScale(29, 800, 770, 354), null);
});

test('progress rounds the percentage up', () => {
    assert.equal(progressPercent(1, 3), 34);
    assert.equal(progressPercent(0, 3), 0);
    assert.equal(progressPercent(0, 0), 100);
});

test('options merge over the defaults; controllerpos sides replace the default sides', () => {
    const opts = mergeOptions({ width: 720, thumb: { width: 112 }, controllerpos: { left: 10, bottom: 10, centerx: false, ratio: 0.8 } });
    assert.equal(opts.width, 720);
    assert.equal(opts.height, 300);
    assert.deepEqual(opts.thumb, { width: 112, height: 50, titleheight: 10 });
    assert.deepEqual(opts.place, { horizontal: 'left', x: 10, vertical: 'bottom', y: 10, centerx: false, ratio: 0.8 });
    assert.deepEqual(mergeOptions({}).place, { horizontal: 'right', x: 10, vertical: 'top', y: 10, centerx: true, ratio: 1 });
    assert.equal(mergeOptions({ effectopt: { divct: 0 } }).effectopt.divct, 3);
    assert.deepEqual(mergeOptions({}).effectgrp, []);
    assert.equal(mergeOptions({}).progtext, 'Now Reading.');
});

test('browsers: IE 6 to 8 are legacy, other versions count as 10, touch by name', () => {
    assert.deepEqual(detectBrowser('Mozilla/4.0 (compatible; MSIE 8.0; Windows NT 6.1)'), { ie: true, version: 8, legacy: true, touch: false });
    assert.deepEqual(detectBrowser('Mozilla/5.0 (compatible; MSIE 10.0; Windows NT 6.2)'), { ie: true, version: 10, legacy: false, touch: false });
    assert.deepEqual(detectBrowser('Mozilla/4.0 (compatible; MSIE 5.5)'), { ie: true, version: 10, legacy: false, touch: false });
    assert.equal(detectBrowser('Mozilla/5.0 (Linux; Android 13)').touch, true);
    assert.equal(detectBrowser('Mozilla/5.0 (X11; Linux x86_64) Chrome/120').ie, false);
});

test('easing curves start at 0, end at 1, and overshoot where their names say', () => {
    for (const [name, curve] of Object.entries(easingCurves)) {
        assert.ok(Math.abs(curve(0)) < 1e-9, name);
        assert.ok(Math.abs(curve(1) - 1) < 1e-9, name);
    }
    assert.ok(easingCurves.easeOutBack(0.7) > 1);
    assert.ok(easingCurves.easeOutElastic(0.15) > 1);
    assert.ok(easingCurves.easeOutBounce(0.5) < 1);
    assert.ok(Math.abs(easingCurves.easeInOutExpo(0.5) - 0.5) < 1e-9);
});

test('grid cells cover the area exactly once', () => {
    const cells = gridCells(480, 180, 100, 100);
    assert.equal(cells.length, 10);
    assert.equal(cells.reduce((sum, c) => sum + c.width * c.height, 0), 480 * 180);
    const strips = equalStrips(100, 50, 3, true);
    assert.deepEqual(strips.map((s) => s.width), [33, 33, 34]);
});
