// The slideshow: its interval, the toggle, play and stop elements, and the pause after a
// pick through the controller.
import { test, before, after } from 'node:test';
import { join } from 'node:path';
import { openBrowser, openGallery } from './support/browser.mjs';
import { writeFixtureGallery, plainEntries, artifactsDir } from './support/fixture.mjs';
import { galleryState, waitForSlide, hoverGallery, expectNoProblems, wrapper } from './support/gallery.mjs';

let browser;
before(async () => {
    browser = await openBrowser();
});
after(async () => browser && (await browser.close()));

const controls = '<p><button id="toggle">toggle</button><button id="play">play</button><button id="stop">stop</button></p>';

async function slideshowGallery(label, options, page = null) {
    const folder = join(artifactsDir, 'galleries', 'slideshow-' + label);
    page = page || (await browser.context.newPage());
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

// The watcher notes a change at the next frame.
async function slideTimes(page) {
    await page.clock.runFor(32);
    return page.evaluate(() => window.slideTimes);
}

test('the slideshow moves on slideshow_interval ms after each transition has settled', async (t) => {
    const { page, problems } = await slideshowGallery('interval', { autoslideshow: true, slideshow_interval: 700 });
    await waitForSlide(page, 3, 12000);
    const times = await slideTimes(page);
    t.assert.deepEqual(times.map(([, i]) => i).slice(0, 4), [0, 1, 2, 3]);
    // Effect "none": each change settles 800 ms after it starts, then waits 700 ms (the
    // page's clock; frames come every 16 ms).
    for (let k = 1; k < 4; k++) {
        const gap = times[k][0] - times[k - 1][0];
        t.assert.ok(gap > 1480 && gap < 1520, 'gap ' + gap + ' ms');
    }
    expectNoProblems(t, problems);
    await page.close();
});

test('toggleslide, playslide and stopslide start and stop the slideshow', async (t) => {
    const { page, problems } = await slideshowGallery('buttons', { autoslideshow: false, slideshow_interval: 500 });
    await waitForSlide(page, 0);
    await page.clock.runFor(900);
    t.assert.equal((await galleryState(page)).current, 0, 'no slideshow by itself');
    await page.click('#toggle');
    t.assert.equal((await galleryState(page)).current, 1, 'turning it on brings the next slide at once');
    await waitForSlide(page, 2, 5000);
    await page.click('#stop');
    const stoppedOn = (await galleryState(page)).current;
    await page.clock.runFor(1800);
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

// The pointer leaves the gallery after a pick, or the slideshow would hold for it.
async function pickThumb(page, k) {
    await page.locator(wrapper + ' .qo_thumb li').nth(k).click();
    await page.mouse.move(1, 1);
}

test('autoslidepause 1 stops the slideshow when a slide is picked', async (t) => {
    const { page, problems } = await slideshowGallery('pause1', { autoslideshow: true, slideshow_interval: 400, autoslidepause: 1 });
    await waitForSlide(page, 0);
    await pickThumb(page, 3);
    await waitForSlide(page, 3);
    await page.clock.runFor(5000);
    const state = await galleryState(page);
    t.assert.equal(state.current, 3);
    t.assert.equal(state.slideshow, false);
    expectNoProblems(t, problems);
    await page.close();
});

test('autoslidepause 2 starts the slideshow again after autopause_interval', async (t) => {
    const { page, problems } = await slideshowGallery('pause2', { autoslideshow: true, slideshow_interval: 400, autoslidepause: 2, autopause_interval: 1500 });
    await waitForSlide(page, 0);
    const picked = await page.evaluate(() => performance.now());
    await pickThumb(page, 2);
    await waitForSlide(page, 2);
    await page.clock.runFor(1500 - (await page.evaluate(() => performance.now())) + picked - 20);
    t.assert.equal((await galleryState(page)).current, 2, 'still paused');
    await waitForSlide(page, 3, 5000);
    const resumed = (await slideTimes(page)).find(([, i]) => i === 3)[0];
    // The slideshow comes back after 1500 ms; effect "none" settles 800 ms later.
    t.assert.ok(resumed - picked >= 2300 && resumed - picked < 2400, 'resumed after ' + (resumed - picked) + ' ms');
    t.assert.equal((await galleryState(page)).slideshow, true);
    expectNoProblems(t, problems);
    await page.close();
});

test('the slideshow holds while the pointer is over the gallery or the keyboard is in it', async (t) => {
    const { page, problems } = await slideshowGallery('hold', { autoslideshow: true, slideshow_interval: 500 });
    await waitForSlide(page, 0);
    await hoverGallery(page);
    await page.clock.runFor(4000);
    t.assert.equal((await galleryState(page)).current, 0, 'held under the pointer');
    await page.mouse.move(1, 1);
    await waitForSlide(page, 1, 1400);
    await page.locator(wrapper).focus();
    await page.keyboard.press('Tab');
    await page.keyboard.press('Shift+Tab');
    const held = (await galleryState(page)).current;
    await page.clock.runFor(4000);
    t.assert.equal((await galleryState(page)).current, held, 'held while the keyboard is in the gallery');
    await page.keyboard.press('Shift+Tab');
    await waitForSlide(page, held + 1, 1400);
    expectNoProblems(t, problems);
    await page.close();
});

test('a visitor who asked for reduced motion starts the slideshow themselves', async (t) => {
    const page = await browser.context.newPage();
    await page.emulateMedia({ reducedMotion: 'reduce' });
    const { problems } = await slideshowGallery('reduced', { autoslideshow: true, slideshow_interval: 500 }, page);
    await waitForSlide(page, 0);
    await page.clock.runFor(5000);
    t.assert.deepEqual(await galleryState(page).then((s) => [s.current, s.slideshow]), [0, false]);
    await page.click('#play');
    await waitForSlide(page, 2, 3000);
    expectNoProblems(t, problems);
    await page.close();
});
