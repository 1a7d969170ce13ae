// Galleries written by our own program: qorgallery builds them from pictures the test
// draws, with the shipped templates; the script must run them as it runs the hand-made
// page: no errors, no requests outside the folder, transitions, controller, links.
import { test, before, after } from 'node:test';
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { openBrowser, openGallery } from './support/browser.mjs';
import { writePictures } from './support/pictures.mjs';
import { artifactsDir, rscDir } from './support/fixture.mjs';
import { qorgalleryPath } from '../designs/make.mjs';
import { galleryState, expectRestingOn, waitForSlide, clickNext, screenshot, expectNoProblems, wrapper } from './support/gallery.mjs';

const tool = qorgalleryPath();
const skip = !tool && 'qorgallery is not built';
const work = join(artifactsDir, 'built');
const count = 7;
let browser;

function pictureLine(n, { title = 'Picture ' + n, description = 'Drawn for slide ' + n, url = '', target = '', banner = '' } = {}) {
    const file = join(work, 'pictures', 'img', 'img' + n + '.jpg');
    return [file, '0, 0,crop,0|0|0|0,r,r,r,r', url, target, banner, title, '', '', '', '', '', '', '', '', description].join('\x19') + '\x19';
}

const texts = { 1: { url: 'linked.html', target: '_blank', banner: 'NEW' }, 2: { banner: 'SALE' } };

// Builds the gallery of one template; extra properties as Name=Value.
function build(template, extra = []) {
    const project = join(work, template + '.qor');
    const out = join(work, template);
    rmSync(out, { recursive: true, force: true });
    rmSync(project, { force: true });
    execFileSync(tool, ['new', project, '--template', template, '--set', 'TransitDuration=0.5', ...extra.flatMap((s) => ['--set', s])]);
    const lines = Array.from({ length: count }, (_, i) => 'AttrLS+=' + pictureLine(i + 1, texts[i + 1]));
    execFileSync(tool, ['set', project, ...lines]);
    execFileSync(tool, ['build', project, '--out', out, '--id', '1', '--quiet'], { stdio: ['ignore', 'ignore', 'inherit'] });
    return out;
}

before(async () => {
    if (skip) return;
    browser = await openBrowser();
    const page = await browser.context.newPage();
    mkdirSync(work, { recursive: true });
    await writePictures(page, join(work, 'pictures'), count, { width: 720, height: 270 }, { width: 112, height: 44 });
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
    await page.waitForTimeout(500);
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
