// Reduced motion: with prefers-reduced-motion: reduce every slide change is an instant
// change, captions, banners, buttons and the strip stand in place at once, and the row of
// slides moves without animation.
import { test, before, after } from 'node:test';
import { openBrowser, openGallery } from './support/browser.mjs';
import { skipUnbuilt as skip, drawPictures, buildGallery, builtDir } from './support/built.mjs';
import { advanceUntil, waitForSlide, hoverGallery, expectNoProblems, wrapper } from './support/gallery.mjs';

const work = builtDir('motion');
let browser;

before(async () => {
    if (skip) return;
    browser = await openBrowser();
    const page = await browser.context.newPage();
    await drawPictures(page, work);
    await page.close();
});
after(async () => browser && (await browser.close()));

async function openReduced(out) {
    const page = await browser.context.newPage();
    await page.emulateMedia({ reducedMotion: 'reduce' });
    const opened = await openGallery(browser, out, page);
    await waitForSlide(page, 0, 3000);
    return opened;
}

// Nothing of the gallery is moving one frame after a change.
const still = (page) => page.evaluate(() => window.jQuery(':animated').length === 0);

function shown(page) {
    return page.evaluate((sel) => {
        const g = window.jQuery(sel).data('qorslider');
        const li = g.$lis.eq(g.current);
        const caption = li.children('span').not('.qo_topicbase');
        const banner = li.children('.qo_topicbase');
        return {
            effect: g.lastEffect.name,
            caption: caption.length ? [caption.css('display'), Number(caption.css('opacity')), caption.css('bottom')] : null,
            banner: banner.length ? [banner.css('display'), banner.data('qorAngle')] : null,
        };
    }, wrapper);
}

test('under reduced motion slides change in place and captions and banners stand at once', { skip }, async (t) => {
    const out = buildGallery(work, 'sample01_thumb', { count: 12, extra: ['TransitIndex=0', 'AutoSlideShow=true'] });
    const { page, problems } = await openReduced(out);
    await hoverGallery(page);
    await page.clock.runFor(20);
    t.assert.ok(await still(page), 'the buttons stand in place at once');
    await page.locator(wrapper).focus();
    for (const [key, index] of [['End', 11], ['Home', 0], ['ArrowRight', 1], ['ArrowRight', 2]]) {
        await page.keyboard.press(key);
        await page.clock.runFor(20);
        t.assert.ok(await still(page), key + ': no movement');
        await waitForSlide(page, index, 1200);
        const now = await shown(page);
        t.assert.equal(now.effect, 'none', key);
        t.assert.ok(await still(page), key + ': the caption came without moving');
        t.assert.deepEqual(now.caption, ['block', 1, '0px'], key);
        if (now.banner) t.assert.deepEqual(now.banner, ['block', -45], key);
    }
    t.assert.equal(await page.evaluate((sel) => window.jQuery(sel).data('qorslider').slideshow, wrapper), false, 'no slideshow by itself');
    expectNoProblems(t, problems);
    await page.close();
});

test('under reduced motion the row of slides and a flick move without animation', { skip }, async (t) => {
    const out = buildGallery(work, 'sample14_slideall', { count: 5 });
    const { page, problems } = await openReduced(out);
    const box = await hoverGallery(page);
    await page.mouse.down();
    await page.mouse.move(box.x + box.width / 2 - 120, box.y + box.height / 2, { steps: 4 });
    await page.mouse.up();
    await page.clock.runFor(20);
    t.assert.ok(await still(page), 'the row stands at once');
    const margin = await page.evaluate((sel) => {
        const g = window.jQuery(sel).data('qorslider');
        return [g.current, parseFloat(g.$slideUl.css('marginLeft')), g.W];
    }, wrapper);
    t.assert.deepEqual(margin, [1, -margin[2], margin[2]]);
    await advanceUntil(page, (sel) => window.jQuery(sel).data('qorslider').state === 'none', wrapper);
    expectNoProblems(t, problems);
    await page.close();
});
