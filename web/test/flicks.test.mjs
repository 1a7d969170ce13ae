// Flicks: mouse drags in every gallery, finger flicks and taps on a touch device (an
// emulated iPhone), in block and in row mode.
import { test, before, after } from 'node:test';
import { join } from 'node:path';
import { openBrowser, openGallery, iPhoneUserAgent } from './support/browser.mjs';
import { writeFixtureGallery, plainEntries, artifactsDir } from './support/fixture.mjs';
import { galleryState, expectRestingOn, waitForSlide, screenshot, expectNoProblems, wrapper } from './support/gallery.mjs';

let desktop;
let phone;
before(async () => {
    desktop = await openBrowser();
    phone = await openBrowser({ userAgent: iPhoneUserAgent, hasTouch: true, isMobile: true, viewport: { width: 520, height: 700 } });
});
after(async () => {
    if (desktop) await desktop.close();
    if (phone) await phone.close();
});

async function flickGallery(browser, label, options, design = {}) {
    const folder = join(artifactsDir, 'galleries', 'flick-' + label);
    const page = await browser.context.newPage();
    await writeFixtureGallery(page, folder, { entries: plainEntries(4), design, options: Object.assign({ effectgrp: ['fade'], mouseflick: false }, options) });
    const opened = await openGallery(browser, folder, page);
    await waitForSlide(page, 0);
    return opened;
}

async function mouseDrag(page, dx) {
    const box = await page.locator(wrapper + ' .qo_slides').boundingBox();
    const x = box.x + box.width / 2;
    const y = box.y + box.height / 2;
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x + dx / 2, y, { steps: 4 });
    await page.mouse.move(x + dx, y, { steps: 4 });
    await page.mouse.up();
}

async function fingerDrag(page, dx) {
    const box = await page.locator(wrapper + ' .qo_slides').boundingBox();
    const x = box.x + box.width / 2;
    const y = box.y + box.height / 2;
    const cdp = await page.context().newCDPSession(page);
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
    for (let k = 1; k <= 6; k++) await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x: x + (dx * k) / 6, y }] });
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    await cdp.detach();
}

test('mouse drags flick to the next and previous slide even with mouseflick off', async (t) => {
    const { page, problems } = await flickGallery(desktop, 'mouse', {});
    await mouseDrag(page, -120);
    await expectRestingOn(t, page, 1);
    await mouseDrag(page, -120);
    await expectRestingOn(t, page, 2);
    await mouseDrag(page, 120);
    await expectRestingOn(t, page, 1);
    await mouseDrag(page, 120);
    await expectRestingOn(t, page, 0);
    await mouseDrag(page, 120);
    await page.clock.runFor(300);
    t.assert.equal((await galleryState(page)).state, 'none', 'no slide before the first');
    t.assert.equal(page.url().endsWith('index.html'), true, 'a drag is no click');
    expectNoProblems(t, problems);
    await page.close();
});

test('a drag in row mode moves the row with the pointer, then on to the next slide', async (t) => {
    const { page, problems } = await flickGallery(desktop, 'row', { effectgrp: ['slideall'] });
    const box = await page.locator(wrapper + ' .qo_slides').boundingBox();
    const x = box.x + box.width / 2;
    const y = box.y + box.height / 2;
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x - 100, y, { steps: 5 });
    const margin = await page.$eval(wrapper + ' .qo_slides ul', (ul) => parseFloat(ul.style.marginLeft));
    t.assert.equal(margin, -100);
    await screenshot(page, 'row-drag');
    await page.mouse.up();
    await expectRestingOn(t, page, 1);
    t.assert.equal(await page.$eval(wrapper + ' .qo_slides ul', (ul) => parseFloat(ul.style.marginLeft)), -480);
    expectNoProblems(t, problems);
    await page.close();
});

test('finger flicks on an iPhone change slides; a short tap toggles the buttons', async (t) => {
    const { page, problems } = await flickGallery(phone, 'touch', { controller: 'num' }, { controller: 'num' });
    t.assert.match(await page.locator('#control_body').getAttribute('class'), /qo_ctrlnum_iPad/);
    await fingerDrag(page, -150);
    await expectRestingOn(t, page, 1);
    await fingerDrag(page, 150);
    await expectRestingOn(t, page, 0);
    const nextShown = () => page.$eval(wrapper + ' .qo_navi_next', (el) => parseFloat(el.style.right));
    t.assert.ok((await nextShown()) < 0, 'buttons out of sight');
    const box = await page.locator(wrapper + ' .qo_slides').boundingBox();
    await page.touchscreen.tap(box.x + 100, box.y + 40);
    await page.clock.runFor(400);
    t.assert.equal(await nextShown(), 0, 'a tap brings the buttons');
    await screenshot(page, 'iphone-num-buttons');
    expectNoProblems(t, problems);
    await page.close();
});

test('a tap on a thumbnail of a touch device picks its slide', async (t) => {
    const { page, problems } = await flickGallery(phone, 'thumbtap', {});
    const thumb = await page.locator(wrapper + ' .qo_thumb li').nth(2).boundingBox();
    await page.touchscreen.tap(thumb.x + thumb.width / 2, thumb.y + thumb.height / 2);
    await expectRestingOn(t, page, 2);
    expectNoProblems(t, problems);
    await page.close();
});
