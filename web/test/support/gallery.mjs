// Reading a running gallery from a test: its state as the script keeps it on the wrapper,
// what is really on screen, and waiting for transitions to finish.
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { artifactsDir } from './fixture.mjs';

export const wrapper = '#qo_wrapper1';

export function galleryState(page) {
    return page.evaluate((sel) => {
        const g = window.jQuery(sel).data('qorslider');
        return {
            current: g.current,
            state: g.state,
            effect: g.lastEffect,
            pieces: g.$slides.children('.qo_piece').length,
            slideshow: g.slideshow,
            W: g.W,
            H: g.H,
        };
    }, wrapper);
}

// Advances the page's clock in steps of step ms until test(arg) holds in the page, at most
// limit ms of the page's time.
export async function advanceUntil(page, test, arg, { limit = 10000, step = 20 } = {}) {
    for (let spent = 0; ; spent += step) {
        if (await page.evaluate(test, arg)) return spent;
        if (spent >= limit) throw new Error('still not so after ' + limit + ' ms: ' + test.toString());
        await page.clock.runFor(step);
    }
}

// Advances until the gallery rests (no transition) on slide index.
export async function waitForSlide(page, index, timeout = 10000) {
    await advanceUntil(
        page,
        ({ sel, index }) => {
            const g = window.jQuery && window.jQuery(sel).data('qorslider');
            return !!g && g.state === 'none' && g.current === index && !g.firstShow;
        },
        { sel: wrapper, index },
        { limit: timeout }
    );
}

// The slide picture really seen at the centre of the slide area (none when covered).
export function pictureAtCentre(page) {
    return page.evaluate((sel) => {
        const slides = document.querySelector(sel + ' .qo_slides').getBoundingClientRect();
        const el = document.elementFromPoint(slides.left + slides.width / 2, slides.top + slides.height / 2);
        return el && el.tagName === 'IMG' ? el.getAttribute('src') : el ? el.className || el.tagName : null;
    }, wrapper);
}

export async function expectRestingOn(t, page, index) {
    await waitForSlide(page, index);
    const state = await galleryState(page);
    t.assert.equal(state.pieces, 0, 'pieces removed');
    t.assert.equal(await pictureAtCentre(page), `img/img${index + 1}.jpg`, 'slide ' + (index + 1) + ' shown');
}

export async function hoverGallery(page) {
    const box = await page.locator(wrapper + ' .qo_slides').boundingBox();
    await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    return box;
}

export async function clickNext(page) {
    await hoverGallery(page);
    await advanceUntil(page, (sel) => !window.jQuery(sel + ' .qo_navi_next').is(':animated'), wrapper);
    await page.locator(wrapper + ' .qo_navi_next').click();
}

export async function screenshot(page, name) {
    mkdirSync(artifactsDir, { recursive: true });
    const file = join(artifactsDir, name + '.png');
    const box = await page.locator(wrapper).boundingBox().catch(() => null);
    const clip = box && { x: Math.max(0, box.x - 12), y: Math.max(0, box.y - 12), width: box.width + 24, height: box.height + 24 };
    await page.screenshot({ path: file, clip: clip || undefined });
    return file;
}

export function expectNoProblems(t, problems) {
    t.assert.deepEqual(problems, [], 'no console errors, script errors or outside requests');
}
