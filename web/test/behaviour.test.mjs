// Slide changes as a visitor sees them: the first show, clicks on the controller, two
// quick clicks, links and banners.
import { test, before, after } from 'node:test';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { writeFileSync } from 'node:fs';
import { openBrowser, openGallery, seededRandom } from './support/browser.mjs';
import { writeFixtureGallery, plainEntries, artifactsDir } from './support/fixture.mjs';
import { galleryState, expectRestingOn, waitForSlide, clickNext, hoverGallery, screenshot, expectNoProblems, wrapper } from './support/gallery.mjs';

let browser;
before(async () => {
    browser = await openBrowser();
});
after(async () => browser && (await browser.close()));

async function gallery(label, options, texts = {}, count = 6) {
    const folder = join(artifactsDir, 'galleries', label);
    const page = await browser.context.newPage();
    await writeFixtureGallery(page, folder, { entries: plainEntries(count, texts), options });
    const opened = await openGallery(browser, folder, page);
    return Object.assign(opened, { folder });
}

// Records the wrapper's opacity on every animation frame from page start.
const opacityRecorder = `(() => {
    window.opacityTrace = [];
    const sample = () => {
        const el = document.getElementById('qo_wrapper1');
        if (el) window.opacityTrace.push([performance.now(), Number(getComputedStyle(el).opacity), getComputedStyle(el).visibility]);
        requestAnimationFrame(sample);
    };
    requestAnimationFrame(sample);
})();`;

test('the first show fades the whole gallery in, linearly, over about 1000 ms', async (t) => {
    const folder = join(artifactsDir, 'galleries', 'firstshow');
    const page = await browser.context.newPage();
    await writeFixtureGallery(page, folder, { entries: plainEntries(4), options: { effectgrp: ['fade'] } });
    const { problems } = await openGallery(browser, folder, page, opacityRecorder);
    await waitForSlide(page, 0);
    const trace = await page.evaluate(() => window.opacityTrace);
    const visible = trace.filter(([, , vis]) => vis === 'visible');
    const start = visible.find(([, o]) => o > 0.01);
    const end = visible.find(([, o]) => o >= 0.999);
    t.assert.ok(start && end, 'the gallery became visible and opaque');
    const duration = end[0] - start[0];
    t.assert.ok(duration > 850 && duration < 1250, 'fade-in took ' + duration + ' ms');
    const middle = visible.find(([time]) => time >= start[0] + duration / 2);
    t.assert.ok(Math.abs(middle[1] - 0.5) < 0.15, 'half way the opacity is ' + middle[1]);
    const state = await galleryState(page);
    t.assert.deepEqual(state.effect, { name: 'fade', variant: 0, inverted: false, first: true });
    await expectRestingOn(t, page, 0);
    await screenshot(page, 'thumb-at-rest');
    expectNoProblems(t, problems);
    await page.close();
});

test('fade changes slides with one linear piece', async (t) => {
    const { page, problems } = await gallery('fade', { effectgrp: ['fade'], transitduration: 600 });
    await waitForSlide(page, 0);
    await clickNext(page);
    // One sample per frame of the page's clock while the piece is there.
    const samples = [];
    for (let frame = 0; frame < 500; frame++) {
        const sample = await page.evaluate((sel) => {
            const pieces = document.querySelectorAll(sel + ' .qo_piece');
            return pieces.length ? [performance.now(), Number(getComputedStyle(pieces[0]).opacity), pieces.length] : null;
        }, wrapper);
        if (!sample) break;
        samples.push(sample);
        await page.clock.runFor(16);
    }
    t.assert.ok(samples.length > 10, samples.length + ' frames');
    t.assert.ok(samples.every(([, , n]) => n === 1), 'one piece');
    const rising = samples.filter(([, o]) => o > 0.05 && o < 0.95);
    const first = rising[0];
    const last = rising[rising.length - 1];
    const slope = (last[1] - first[1]) / (last[0] - first[0]);
    const mid = rising[Math.floor(rising.length / 2)];
    const predicted = first[1] + slope * (mid[0] - first[0]);
    t.assert.ok(Math.abs(predicted - mid[1]) < 0.08, 'opacity rises linearly');
    await expectRestingOn(t, page, 1);
    expectNoProblems(t, problems);
    await page.close();
});

test('a click on the current controller item changes nothing', async (t) => {
    const { page, problems } = await gallery('samepick', { effectgrp: ['cube'] });
    await waitForSlide(page, 0);
    const before = await galleryState(page);
    await page.locator(wrapper + ' .qo_thumb li').nth(0).click();
    await page.clock.runFor(150);
    const afterClick = await galleryState(page);
    t.assert.deepEqual(afterClick, before);
    await page.locator(wrapper + ' .qo_thumb li').nth(2).click();
    t.assert.equal((await galleryState(page)).state, 'doing', 'another item starts a transition');
    await expectRestingOn(t, page, 2);
    expectNoProblems(t, problems);
    await page.close();
});

test('two quick clicks during a transition end on the second', async (t) => {
    const { page, problems } = await gallery('quickclicks', { effectgrp: ['dropblock'], transitduration: 1000 });
    await waitForSlide(page, 0);
    const thumbs = page.locator(wrapper + ' .qo_thumb li');
    await thumbs.nth(1).click();
    await thumbs.nth(3).click();
    await thumbs.nth(4).click();
    const state = await galleryState(page);
    t.assert.equal(state.current, 1, 'the running transition goes on to slide 2');
    t.assert.equal(state.state, 'ending');
    await expectRestingOn(t, page, 4);
    expectNoProblems(t, problems);
    await page.close();
});

test('links: target _blank opens a new window, "#" and empty open nothing, others replace the page', async (t) => {
    const texts = {
        0: { url: 'page2.html', target: '_blank' },
        1: { url: '#', topic: 'NEW' },
        2: { topic: 'EMPTY', rawHref: '' },
        3: { url: 'page3.html', target: '_self' },
    };
    const { page, problems, folder } = await gallery('links', { effectgrp: ['none'], showbanner: true }, texts);
    writeFileSync(join(folder, 'page2.html'), '<title>two</title>');
    writeFileSync(join(folder, 'page3.html'), '<title>three</title>');
    await waitForSlide(page, 0);
    const popup = page.context().waitForEvent('page', { timeout: 3000 });
    await page.locator(wrapper + ' li.active > img').click();
    const opened = await popup;
    t.assert.match(opened.url(), /page2\.html$/);
    await opened.close();

    for (const index of [1, 2]) {
        await page.locator(wrapper + ' .qo_thumb li').nth(index).click();
        await waitForSlide(page, index);
        let popped = false;
        const watch = () => (popped = true);
        page.context().on('page', watch);
        await page.locator(wrapper + ' li.active > img').click();
        await page.clock.runFor(400);
        page.context().off('page', watch);
        t.assert.equal(popped, false, 'no window for slide ' + (index + 1));
        t.assert.match(page.url(), /index\.html$/, 'the page stays');
    }
    const banner = page.locator(wrapper + ' li.active .qo_topicbase');
    t.assert.equal(await banner.isVisible(), true, 'the banner of the "#" link shows');
    t.assert.equal(await banner.textContent(), 'EMPTY');
    await page.locator(wrapper + ' .qo_thumb li').nth(3).click();
    await waitForSlide(page, 3);
    await Promise.all([page.waitForURL(/page3\.html$/), page.locator(wrapper + ' li.active > img').click()]);
    expectNoProblems(t, problems);
    await page.close();
});

test('a banner turns to -45 degrees once its slide is shown and back when it is left', async (t) => {
    const { page, problems } = await gallery('banner', { effectgrp: ['fade'], showbanner: true, cmteffect: 'down' }, { 0: { url: '#', topic: 'NEW' }, 1: { topic: 'SALE' } });
    await waitForSlide(page, 0);
    const angle = (i) =>
        page.evaluate(({ sel, i }) => {
            const el = document.querySelectorAll(sel + ' .qo_slides li')[i].querySelector('.qo_topicbase');
            const m = new DOMMatrix(getComputedStyle(el).transform);
            return { angle: Math.round((Math.atan2(m.b, m.a) * 180) / Math.PI), shown: getComputedStyle(el).display !== 'none', left: el.style.left, top: el.style.top };
        }, { sel: wrapper, i });
    t.assert.deepEqual(await angle(0), { angle: -45, shown: true, left: '-85px', top: '-36px' });
    t.assert.equal((await angle(1)).shown, false, 'the second banner waits for its slide');
    await screenshot(page, 'banner-and-caption-down');
    await hoverGallery(page);
    await clickNext(page);
    await page.clock.runFor(250);
    t.assert.equal((await angle(0)).angle, 0, 'the left banner is turned back');
    await waitForSlide(page, 1);
    t.assert.equal((await angle(1)).angle, -45);
    expectNoProblems(t, problems);
    await page.close();
});

test('effectgrp with a seeded random draws the same variants of the named effects again', async (t) => {
    const folder = join(artifactsDir, 'galleries', 'seeded');
    const setup = await browser.context.newPage();
    await writeFixtureGallery(setup, folder, { entries: plainEntries(5), options: { effectgrp: ['stripe', 'door'], transitduration: 300, cmteffect: 'none' } });
    await setup.close();
    const run = async () => {
        const { page, problems } = await openGallery(browser, folder, null, seededRandom(42));
        await waitForSlide(page, 0);
        const effects = [];
        for (let a = 1; a <= 4; a++) {
            await clickNext(page);
            effects.push((await galleryState(page)).effect);
            await waitForSlide(page, a);
        }
        expectNoProblems(t, problems);
        await page.close();
        return effects;
    };
    const first = await run();
    t.assert.deepEqual(await run(), first);
    t.assert.ok(first.every((e) => (e.name === 'stripe' && e.variant < 6) || (e.name === 'door' && e.variant < 2)), JSON.stringify(first));
    t.assert.equal(first[0].inverted, false, 'the first effect is not inverted');
});

test('galleries of one picture and of none start without errors', async (t) => {
    for (const count of [1, 0]) {
        const { page, problems } = await gallery('count' + count, { effectgrp: ['cube'], controller: count ? 'thumb' : 'num' }, {}, count);
        await page.clock.runFor(2300);
        if (count) await expectRestingOn(t, page, 0);
        await page.mouse.move(300, 100);
        await page.clock.runFor(300);
        expectNoProblems(t, problems);
        await page.close();
    }
});
