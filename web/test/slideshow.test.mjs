// The slideshow: its interval, the toggle, play and stop elements, and the pause after a
// pick through the controller.
import { test, before, after } from 'node:test';
import { join } from 'node:path';
import { openBrowser, openGallery } from './support/browser.mjs';
import { writeFixtureGallery, plainEntries, artifactsDir } from './support/fixture.mjs';
import { galleryState, waitForSlide, expectNoProblems, wrapper } from './support/gallery.mjs';

let browser;
before(async () => {
    browser = await openBrowser();
});
after(async () => browser && (await browser.close()));

const controls = '<p><button id="toggle">toggle</button><button id="play">play</button><button id="stop">stop</button></p>';

async function slideshowGallery(label, options) {
    const folder = join(artifactsDir, 'galleries', 'slideshow-' + label);
    const page = await browser.context.newPage();
    await writeFixtureGallery(page, folder, {
        entries: plainEntries(5),
        design: { extraBody: controls },
        options: Object.assign({ effectgrp: ['none'], cmteffect: 'none', toggleslide: '#toggle', playslide: '#play', stopslide: '#stop' }, options),
    });
    const opened = await openGallery(browser, folder, page);
    await page.evaluate((sel) => {
        window.slideTimes = [];
        let last = -1;
        const watch = () => {
            const g = window.jQuery(sel).data('qorslider');
            if (g && g.current !== last && g.state === 'none' && !g.firstShow) {
                last = g.current;
                window.slideTimes.push([performance.now(), g.current]);
            }
            requestAnimationFrame(watch);
        };
        watch();
    }, wrapper);
    return opened;
}

const slideTimes = (page) => page.evaluate(() => window.slideTimes);

test('the slideshow moves on slideshow_interval ms after each transition has settled', async (t) => {
    const { page, problems } = await slideshowGallery('interval', { autoslideshow: true, slideshow_interval: 700 });
    await waitForSlide(page, 3, 12000);
    const times = await slideTimes(page);
    t.assert.deepEqual(times.map(([, i]) => i).slice(0, 4), [0, 1, 2, 3]);
    // Effect "none": each change settles 800 ms after it starts, then waits 700 ms.
    for (let k = 1; k < 4; k++) {
        const gap = times[k][0] - times[k - 1][0];
        t.assert.ok(gap > 1400 && gap < 1900, 'gap ' + gap + ' ms');
    }
    expectNoProblems(t, problems);
    await page.close();
});

test('toggleslide, playslide and stopslide start and stop the slideshow', async (t) => {
    const { page, problems } = await slideshowGallery('buttons', { autoslideshow: false, slideshow_interval: 500 });
    await waitForSlide(page, 0);
    await page.waitForTimeout(900);
    t.assert.equal((await galleryState(page)).current, 0, 'no slideshow by itself');
    await page.click('#toggle');
    t.assert.equal((await galleryState(page)).current, 1, 'turning it on brings the next slide at once');
    await waitForSlide(page, 2, 5000);
    await page.click('#stop');
    const stoppedOn = (await galleryState(page)).current;
    await page.waitForTimeout(1800);
    const stopped = await galleryState(page);
    t.assert.equal(stopped.slideshow, false);
    t.assert.ok(stopped.current - stoppedOn <= 1, 'at most the running change finishes');
    await page.click('#play');
    await waitForSlide(page, (stopped.current + 2) % 5, 6000);
    await page.click('#toggle');
    t.assert.equal((await galleryState(page)).slideshow, false, 'toggled off');
    expectNoProblems(t, problems);
    await page.close();
});

test('autoslidepause 1 stops the slideshow when a slide is picked', async (t) => {
    const { page, problems } = await slideshowGallery('pause1', { autoslideshow: true, slideshow_interval: 400, autoslidepause: 1 });
    await waitForSlide(page, 0);
    await page.locator(wrapper + ' .qo_thumb li').nth(3).click();
    await waitForSlide(page, 3);
    await page.waitForTimeout(1600);
    const state = await galleryState(page);
    t.assert.equal(state.current, 3);
    t.assert.equal(state.slideshow, false);
    expectNoProblems(t, problems);
    await page.close();
});

test('autoslidepause 2 starts the slideshow again after autopause_interval', async (t) => {
    const { page, problems } = await slideshowGallery('pause2', { autoslideshow: true, slideshow_interval: 400, autoslidepause: 2, autopause_interval: 1500 });
    await waitForSlide(page, 0);
    await page.locator(wrapper + ' .qo_thumb li').nth(2).click();
    await waitForSlide(page, 2);
    const picked = await page.evaluate(() => performance.now());
    await waitForSlide(page, 3, 5000);
    const resumed = (await slideTimes(page)).find(([, i]) => i === 3)[0];
    t.assert.ok(resumed - picked > 1300, 'paused for ' + (resumed - picked) + ' ms');
    t.assert.equal((await galleryState(page)).slideshow, true);
    expectNoProblems(t, problems);
    await page.close();
});
