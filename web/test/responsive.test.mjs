// Responsive scaling: a gallery wider than the window shrinks to the window less 20 by 60
// pixels, never below minscale, and comes back to full size when the window grows.
import { test, before, after } from 'node:test';
import { join } from 'node:path';
import { openBrowser, openGallery } from './support/browser.mjs';
import { writeFixtureGallery, plainEntries, artifactsDir } from './support/fixture.mjs';
import { galleryState, waitForSlide, expectRestingOn, screenshot, expectNoProblems, wrapper } from './support/gallery.mjs';

let browser;
before(async () => {
    browser = await openBrowser();
});
after(async () => browser && (await browser.close()));

const design = { width: 720, height: 270, thumbWidth: 112, thumbHeight: 44 };

async function sizes(page) {
    return page.evaluate((sel) => {
        const size = (q) => {
            const r = document.querySelector(sel + q).getBoundingClientRect();
            return [Math.round(r.width), Math.round(r.height)];
        };
        return { slides: size(' .qo_slides'), picture: size(' li.active > img'), wrapper: size('') };
    }, wrapper);
}

test('the gallery shrinks to the window, not below minscale, and restores', async (t) => {
    const folder = join(artifactsDir, 'galleries', 'responsive');
    const page = await browser.context.newPage();
    await writeFixtureGallery(page, folder, { entries: plainEntries(6), design, options: { responsive: true, minscale: 0.5, effectgrp: ['fade'], transitduration: 300 } });
    const { problems } = await openGallery(browser, folder, page);
    await waitForSlide(page, 0);
    const full = await galleryState(page);
    t.assert.deepEqual([full.W, full.H], [720, 270]);
    const strip = 44 + 4 + 6 + 10;

    await page.setViewportSize({ width: 520, height: 700 });
    // (520 - 20) / 720 = 0.694...: 500 x 187, and 500 milliseconds later the next slide.
    await waitForSlide(page, 1);
    let state = await galleryState(page);
    t.assert.deepEqual([state.W, state.H], [Math.floor(720 * (500 / 720)), Math.floor(270 * (500 / 720))]);
    t.assert.deepEqual(await sizes(page), { slides: [state.W, state.H], picture: [state.W, state.H], wrapper: [state.W, state.H + strip] });
    await expectRestingOn(t, page, 1);
    await screenshot(page, 'responsive-shrunk');

    await page.setViewportSize({ width: 300, height: 700 });
    await waitForSlide(page, 2);
    state = await galleryState(page);
    t.assert.deepEqual([state.W, state.H], [360, 135], 'held at minscale 0.5');

    await page.setViewportSize({ width: 1000, height: 700 });
    await waitForSlide(page, 3);
    state = await galleryState(page);
    t.assert.deepEqual([state.W, state.H], [720, 270], 'full size again');
    t.assert.deepEqual((await sizes(page)).picture, [720, 270]);
    expectNoProblems(t, problems);
    await page.close();
});

test('a shrunken gallery runs blocks as bands', async (t) => {
    const folder = join(artifactsDir, 'galleries', 'responsive-blocks');
    const page = await browser.context.newPage();
    await page.setViewportSize({ width: 520, height: 700 });
    await writeFixtureGallery(page, folder, { entries: plainEntries(6), design, options: { responsive: true, effectgrp: ['popblock'], transitduration: 300 } });
    const { problems } = await openGallery(browser, folder, page);
    await waitForSlide(page, 1, 8000);
    const state = await galleryState(page);
    t.assert.equal(state.effect.name, 'stripe');
    t.assert.ok(state.effect.variant === 0 || state.effect.variant === 3);
    expectNoProblems(t, problems);
    await page.close();
});
