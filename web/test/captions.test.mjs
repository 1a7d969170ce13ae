// Captions after each transition, every caption effect in block and in row mode; with
// "none" they stay in the page but never show.
import { test, before, after } from 'node:test';
import { join } from 'node:path';
import { openBrowser, openGallery } from './support/browser.mjs';
import { writeFixtureGallery, plainEntries, artifactsDir } from './support/fixture.mjs';
import { waitForSlide, clickNext, screenshot, expectNoProblems, wrapper } from './support/gallery.mjs';

const W = 480;
const H = 180;
let browser;
before(async () => {
    browser = await openBrowser();
});
after(async () => browser && (await browser.close()));

// Where the current caption stands relative to the slide area, once it rests.
function captionPlace(page) {
    return page.evaluate((sel) => {
        const area = document.querySelector(sel + ' .qo_slides').getBoundingClientRect();
        const span = window.jQuery(sel).data('qorslider').$lis.eq(window.jQuery(sel).data('qorslider').current).children('span').not('.qo_topicbase')[0];
        const r = span.getBoundingClientRect();
        const style = getComputedStyle(span);
        return {
            visible: style.display !== 'none' && Number(style.opacity) > 0.99,
            left: Math.round(r.left - area.left),
            top: Math.round(r.top - area.top),
            bottom: Math.round(area.bottom - r.bottom),
            width: Math.round(r.width),
            height: Math.round(r.height),
        };
    }, wrapper);
}

const blockCases = {
    up: (p) => p.left === 0 && p.bottom === 0 && p.width === W,
    down: (p) => p.left === 0 && p.top === 0 && p.width === W,
    customl: (p) => p.left === 0 && p.bottom === 30 && p.width === W * 0.6,
    customr: (p) => p.left === Math.round(W * 0.4) && p.bottom === 30 && p.width === W * 0.6,
    custom: (p) => (p.left === 0 || p.left === Math.round(W * 0.4)) && p.bottom === 30 && p.width === W * 0.6,
    left: (p) => p.left === 0 && p.bottom === 0,
    right: (p) => p.left === 0 && p.bottom === 0,
    fade: (p) => p.left === 0 && p.bottom === 0,
};

// Row mode: the span moves inside its li, which stands in the row at the slide's place.
const rowCases = {
    up: (p) => p.bottom === 0,
    down: (p) => p.top === -10,
    customl: (p) => p.bottom === 30 && p.width === W * 0.6,
    customr: (p) => p.bottom === 30 && p.left === Math.round(W * 0.4) + 10,
    left: (p) => p.bottom === 0 && p.left === 10,
    right: (p) => p.bottom === 0 && p.left === 10,
    fade: (p) => p.bottom === 0,
};

async function captionGallery(label, options) {
    const folder = join(artifactsDir, 'galleries', 'caption-' + label);
    const page = await browser.context.newPage();
    await writeFixtureGallery(page, folder, { entries: plainEntries(3), options: Object.assign({ transitduration: 300 }, options) });
    return { page, ...(await openGallery(browser, folder, page)) };
}

for (const [mode, cases, effectgrp] of [
    ['block', blockCases, ['fade']],
    ['row', rowCases, ['slideall']],
]) {
    for (const [cmteffect, placed] of Object.entries(cases)) {
        test(`${mode} mode caption "${cmteffect}" appears after each transition`, async (t) => {
            const { page, problems } = await captionGallery(mode + '-' + cmteffect, { effectgrp, cmteffect });
            for (const index of [0, 1]) {
                if (index) await clickNext(page);
                await waitForSlide(page, index);
                const place = await captionPlace(page);
                t.assert.equal(place.visible, true, 'caption shown on slide ' + (index + 1));
                t.assert.ok(placed(place), 'caption placed: ' + JSON.stringify(place));
            }
            if (cmteffect === 'customr' || cmteffect === 'down') await screenshot(page, `caption-${mode}-${cmteffect}`);
            expectNoProblems(t, problems);
            await page.close();
        });
    }
}

test('with cmteffect "none" the captions are in the page but never become visible', async (t) => {
    const { page, problems } = await captionGallery('none', { effectgrp: ['fade'], cmteffect: 'none' });
    await page.evaluate((sel) => {
        window.captionSeen = false;
        const look = () => {
            document.querySelectorAll(sel + ' .qo_slides_span').forEach((s) => {
                const st = getComputedStyle(s);
                if (st.display !== 'none' && Number(st.opacity) > 0.01) window.captionSeen = true;
            });
            requestAnimationFrame(look);
        };
        look();
    }, wrapper);
    await waitForSlide(page, 0);
    await clickNext(page);
    await waitForSlide(page, 1);
    await page.clock.runFor(600);
    t.assert.equal(await page.locator(wrapper + ' .qo_slides_span').count(), 3);
    t.assert.equal(await page.evaluate(() => window.captionSeen), false);
    expectNoProblems(t, problems);
    await page.close();
});
