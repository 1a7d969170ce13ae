// The thumbnail strip, the number and dot controllers with their preview box, the hider
// and the previous and next buttons.
import { test, before, after } from 'node:test';
import { join } from 'node:path';
import { openBrowser, openGallery } from './support/browser.mjs';
import { writeFixtureGallery, plainEntries, artifactsDir } from './support/fixture.mjs';
import { galleryState, expectRestingOn, waitForSlide, hoverGallery, screenshot, expectNoProblems, wrapper } from './support/gallery.mjs';

let browser;
before(async () => {
    browser = await openBrowser();
});
after(async () => browser && (await browser.close()));

async function gallery(label, { design = {}, options = {}, count = 12, texts = {} }) {
    const folder = join(artifactsDir, 'galleries', label);
    const page = await browser.context.newPage();
    await writeFixtureGallery(page, folder, { entries: plainEntries(count, texts), design, options: Object.assign({ effectgrp: ['none'] }, options) });
    const opened = await openGallery(browser, folder, page);
    await waitForSlide(page, 0);
    return opened;
}

const stripLeft = (page) => page.$eval(wrapper + ' .qo_thumb ul', (ul) => parseFloat(ul.style.left));

test('thumbnail strip: cells spread evenly, the current one active, scrolled into view', async (t) => {
    const { page, problems } = await gallery('thumbstrip', { design: { showthumbtitle: true }, options: { showthumbtitle: true } });
    // 480 wide, thumbnails 80 + 2 x 2: 5 fit, margins (480 - 420) / 10 = 6, pitch 96.
    const lefts = await page.$$eval(wrapper + ' .qo_thumb li', (lis) => lis.map((li) => parseFloat(li.style.left)));
    t.assert.deepEqual(lefts.slice(0, 3), [6, 102, 198]);
    t.assert.equal(await page.locator(wrapper + ' .qo_thumb li img').nth(0).getAttribute('class'), 'qo_thumb_frame qo_imgactive');
    t.assert.equal(await page.locator(wrapper + ' .qo_span_h2').first().textContent(), 'Slide 1');
    await page.locator(wrapper + ' .qo_thumb li').nth(1).hover();
    t.assert.match(await page.locator(wrapper + ' .qo_thumb li img').nth(1).getAttribute('class'), /qo_imghover/);
    await screenshot(page, 'thumb-titles-hover');
    await page.locator(wrapper + ' .qo_thumb li').nth(4).click();
    await expectRestingOn(t, page, 4);
    await page.clock.runFor(400);
    // Thumbnail 4 is not strictly inside 0..4: 4 - floor(5/2) = 2 becomes the first.
    t.assert.equal(await stripLeft(page), -2 * 96);
    t.assert.match(await page.locator(wrapper + ' .qo_thumb li img').nth(4).getAttribute('class'), /qo_imgactive/);
    expectNoProblems(t, problems);
    await page.close();
});

test('thumbnail strip: a drag moves it on by whole cells in the drag direction', async (t) => {
    const { page, problems } = await gallery('thumbdrag', {});
    const box = await page.locator(wrapper + ' .qo_thumb').boundingBox();
    const y = box.y + box.height / 2;
    await page.mouse.move(box.x + 300, y);
    await page.mouse.down();
    await page.mouse.move(box.x + 250, y, { steps: 5 });
    await page.mouse.move(box.x + 150, y, { steps: 5 });
    t.assert.equal(await stripLeft(page), -150, 'the strip follows the pointer');
    await page.mouse.up();
    await page.clock.runFor(450);
    // 150 pixels at a pitch of 96: two cells on.
    t.assert.equal(await stripLeft(page), -2 * 96);
    t.assert.equal((await galleryState(page)).current, 0, 'dragging does not pick a slide');
    await page.mouse.move(box.x + 100, y);
    await page.mouse.down();
    await page.mouse.move(box.x + 400, y, { steps: 8 });
    await page.mouse.up();
    await page.clock.runFor(450);
    t.assert.equal(await stripLeft(page), 0, 'clamped at the first cell');
    expectNoProblems(t, problems);
    await page.close();
});

test('a polaroid strip frames each thumbnail with a title band', async (t) => {
    const { page, problems } = await gallery('polaroid', { design: { showthumbtitle: true, poraloid: true }, options: { showthumbtitle: true, thumbporaloid: true } });
    const border = await page.$eval(wrapper + ' .qo_thumb li img', (img) => getComputedStyle(img).borderBottomWidth);
    t.assert.equal(border, 20 + 2 + 'px');
    await screenshot(page, 'thumb-polaroid');
    expectNoProblems(t, problems);
    await page.close();
});

for (const controller of ['num', 'dot']) {
    test(`${controller} controller: one item per slide, "stay" on the current one, preview on hover`, async (t) => {
        const { page, problems } = await gallery('ctrl-' + controller, {
            design: { controller },
            options: { controller, controllerpos: { right: 10, bottom: 10, centerx: true, ratio: 1 } },
            count: 8,
        });
        const items = page.locator('#control_body li');
        t.assert.equal(await items.count(), 8);
        t.assert.deepEqual(await items.allTextContents(), ['1', '2', '3', '4', '5', '6', '7', '8']);
        t.assert.match(await page.locator('#control_body').getAttribute('class'), controller === 'num' ? /qo_control_num/ : /qo_control_dot/);
        t.assert.equal(await page.locator('#control_base').isVisible(), controller === 'num');
        if (controller === 'dot') t.assert.equal(await items.first().evaluate((li) => getComputedStyle(li).textIndent), '-9999px');
        t.assert.equal(await items.nth(0).getAttribute('class'), controller === 'num' ? 'qo_box_kageattr stay' : 'stay');
        const body = await page.locator('#control_body').boundingBox();
        const slides = await page.locator(wrapper + ' .qo_slides').boundingBox();
        t.assert.ok(Math.abs(body.y + body.height - (slides.y + slides.height - 10)) < 1, 'at the bottom, 10 pixels up');
        t.assert.ok(Math.abs(body.x + body.width / 2 - (slides.x + slides.width / 2)) < 1, 'centred');
        await screenshot(page, `${controller}-at-rest`);
        await items.nth(5).hover();
        await page.clock.runFor(450);
        const preview = page.locator(wrapper + ' .qo_thumb');
        t.assert.equal(await preview.isVisible(), true, 'the preview box shows');
        t.assert.equal(await preview.getAttribute('class'), 'qo_thumb qo_box_kageattr qo_photo_frame');
        t.assert.equal(await page.$eval(wrapper + ' .qo_thumb ul', (ul) => parseFloat(ul.style.left)), -5 * 84, 'on the thumbnail of item 6');
        const box = await preview.boundingBox();
        t.assert.ok(box.y + box.height <= body.y, 'above the controller at the bottom');
        await screenshot(page, `${controller}-preview`);
        await items.nth(5).click();
        await expectRestingOn(t, page, 5);
        t.assert.match(await items.nth(5).getAttribute('class'), /stay/);
        t.assert.doesNotMatch(await items.nth(0).getAttribute('class'), /stay/);
        await page.mouse.move(5, 5);
        await page.clock.runFor(400);
        t.assert.equal(await preview.isVisible(), false, 'leaving hides the preview');
        expectNoProblems(t, problems);
        await page.close();
    });
}

test('autohidectrl slides the controller in over the gallery and out when the mouse leaves', async (t) => {
    const { page, problems } = await gallery('autohide', {
        design: { controller: 'num' },
        options: { controller: 'num', autohidectrl: true, controllerpos: { right: 10, top: 10, centerx: false, ratio: 1 } },
        count: 5,
    });
    const ctrl = () => page.$eval('#control_body', (el) => ({ opacity: Number(getComputedStyle(el).opacity), top: parseFloat(el.style.top), inHider: !!el.closest('.qo_ctrl_hider') }));
    await page.mouse.move(5, 5);
    await page.clock.runFor(400);
    const away = await ctrl();
    t.assert.equal(away.inHider, true);
    t.assert.equal(away.opacity, 0);
    t.assert.ok(away.top < 0, 'above the gallery');
    await hoverGallery(page);
    await page.clock.runFor(400);
    const over = await ctrl();
    t.assert.deepEqual(over, { opacity: 1, top: 10, inHider: true });
    const body = await page.locator('#control_body').boundingBox();
    const slides = await page.locator(wrapper + ' .qo_slides').boundingBox();
    t.assert.ok(Math.abs(body.x + body.width - (slides.x + slides.width - 10)) < 1, 'at the right, 10 pixels in');
    await screenshot(page, 'num-autohide-shown');
    expectNoProblems(t, problems);
    await page.close();
});

test('buttons slide in over the gallery, each only towards an existing slide', async (t) => {
    const { page, problems } = await gallery('buttons', { count: 3 });
    const shown = () =>
        page.evaluate((sel) => {
            const area = document.querySelector(sel + ' .qo_slides').getBoundingClientRect();
            const inside = (el) => {
                const r = el.getBoundingClientRect();
                return r.left >= area.left && r.right <= area.right;
            };
            return [inside(document.querySelector(sel + ' .qo_navi_prev')), inside(document.querySelector(sel + ' .qo_navi_next'))];
        }, wrapper);
    await page.mouse.move(5, 5);
    await page.clock.runFor(300);
    t.assert.deepEqual(await shown(), [false, false], 'outside the gallery: none');
    await hoverGallery(page);
    await page.clock.runFor(300);
    t.assert.deepEqual(await shown(), [false, true], 'on the first slide: next only');
    await page.locator(wrapper + ' .qo_navi_next').click();
    await expectRestingOn(t, page, 1);
    await page.clock.runFor(300);
    t.assert.deepEqual(await shown(), [true, true]);
    const top = await page.$eval(wrapper + ' .qo_navi_prev', (el) => parseFloat(el.style.top));
    t.assert.equal(top, (180 - 40) / 2, 'centred vertically');
    await page.locator(wrapper + ' .qo_navi_next').click();
    await expectRestingOn(t, page, 2);
    await page.clock.runFor(300);
    t.assert.deepEqual(await shown(), [true, false], 'on the last slide: previous only');
    await page.locator(wrapper + ' .qo_navi_prev').click();
    await expectRestingOn(t, page, 1);
    expectNoProblems(t, problems);
    await page.close();
});
