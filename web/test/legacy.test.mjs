// Old Internet Explorer, recognised from the user agent, gets the legacy classes and loses
// the features it cannot show.
import { test, after } from 'node:test';
import { join } from 'node:path';
import { openBrowser, openGallery } from './support/browser.mjs';
import { writeFixtureGallery, plainEntries, artifactsDir } from './support/fixture.mjs';
import { waitForSlide, expectNoProblems, wrapper } from './support/gallery.mjs';

const browsers = [];
after(async () => Promise.all(browsers.map((b) => b.close())));

async function galleryAs(userAgent, label, options, design = {}) {
    const browser = await openBrowser({ userAgent });
    browsers.push(browser);
    const folder = join(artifactsDir, 'galleries', 'legacy-' + label);
    const page = await browser.context.newPage();
    await writeFixtureGallery(page, folder, { entries: plainEntries(3, { 0: { url: '#', topic: 'NEW' } }), design, options: Object.assign({ effectgrp: ['fade'], showbanner: true }, options) });
    const opened = await openGallery(browser, folder, page);
    await waitForSlide(page, 0);
    return opened;
}

const has = (page, selector) => page.locator(wrapper + ' ' + selector).count();

test('Internet Explorer 8 gets the legacy classes and no polaroid frames', async (t) => {
    const { page, problems } = await galleryAs('Mozilla/4.0 (compatible; MSIE 8.0; Windows NT 6.1; Trident/4.0)', 'ie8', { thumbporaloid: true, showthumbtitle: true });
    t.assert.equal(await has(page, '.qo_slides_span_bgIE8'), 3);
    t.assert.equal(await has(page, '.qo_thumb_frame_ie8'), 3);
    t.assert.equal(await has(page, '.qo_thumb_frame'), 0);
    t.assert.equal(await has(page, '.qo_topicIE8'), 1);
    t.assert.equal(await page.locator(wrapper + ' .qo_thumb').getAttribute('class'), 'qo_thumb qo_thumbbg_ie');
    const g = await page.evaluate((sel) => window.jQuery(sel).data('qorslider').opts.thumbporaloid, wrapper);
    t.assert.equal(g, false);
    const banner = await page.$eval(wrapper + ' .qo_topicbase', (el) => [el.style.left, el.style.top]);
    t.assert.deepEqual(banner, ['-25px', '-25px']);
    expectNoProblems(t, problems);
});

test('Internet Explorer 7 cannot hide the controller; Internet Explorer 10 is no legacy browser', async (t) => {
    const ie7 = await galleryAs('Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 6.0)', 'ie7', { controller: 'num', autohidectrl: true }, { controller: 'num' });
    t.assert.equal(await ie7.page.locator('.qo_ctrl_hider').count(), 0);
    expectNoProblems(t, ie7.problems);
    const ie10 = await galleryAs('Mozilla/5.0 (compatible; MSIE 10.0; Windows NT 6.2; Trident/6.0)', 'ie10', {});
    t.assert.equal(await has(ie10.page, '.qo_slides_span_bgIE8'), 0);
    t.assert.equal(await ie10.page.locator(wrapper + ' .qo_thumb').getAttribute('class'), 'qo_thumb qo_thumbbg_ie', 'every Internet Explorer gets the strip picture');
    expectNoProblems(t, ie10.problems);
});
