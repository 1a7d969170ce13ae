// Every effect variant, and the inverted forms, forced through effectseq: each lays the
// pieces the effect table names, carrying the right picture, and ends with the new slide
// shown and the pieces gone. A screenshot of each is taken mid-transition.
import { test, describe, before, after } from 'node:test';
import { join } from 'node:path';
import { openBrowser, openGallery } from './support/browser.mjs';
import { writeFixtureGallery, plainEntries, artifactsDir } from './support/fixture.mjs';
import { advanceUntil, galleryState, expectRestingOn, waitForSlide, clickNext, screenshot, expectNoProblems, wrapper } from './support/gallery.mjs';

const W = 480;
const H = 180;
const table = [
    ['fade', 1], ['shift', 8], ['door', 2], ['stripe', 6], ['cube', 7], ['dropblock', 9], ['popblock', 4],
    ['foldscreenh', 2], ['foldscreenv', 2], ['shiftscreen', 1], ['divparts', 1], ['divpartsh', 1], ['divcorner', 1], ['none', 1],
];
const firstIds = {};
table.reduce((id, [name, n]) => ((firstIds[name] = id), id + n), 0);

// Pieces per effect for a 480 x 180 gallery, blocks 100 x 100 and bands 30 wide.
function expectedPieces(name, v) {
    const blocks = Math.ceil(W / 100) * Math.ceil(H / 100);
    const counts = {
        fade: 1, shift: 1, door: 2, cube: blocks, dropblock: blocks, popblock: blocks,
        foldscreenh: 3, foldscreenv: 3, shiftscreen: 3, divparts: 3, divpartsh: 3, divcorner: 4, none: 0,
        stripe: [16, 16, 32, 6, 6, 12][v],
    };
    return counts[name];
}

// Inverted, these carry the previous picture; "stripe" and "cube" visit their pieces backwards.
const flyingOut = ['door', 'dropblock', 'popblock'];

function firstPiecePosition(page) {
    return page.$eval(wrapper + ' .qo_piece', (el) => el.style.backgroundPosition);
}

let browser;
before(async () => {
    browser = await openBrowser();
});
after(async () => browser && (await browser.close()));

// Runs the transitions of seq (effect ids, negative = inverted) one after the other.
async function runSequence(t, label, seq, expectations) {
    const folder = join(artifactsDir, 'galleries', 'effects-' + label);
    const page = await browser.context.newPage();
    await writeFixtureGallery(page, folder, {
        entries: plainEntries(10),
        options: { effectseq: seq.length > 1 ? seq : [seq[0], seq[0]], transitduration: 400, cmteffect: 'none' },
    });
    const { problems } = await openGallery(browser, folder, page);
    await waitForSlide(page, 0);
    for (let a = 1; a <= expectations.length; a++) {
        const want = expectations[a % expectations.length];
        await clickNext(page);
        const during = await galleryState(page);
        const sources = await page.$$eval(wrapper + ' .qo_piece', (els) =>
            els.map((el) => (el.querySelector('img') ? el.querySelector('img').getAttribute('src') : el.style.backgroundImage))
        );
        t.assert.deepEqual(during.effect, { name: want.name, variant: want.variant, inverted: want.inverted });
        t.assert.equal(during.pieces, expectedPieces(want.name, want.variant), `${want.name} ${want.variant} pieces`);
        const carried = (want.inverted && flyingOut.includes(want.name)) || want.out ? `img${a}.jpg` : `img${a + 1}.jpg`;
        t.assert.ok(sources.every((s) => s.includes(carried)), `${want.name} ${want.variant} pieces carry ${carried}`);
        if (want.firstPiece) t.assert.equal(await firstPiecePosition(page), want.firstPiece, `${want.name} ${want.variant} visits the last cell first`);
        if (during.pieces) {
            await advanceUntil(page, (sel) => window.jQuery(sel + ' .qo_piece:animated').length > 0, wrapper, { step: 10 });
            await page.clock.runFor(180);
        }
        await screenshot(page, `effect-${want.name}-${want.variant}${want.inverted ? '-inverted' : ''}`);
        await expectRestingOn(t, page, a);
    }
    expectNoProblems(t, problems);
    await page.close();
}

function variantsOf(name, n) {
    return Array.from({ length: n }, (_, v) => ({ name, variant: v, inverted: false, out: (name === 'divcorner') }));
}

// Forwards, "divcorner" sends the previous picture's quarters out; the others bring the new one in.
const plain = table.map(([name, n]) => ({
    label: name,
    seq: Array.from({ length: n }, (_, v) => firstIds[name] + v),
    expect: variantsOf(name, n),
}));

const inverted = [
    ['stripe', 0, '-450px 0px'], ['stripe', 5, '0px -150px'], ['cube', 2, '-400px -100px'], ['door', 0], ['door', 1], ['dropblock', 7], ['popblock', 3],
].map(([name, v, firstPiece]) => ({ name, variant: v, inverted: true, firstPiece }));

// The sequence entry of slide a is seq[a % length]; rotate so slide 1 takes the first.
function rotated(list) {
    return [list[list.length - 1], ...list.slice(0, -1)];
}

// Three galleries at a time: each waits mostly on its own timers.
describe('effects', { concurrency: 3 }, () => {
    for (const { label, seq, expect } of plain) {
        test(`effect ${label}: every variant lays its pieces and ends on the new slide`, async (t) => {
            await runSequence(t, label, seq.length > 1 ? rotated(seq) : seq, expect.length > 1 ? rotated(expect) : expect);
        });
    }

    test('inverted forms carry the previous picture away over the new slide', async (t) => {
        // The first effect is never inverted: a plain fade leads the way.
        const expected = [{ name: 'fade', variant: 0, inverted: false }, ...inverted];
        const seq = [0, ...inverted.map((e) => -(firstIds[e.name] + e.variant))];
        await runSequence(t, 'inverted', rotated(seq), rotated(expected));
    });
});
