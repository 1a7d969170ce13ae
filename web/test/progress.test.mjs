// The progress box while pictures load: it counts the loaded pictures and lets the gallery
// start after half a second even when pictures are slow. The slow pictures come from a
// small local server that holds them back.
import { test, before, after } from 'node:test';
import { createServer } from 'node:http';
import { readFileSync, existsSync } from 'node:fs';
import { join, extname } from 'node:path';
import { openBrowser, pauseClock } from './support/browser.mjs';
import { writeFixtureGallery, plainEntries, artifactsDir } from './support/fixture.mjs';
import { advanceUntil, waitForSlide, screenshot, expectNoProblems, wrapper } from './support/gallery.mjs';

const types = { '.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript', '.jpg': 'image/jpeg', '.png': 'image/png' };
let browser;
let server;
let slowMs = 0;
const folder = join(artifactsDir, 'galleries', 'progress');

before(async () => {
    browser = await openBrowser();
    const page = await browser.context.newPage();
    await writeFixtureGallery(page, folder, { entries: plainEntries(6), options: { progress: true, effectgrp: ['fade'] } });
    await page.close();
    server = createServer((req, res) => {
        const file = join(folder, decodeURIComponent(req.url.split('?')[0]));
        if (req.url === '/favicon.ico') return res.writeHead(204).end();
        if (!existsSync(file)) return res.writeHead(404).end();
        const delay = req.url.includes('/thumb/') && !req.url.endsWith('/1.jpg') ? slowMs : 0;
        setTimeout(() => res.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream', 'Cache-Control': 'no-store' }).end(readFileSync(file)), delay);
    });
    await new Promise((r) => server.listen(0, '127.0.0.1', r));
});
after(async () => {
    if (browser) await browser.close();
    if (server) server.close();
});

async function openServed(delay) {
    slowMs = delay;
    const page = await browser.context.newPage();
    await pauseClock(page);
    const problems = [];
    page.on('pageerror', (e) => problems.push('script: ' + e.message));
    page.on('console', (m) => m.type() === 'error' && problems.push('console: ' + m.text()));
    await page.addInitScript(`(() => {
        window.progressTrace = [];
        const look = () => {
            const text = document.querySelector('.qor_progtext');
            const el = document.getElementById('qo_wrapper1');
            window.progressTrace.push([performance.now(), text ? text.textContent : null, el ? getComputedStyle(el).visibility : null]);
            requestAnimationFrame(look);
        };
        requestAnimationFrame(look);
    })();`);
    await page.goto(`http://127.0.0.1:${server.address().port}/index.html`, { waitUntil: 'commit' });
    return { page, problems };
}

test('with slow pictures the gallery starts after half a second anyway', async (t) => {
    const { page, problems } = await openServed(4000);
    await advanceUntil(page, () => !!document.querySelector('#qo_wrapper1mama .qor_progress'), null, { step: 5 });
    await advanceUntil(page, () => /%/.test((document.querySelector('.qor_progtext') || {}).textContent || ''));
    await screenshot(page, 'progress-box');
    await waitForSlide(page, 0, 4000);
    const trace = await page.evaluate(() => window.progressTrace);
    const counted = trace.map(([, text]) => text).filter(Boolean);
    t.assert.ok(counted.some((text) => /^Now Reading\.\.\.\. \d+ %$/.test(text) && !/100 %/.test(text)), 'a partial count was shown: ' + counted.join(' / '));
    const firstText = trace.find(([, text]) => text);
    const started = trace.find(([, , vis]) => vis === 'visible');
    const waited = started[0] - firstText[0];
    t.assert.ok(waited > 400 && waited < 1100, 'started ' + waited + ' ms after the box');
    t.assert.equal(await page.locator('.qor_progress').count(), 0, 'the box is gone after the first show');
    t.assert.equal(await page.locator('#qo_wrapper1mama').count(), 0, 'and its wrapper');
    t.assert.equal(await page.locator('body > ' + wrapper).count(), 1, 'the gallery stands where it stood');
    expectNoProblems(t, problems);
    await page.close();
});

test('with fast pictures the box shows 100 % and the gallery starts at once', async (t) => {
    const { page, problems } = await openServed(0);
    await waitForSlide(page, 0, 4000);
    const trace = await page.evaluate(() => window.progressTrace);
    const texts = trace.map(([, text]) => text).filter(Boolean);
    t.assert.equal(texts[texts.length - 1], 'Now Reading.... 100 %');
    expectNoProblems(t, problems);
    await page.close();
});
