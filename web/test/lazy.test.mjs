// Big galleries built with --lazy: the browser fetches the first slide and the thumbnails in
// view before the gallery starts, then only the current slide, its neighbours and the
// thumbnails the strip shows.
import { test, before, after } from 'node:test';
import { openBrowser, openGallery } from './support/browser.mjs';
import { skipUnbuilt as skip, drawPictures, buildGallery, builtDir } from './support/built.mjs';
import { waitForSlide, expectNoProblems, wrapper } from './support/gallery.mjs';

const work = builtDir('lazy');
const count = 30;
let browser;

before(async () => {
    if (skip) return;
    browser = await openBrowser();
    const page = await browser.context.newPage();
    await drawPictures(page, work);
    await page.close();
});
after(async () => browser && (await browser.close()));

const slides = (...n) => n.map((k) => 'img/img' + k + '.jpg');
const thumbs = (from, to) => Array.from({ length: to - from + 1 }, (_, i) => 'img/thumb/' + (from + i) + '.jpg');

test('a lazy gallery fetches only what the current slide needs', { skip }, async (t) => {
    const out = buildGallery(work, 'sample01_thumb', { count, extra: ['TransitIndex=15'], flags: ['--lazy'] });
    const page = await browser.context.newPage();
    const fetched = [];
    page.on('request', (r) => {
        const m = r.url().match(/img\/.*\.jpg$/);
        if (m) fetched.push(m[0]);
    });
    const { problems } = await openGallery(browser, out, page);
    // While the progress box counts, the page has asked for the first slide and the
    // thumbnails in view only (720 pixels hold five cells).
    await page.clock.runFor(50);
    for (let waited = 0; fetched.length < 6 && waited < 5000; waited += 50) await new Promise((r) => setTimeout(r, 50));
    await new Promise((r) => setTimeout(r, 300));
    t.assert.equal(await page.locator('.qor_progress').count(), 1);
    t.assert.deepEqual(fetched.slice().sort(), [...slides(1), ...thumbs(1, 5)].sort());
    await waitForSlide(page, 0, 3000);
    // Once it shows, slide 1 has slides 30 and 2 beside it.
    t.assert.deepEqual(fetched.slice().sort(), [...slides(1, 2, 30), ...thumbs(1, 5)].sort());
    fetched.length = 0;
    await page.locator(wrapper).focus();
    await page.keyboard.press('End');
    await waitForSlide(page, count - 1, 3000);
    t.assert.deepEqual(fetched.slice().sort(), [...slides(29), ...thumbs(26, 30)].sort());
    expectNoProblems(t, problems);
    await page.close();
});
