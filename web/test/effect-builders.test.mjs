// The effect builders without a page: the pieces each variant lays, the inverted forms and
// the random visiting order.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { buildEffect } from '../src/effects.js';
import { mergeOptions } from '../src/options.js';

const W = 480;
const H = 180;

function effect(name, variant, extra = {}, optionValues = {}) {
    return buildEffect(Object.assign({ name, variant, inverted: false, forwards: true, W, H, opts: mergeOptions(optionValues) }, extra));
}

const boxesOf = (e) => e.units.flat().map((p) => p.box);

test('"none" lays no pieces', () => {
    assert.equal(effect('none', 0), null);
});

test('stripe variant 2 cuts each band into an upper piece from -H/2 and a lower from +H', () => {
    const e = effect('stripe', 2);
    assert.equal(e.units.length, 16);
    assert.deepEqual(e.units[0], [
        { box: { left: 0, top: 0, width: 30, height: 90 }, from: { top: -90 } },
        { box: { left: 0, top: 90, width: 30, height: 90 }, from: { top: 180 } },
    ]);
    assert.equal(e.easing, 'easeOutBack');
});

test('stripe variant 0 bands come alternately from below and above, fading in', () => {
    const e = effect('stripe', 0);
    assert.deepEqual(e.units.slice(0, 2).map((u) => u[0].from), [{ top: H, opacity: 0 }, { top: -H, opacity: 0 }]);
    assert.equal(e.easing, 'easeOutCirc');
});

test('inverted stripes and cubes visit their pieces backwards', () => {
    const forwards = boxesOf(effect('cube', 1));
    assert.deepEqual(boxesOf(effect('cube', 1, { inverted: true })), forwards.slice().reverse());
});

test('inverted doors carry the previous picture out, fading', () => {
    const e = effect('door', 0, { inverted: true });
    assert.deepEqual(e.units.flat().map((p) => [p.out, p.from]), [
        [true, { left: -240, opacity: 0 }],
        [true, { left: 480, opacity: 0 }],
    ]);
    assert.equal(e.timing, 'all');
});

test('randomblock shuffles the pieces, keeping the halves of a band together', () => {
    const saved = Math.random;
    Math.random = () => 0;
    try {
        const e = effect('stripe', 5, {}, { randomblock: true });
        assert.notDeepEqual(e.units.map((u) => u[0].box.top), [0, 30, 60, 90, 120, 150]);
        assert.ok(e.units.every((u) => u.length === 2 && u[0].box.top === u[1].box.top));
    } finally {
        Math.random = saved;
    }
});

test('cube blocks grow from size 0 at the variant offset', () => {
    const e = effect('cube', 3);
    assert.equal(e.units.length, 10);
    // Block 1 stands at (0, 100) and is 100 x 80: it starts 1.5 of its size further on.
    assert.deepEqual(e.units[1][0].from, { left: 150, top: 100 + 1.5 * 80, width: 0, height: 0, opacity: 0 });
});

test('divparts strips follow effectopt.divct; backwards they carry the previous picture away', () => {
    const e = effect('divparts', 0, { forwards: false }, { effectopt: { divct: 4 } });
    assert.equal(e.units.length, 4);
    assert.ok(e.units.flat().every((p) => p.out && p.from.top === H));
    e.units.forEach((u, k) => assert.ok(Math.abs(u[0].wait - 0.1 * (k + 1)) < 1e-9));
});

test('divcorner sends the previous quarters to the corners forwards, brings new ones backwards', () => {
    assert.ok(effect('divcorner', 0).units.flat().every((p) => p.out));
    assert.ok(effect('divcorner', 0, { forwards: false }).units.flat().every((p) => !p.out));
    assert.deepEqual(effect('divcorner', 0).units.map((u) => u[0].from), [
        { left: -240, top: -90 },
        { left: -240, top: 180 },
        { left: 480, top: -90 },
        { left: 480, top: 180 },
    ]);
});

test('shiftscreen panels widen in from the side they come from, with their waits and runs', () => {
    const e = effect('shiftscreen', 0);
    assert.deepEqual(e.units.map((u) => [u[0].box.left, u[0].wait, u[0].run]), [[320, 0.1, 1.4], [160, 0.5, 1.2], [0, 0.9, 1.0]]);
    assert.deepEqual(effect('shiftscreen', 0, { forwards: false }).units[0][0].from, { left: 0, width: 0 });
});

test('popblock pieces are croppers; variants 2 and 3 turn from 270 degrees', () => {
    const e = effect('popblock', 2);
    assert.ok(e.units.flat().every((p) => p.cropper && p.turn === 270 && p.from.opacity === 0));
    assert.equal(e.timing, 'all');
    assert.equal(effect('popblock', 1).timing, 'sequential');
    assert.equal(effect('popblock', 1).units[0][0].turn, 0);
});
