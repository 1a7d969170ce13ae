// Galleries for every visitor: axe-core finds nothing serious in the galleries qorgallery
// writes, every control is reached with Tab and shows its focus ring, the keys drive the
// focused gallery only, and assistive technology hears the carousel, its slides and its
// buttons in the page's language.
import { test, before, after } from 'node:test';
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';
import AxeBuilder from '@axe-core/playwright';
import { openBrowser, openGallery } from './support/browser.mjs';
import { artifactsDir } from './support/fixture.mjs';
import { skipUnbuilt as skip, drawPictures, buildGallery, builtDir } from './support/built.mjs';
import { advanceUntil, waitForSlide, expectNoProblems, wrapper } from './support/gallery.mjs';

const work = builtDir('access');
const count = 7;
const quick = ['TransitIndex=15'];
let browser;

before(async () => {
    if (skip) return;
    browser = await openBrowser();
    const page = await browser.context.newPage();
    await drawPictures(page, work, count);
    await page.close();
});
after(async () => browser && (await browser.close()));

const galleries = [
    ['sample01_thumb', []],
    ['sample02_num', []],
    ['sample03_dot', ['AutoHideCtrl=true']],
    ['sample04_none', []],
    ['sample14_slideall', []],
    ['sample11_thumbh1', []],
    ['sample22_col2_thumb', []],
    ['sample01_thumb', [], ['--demo'], 'demo'],
    ['sample01_thumb', [], ['--lazy'], 'lazy'],
];

// Opens a built gallery (on the paused clock) and moves its time past the first showing.
async function openSettled(out) {
    const opened = await openGallery(browser, out);
    await settle(opened.page);
    return opened;
}

async function settle(page) {
    await page.clock.runFor(3000);
    await advanceUntil(page, () => !window.jQuery(':animated').length);
}

// axe keeps its own timers: the page's time runs freely while it checks.
async function seriousViolations(page) {
    await page.clock.resume();
    const results = await new AxeBuilder({ page }).analyze();
    return results.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical');
}

test('axe-core finds no serious or critical violation in built galleries of every kind', { skip }, async (t) => {
    const report = [];
    for (const [template, extra, flags = [], label = template] of galleries) {
        const out = buildGallery(work, template, { count, extra: quick.concat(extra), flags, name: 'axe-' + label });
        const { page, problems } = await openSettled(out);
        if (label === 'demo') t.assert.ok((await page.locator('[aria-roledescription=carousel]').count()) > 1);
        else await waitForSlide(page, 0, 100);
        // axe reads the style sheets itself, which a file page does not allow: its own
        // failed requests are no fault of the gallery.
        expectNoProblems(t, problems.slice());
        const serious = await seriousViolations(page);
        report.push({ gallery: label, serious: serious.map((v) => ({ id: v.id, impact: v.impact, nodes: v.nodes.map((n) => n.target.join(' ')) })) });
        t.assert.deepEqual(serious.map((v) => v.id), [], label + ': ' + JSON.stringify(serious.map((v) => v.nodes.map((n) => n.html))));
        await page.close();
    }
    t.assert.equal(report.length, galleries.length);
    mkdirSync(artifactsDir, { recursive: true });
    writeFileSync(join(artifactsDir, 'axe-report.json'), JSON.stringify(report, null, 2));
});

// What has the focus: its role, name, whether it stands in the gallery and shows a ring.
function focused(page) {
    return page.evaluate(() => {
        const el = document.activeElement;
        const wrap = document.querySelector('#qo_wrapper1');
        const after = getComputedStyle(el, '::after');
        const own = getComputedStyle(el);
        const ring = (after.content !== 'none' && after.borderTopStyle === 'solid' && parseFloat(after.borderTopWidth) >= 2) || (own.outlineStyle !== 'none' && parseFloat(own.outlineWidth) >= 2);
        const box = el.getBoundingClientRect();
        const slides = wrap.querySelector('.qo_slides').getBoundingClientRect();
        const area = { left: slides.left, right: slides.right, top: slides.top, bottom: wrap.getBoundingClientRect().bottom };
        const inView = box.right > area.left && box.left < area.right && box.bottom > area.top && box.top < area.bottom;
        return {
            inside: wrap.contains(el),
            role: el.getAttribute('role'),
            name: el.getAttribute('aria-label'),
            className: el.className,
            ring,
            inView,
            current: el.getAttribute('aria-current'),
        };
    });
}

async function tabThrough(page) {
    const seen = [];
    await page.keyboard.press('Tab');
    for (let k = 0; k < 30; k++) {
        await settle(page);
        const now = await focused(page);
        if (!now.inside) break;
        seen.push(now);
        await page.keyboard.press('Tab');
    }
    return seen;
}

async function galleryOf(page, sel = wrapper) {
    return page.evaluate((sel) => {
        const g = window.jQuery(sel).data('qorslider');
        const lis = g.$lis.get();
        return {
            current: g.current,
            slideshow: g.slideshow,
            live: g.$live.text(),
            inert: lis.map((li) => li.hasAttribute('inert')),
            currentItem: g.items ? g.items.get().findIndex((el) => el.getAttribute('aria-current') === 'true') : -1,
        };
    }, sel);
}

async function press(page, key, expected) {
    await page.keyboard.press(key);
    await settle(page);
    await waitForSlide(page, expected, 100);
    const g = await galleryOf(page);
    return g;
}

test('Tab reaches every control of a thumbnail gallery with a visible ring; the keys drive it', { skip }, async (t) => {
    const out = buildGallery(work, 'sample01_thumb', { count, extra: quick, name: 'keys-thumb' });
    const { page, problems } = await openSettled(out);
    const walk = await tabThrough(page);
    const roles = walk.map((f) => f.role);
    // The region, the linked picture of slide 1, the next button (no previous slide yet),
    // the play control, the five thumbnails the strip shows (720 pixels hold five cells).
    t.assert.deepEqual(roles, ['region', 'link', 'button', 'button', 'button', 'button', 'button', 'button', 'button']);
    t.assert.equal(walk[0].name, 'ギャラリー');
    t.assert.deepEqual(walk.slice(2).map((f) => f.name), ['次のスライド', 'スライドショーを開始', ...[1, 2, 3, 4, 5].map((n) => 'スライド ' + n + ': Picture ' + n)]);
    walk.forEach((f, k) => t.assert.ok(f.ring && f.inView, 'ring and in view: ' + k + ' ' + JSON.stringify(f)));
    t.assert.equal(walk[4].current, 'true', 'the current thumbnail is marked');

    await page.locator(wrapper).focus();
    let g = await press(page, 'ArrowRight', 1);
    t.assert.equal(g.live, '2 / 7: Picture 2', 'the new slide is announced');
    t.assert.deepEqual(g.inert, [true, false, true, true, true, true, true]);
    t.assert.equal(g.currentItem, 1);
    g = await press(page, 'End', 6);
    t.assert.equal(g.currentItem, 6);
    await press(page, 'ArrowRight', 6);
    await press(page, 'PageUp', 5);
    await press(page, 'Home', 0);
    await press(page, 'PageDown', 1);
    await press(page, 'ArrowLeft', 0);

    // Enter and Space act on the focused control as a click.
    await page.locator(wrapper + ' .qo_thumb li').nth(3).focus();
    await press(page, 'Enter', 3);
    await page.locator(wrapper + ' .qo_navi_next').focus();
    await press(page, ' ', 4);
    const play = page.locator(wrapper + ' .qo_play');
    await play.focus();
    await page.keyboard.press('Enter');
    t.assert.equal((await galleryOf(page)).slideshow, true);
    t.assert.equal(await play.getAttribute('aria-label'), 'スライドショーを停止');
    await page.keyboard.press(' ');
    t.assert.equal((await galleryOf(page)).slideshow, false);
    await screenshotFocus(page, 'focus-play-control');
    await page.locator(wrapper + ' .qo_thumb li').nth(2).focus();
    await screenshotFocus(page, 'focus-thumbnail');
    expectNoProblems(t, problems);
    await page.close();
});

async function screenshotFocus(page, name) {
    mkdirSync(artifactsDir, { recursive: true });
    await settle(page);
    const box = await page.locator(wrapper).boundingBox();
    await page.screenshot({ path: join(artifactsDir, name + '.png'), clip: { x: box.x - 12, y: box.y - 12, width: box.width + 24, height: box.height + 24 } });
}

test('numbers and dots are buttons reached with Tab, their hidden controller slides in on focus', { skip }, async (t) => {
    for (const [template, extra] of [['sample02_num', []], ['sample03_dot', ['AutoHideCtrl=true']]]) {
        const out = buildGallery(work, template, { count, extra: quick.concat(extra), name: 'keys-' + template });
        const { page, problems } = await openSettled(out);
        const walk = await tabThrough(page);
        const items = walk.filter((f) => f.name && f.name.startsWith('スライド '));
        t.assert.equal(items.length, count, template + ': every item reached');
        walk.forEach((f, k) => t.assert.ok(f.ring && f.inView, template + ' ' + k + ' ' + JSON.stringify(f)));
        t.assert.equal(items[0].current, 'true');
        await page.keyboard.press('Shift+Tab');
        await press(page, 'Enter', count - 1);
        expectNoProblems(t, problems);
        await page.close();
    }
});

// A second gallery beside the first, in an English part of the page.
function twoGalleries(out) {
    const file = join(out, 'index.html');
    let text = readFileSync(file, 'utf8');
    const block = text.match(/<div id="qo_wrapper1">[\s\S]*?<!-- end of wrapper -->/)[0];
    const call = text.match(/\$\('div#qo_wrapper1'\)\.qorslider\(\{[\s\S]*?\}\);/)[0];
    const second = (s) => s.replace(/qo_wrapper1/g, 'qo_wrapper2').replace("identifier:'1'", "identifier:'2'");
    text = text.replace(block, block + '\r\n<div lang="en">' + second(block) + '</div>').replace(call, call + '\r\n' + second(call));
    writeFileSync(file, text);
}

test('keys act on the focused gallery only, names follow the language of its part of the page', { skip }, async (t) => {
    const out = buildGallery(work, 'sample01_thumb', { count, extra: quick, name: 'keys-two' });
    twoGalleries(out);
    const { page, problems } = await openSettled(out);
    await page.locator('#qo_wrapper2').focus();
    await page.keyboard.press('End');
    await settle(page);
    t.assert.equal((await galleryOf(page, '#qo_wrapper2')).current, 6);
    t.assert.equal((await galleryOf(page, '#qo_wrapper1')).current, 0, 'the other gallery stays');
    const names = await page.evaluate(() => ({
        region: document.querySelector('#qo_wrapper2').getAttribute('aria-label'),
        prev: document.querySelector('#qo_wrapper2 .qo_navi_prev').getAttribute('aria-label'),
        thumb: document.querySelector('#qo_wrapper2 .qo_thumb li').getAttribute('aria-label'),
        live: document.querySelector('#qo_wrapper2 [aria-live]').textContent,
    }));
    t.assert.deepEqual(names, { region: 'Gallery 2', prev: 'Previous slide', thumb: 'Slide 1: Picture 1', live: '7 / 7: Picture 7' });
    await page.evaluate(() => document.activeElement.blur());
    await page.keyboard.press('ArrowLeft');
    t.assert.equal((await galleryOf(page, '#qo_wrapper1')).current, 0, 'keys outside a gallery move none');
    t.assert.equal((await galleryOf(page, '#qo_wrapper2')).current, 6);
    expectNoProblems(t, problems);
    await page.close();
});

test('slides are labelled groups; a slide whose alt text is its file name takes its title', { skip }, async (t) => {
    const out = buildGallery(work, 'sample04_none', { count, extra: quick, name: 'labels' });
    const { page, problems } = await openSettled(out);
    const slides = await page.evaluate((sel) =>
        [...document.querySelectorAll(sel + ' .qo_slides li')].map((li) => ({
            role: li.getAttribute('role'),
            description: li.getAttribute('aria-roledescription'),
            label: li.getAttribute('aria-label'),
            alt: li.querySelector('img').getAttribute('alt'),
        })), wrapper);
    t.assert.equal(slides.length, count);
    slides.forEach((s, k) => {
        t.assert.deepEqual(s, { role: 'group', description: 'slide', label: `${k + 1} / ${count}: Picture ${k + 1}`, alt: 'Picture ' + (k + 1) });
    });
    t.assert.equal(await page.locator(wrapper).getAttribute('aria-roledescription'), 'carousel');
    expectNoProblems(t, problems);
    await page.close();
});

test('a project in English declares it: the page says lang="en" and the carousel speaks English', { skip }, async (t) => {
    const english = buildGallery(work, 'sample01_thumb', { count, extra: [...quick, 'PageLanguage=en'], name: 'lang-en' });
    const japanese = buildGallery(work, 'sample01_thumb', { count, extra: quick, name: 'lang-ja' });
    const lines = (out) => readFileSync(join(out, 'index.html'), 'utf8').split('\r\n');
    const differing = lines(english).filter((line, k) => line !== lines(japanese)[k]);
    t.assert.deepEqual(differing, ['<html lang="en">'], 'only the declaration differs');
    for (const [out, expected] of [[english, ['en', 'Gallery', 'Next slide']], [japanese, ['ja', 'ギャラリー', '次のスライド']]]) {
        const { page, problems } = await openSettled(out);
        const names = await page.evaluate((sel) => [
            document.documentElement.lang,
            document.querySelector(sel).getAttribute('aria-label'),
            document.querySelector(sel + ' .qo_navi_next').getAttribute('aria-label'),
        ], wrapper);
        t.assert.deepEqual(names, expected);
        expectNoProblems(t, problems);
        await page.close();
    }
});
