// Launches Debian's Chromium headless, and records what a gallery
// page must never do: console errors, script errors, requests outside its folder.
import { chromium } from 'playwright-core';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const chromiumFlags = [
    '--no-sandbox',
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
];

export const iPhoneUserAgent =
    'Mozilla/5.0 (iPhone; CPU iPhone OS 16_0 like Mac OS X) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/16.0 Mobile/15E148 Safari/604.1';

// One browser; every page gets a context of its own, with a fresh profile, so that the
// clock of one page (Playwright keeps it per context) never moves another's.
export async function openBrowser(contextOptions = {}) {
    const browser = await chromium.launch({
        executablePath: process.env.QOR_CHROMIUM || '/usr/bin/chromium',
        headless: true,
        args: chromiumFlags,
    });
    const options = { viewport: { width: 1000, height: 700 }, ...contextOptions };
    return {
        context: {
            async newPage() {
                const context = await browser.newContext(options);
                const page = await context.newPage();
                page.on('close', () => context.close().catch(() => {}));
                return page;
            },
        },
        async close() {
            await browser.close();
        },
    };
}

// Puts the page on Playwright's clock, paused: its time moves only when a test advances it,
// so what a test sees never depends on the machine's speed.
export async function pauseClock(page) {
    await page.clock.install();
    await page.clock.pauseAt(Date.now() + 1000);
}

// Opens a gallery page, on the paused clock, and watches it; problems lists everything that
// went wrong.
export async function openGallery(browser, folder, page = null, initScript = null) {
    const tab = page || (await browser.context.newPage());
    await pauseClock(tab);
    const problems = [];
    const allowed = pathToFileURL(folder).href;
    tab.on('console', (m) => m.type() === 'error' && problems.push('console: ' + m.text()));
    tab.on('pageerror', (e) => problems.push('script: ' + e.message));
    tab.on('request', (r) => {
        const url = r.url();
        if (!url.startsWith(allowed) && !url.startsWith('data:') && !url.startsWith('http://127.0.0.1')) problems.push('request: ' + url);
    });
    if (initScript) await tab.addInitScript(initScript);
    await tab.goto(pathToFileURL(join(folder, 'index.html')).href);
    return { page: tab, problems };
}

// Replaces Math.random by a seeded generator, so random effect choices repeat.
export function seededRandom(seed) {
    return `(() => { let s = ${seed} >>> 0; Math.random = () => { s = (s * 1664525 + 1013904223) >>> 0; return s / 4294967296; }; })();`;
}
