// Galleries written by our own program: qorgallery builds them from pictures the test
// draws, with the shipped templates; the script must run them as it runs the hand-made
// page: no errors, no requests outside the folder, transitions, controller, links.
import { test, before, after } from 'node:test';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { createHash } from 'node:crypto';
import { openBrowser, openGallery } from './support/browser.mjs';
import { rscDir } from './support/fixture.mjs';
import { skipUnbuilt as skip, drawPictures, buildGallery, builtDir } from './support/built.mjs';
import { galleryState, expectRestingOn, waitForSlide, clickNext, screenshot, expectNoProblems, wrapper } from './support/gallery.mjs';

const work = builtDir('built');
let browser;

const build = (template, extra = []) => buildGallery(work, template, { extra });

before(async () => {
    if (skip) return;
    browser = await openBrowser();
    const page = await browser.context.newPage();
    await drawPictures(page, work, 7);
    await page.close();
});
after(async () => browser && (await browser.close()));

test('the built gallery carries the shipped script and jQuery', { skip }, () => {
    const out = build('sample01_thumb');
    const written = readFileSync(join(out, 'js', 'jquery.qorslider.min.js'), 'utf8').replace(/^\uFEFF/, '').split(/\r\n|\n/);
    const shipped = readFileSync(join(rscDir, 'js', 'jquery.qorslider.min.js'), 'utf8').split('\n');
    while (written[written.length - 1] === '') written.pop();
    while (shipped[shipped.length - 1] === '') shipped.pop();
    if (written.join('\n') !== shipped.join('\n')) throw new Error('the gallery script differs from rsc/js');
    if (!readFileSync(join(out, 'js', 'jquery.min.js')).equals(readFileSync(join(rscDir, 'js', 'jquery.min.js')))) throw new Error('jQuery differs');
});

test('a built thumbnail gallery shows, changes slides, opens links and shows banners', { skip }, async (t) => {
    const out = build('sample01_thumb', ['TransitIndex=6']);
    writeFileSync(join(out, 'linked.html'), '<title>linked</title>');
    const { page, problems } = await openGallery(browser, out);
    await waitForSlide(page, 0, 8000);
    await expectRestingOn(t, page, 0);
    t.assert.equal(await page.locator(wrapper + ' li.active .qo_topicbase').textContent(), 'NEW');
    await screenshot(page, 'built-sample01_thumb');
    await clickNext(page);
    const during = await galleryState(page);
    t.assert.equal(during.effect.name, 'cube');
    t.assert.ok(during.pieces > 0);
    await page.clock.runFor(500);
    await screenshot(page, 'built-cube-mid');
    await expectRestingOn(t, page, 1);
    await page.locator(wrapper + ' .qo_thumb li').nth(0).click();
    await expectRestingOn(t, page, 0);
    const popup = page.context().waitForEvent('page');
    await page.locator(wrapper + ' li.active > img').click();
    const opened = await popup;
    t.assert.match(opened.url(), /linked\.html$/);
    await opened.close();
    expectNoProblems(t, problems);
    await page.close();
});

for (const template of ['sample02_num', 'sample03_dot', 'sample04_none', 'sample05_polaroid', 'sample08_dark', 'sample11_thumbh1', 'sample14_slideall', 'sample21_col1_thumb', 'sample22_col2_thumb', 'sample23_col3_num']) {
    test(`a gallery built with ${template} runs without errors`, { skip }, async (t) => {
        const out = build(template);
        const { page, problems } = await openGallery(browser, out);
        await waitForSlide(page, 0, 8000);
        await expectRestingOn(t, page, 0);
        await screenshot(page, 'built-' + template);
        await clickNext(page);
        await expectRestingOn(t, page, 1);
        expectNoProblems(t, problems);
        await page.close();
    });
}

// The page and style sheet of a default build, as recorded (SHA-256, first 16 digits) for
// three pictures with the texts of support/built.mjs: accessibility lives in the script and
// lazy loading behind --lazy, so neither may change a byte of them.
const recorded = {
    sample01_thumb: ['f2e758f444f8eefa', '69b9f6e08e7670a4'],
    sample02_num: ['264f69573fb27df8', '402c796a36386554'],
    sample03_dot: ['46dcd6df6c2c5743', '402c796a36386554'],
    sample04_none: ['858829d2e7c83a17', '5b7d4bedfbf37100'],
    sample14_slideall: ['b51fa2e730df5b28', '402c796a36386554'],
    sample11_thumbh1: ['82b8fc72745fd5f4', '69b9f6e08e7670a4'],
    sample22_col2_thumb: ['52e0bf5f8254668c', '648b6f15bc254695'],
};

test('a default build writes the recorded page and style sheet bytes', { skip }, (t) => {
    const digest = (file) => createHash('sha256').update(readFileSync(file)).digest('hex').slice(0, 16);
    const templates = Object.keys(recorded);
    t.assert.equal(templates.length, 7);
    for (const template of templates) {
        const out = buildGallery(work, template, { count: 3, name: 'bytes-' + template });
        t.assert.deepEqual([digest(join(out, 'index.html')), digest(join(out, 'css', 'style.css'))], recorded[template], template);
    }
});
