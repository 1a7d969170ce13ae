// Lighthouse's accessibility audit of the sample gallery (the standard thumbnail design
// with titles, descriptions, a link and banners), run offline on Debian's Chromium.
import { test } from 'node:test';
import { writeFileSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';
import lighthouse from 'lighthouse';
import { launch } from 'chrome-launcher';
import { openBrowser } from './support/browser.mjs';
import { artifactsDir } from './support/fixture.mjs';
import { serveFolder } from './support/serve.mjs';
import { skipUnbuilt as skip, drawPictures, buildGallery, builtDir } from './support/built.mjs';

const work = builtDir('lighthouse');

test('the sample gallery scores at least 95 in Lighthouse accessibility', { skip }, async (t) => {
    const browser = await openBrowser();
    await drawPictures(await browser.context.newPage(), work);
    await browser.close();
    const out = buildGallery(work, 'sample01_thumb', { name: 'sample' });
    const server = await serveFolder(out);
    const chrome = await launch({
        chromePath: process.env.QOR_CHROMIUM || '/usr/bin/chromium',
        chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update'],
    });
    try {
        const result = await lighthouse(server.url + 'index.html', { port: chrome.port, onlyCategories: ['accessibility'], logLevel: 'error', output: 'json' });
        const lhr = result.lhr;
        const failed = Object.values(lhr.audits).filter((a) => a.scoreDisplayMode === 'binary' && a.score === 0).map((a) => a.id);
        mkdirSync(artifactsDir, { recursive: true });
        writeFileSync(join(artifactsDir, 'lighthouse-accessibility.json'), JSON.stringify({ version: lhr.lighthouseVersion, score: lhr.categories.accessibility.score, failed }, null, 2));
        t.assert.equal(lhr.runtimeError, undefined);
        t.assert.ok(lhr.categories.accessibility.score >= 0.95, 'score ' + lhr.categories.accessibility.score + ', failed: ' + failed.join(', '));
    } finally {
        await chrome.kill();
        server.close();
    }
});
