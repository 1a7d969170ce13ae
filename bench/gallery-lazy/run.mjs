#!/usr/bin/env node
// Lazy-loading benchmark: a gallery of 500 photographs built twice by qorgallery, with and
// without --lazy, opened in Debian's Chromium over a local HTTP server with a throttled
// network, a fresh profile and no cache each time. For each page it measures, up to the
// moment the first slide shows (the gallery has started and the first slide's picture is
// decoded): the requests made, the bytes transferred, and the time from navigation. The
// two builds alternate round by round; medians are printed. See README.md beside it.
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, rmSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const repo = join(here, '..', '..');
const { openBrowser } = await import(join(repo, 'web', 'test', 'support', 'browser.mjs'));
const { serveFolder } = await import(join(repo, 'web', 'test', 'support', 'serve.mjs'));

const args = process.argv.slice(2);
const option = (name, fallback) => (args.includes(name) ? args[args.indexOf(name) + 1] : fallback);
const photos = Number(option('--photos', 500));
const rounds = Number(option('--rounds', 3));
const work = option('--work', '/tmp/qor-bench-lazy');
const qorgallery = option('--qorgallery', join(repo, 'build', 'bin', 'qorgallery'));
// A home connection: 20 Mbit/s down, 5 up, 30 ms round trip.
const stayMs = Number(option('--stay', 10000));
const network = { offline: false, latency: 30, downloadThroughput: (20e6 / 8), uploadThroughput: (5e6 / 8) };

if (!existsSync(qorgallery)) {
    console.error('qorgallery not found: ' + qorgallery + ' (build it or give --qorgallery PATH)');
    process.exit(1);
}

// Ten camera-like source photographs (plasma texture, 1600 x 1200), used in turn.
function sourcePhotos() {
    const folder = join(work, 'sources');
    mkdirSync(folder, { recursive: true });
    const files = Array.from({ length: 10 }, (_, i) => join(folder, `photo${i + 1}.jpg`));
    for (const [i, file] of files.entries()) {
        if (!existsSync(file)) execFileSync('convert', ['-seed', String(i + 1), '-size', '1600x1200', 'plasma:', '-quality', '90', file]);
    }
    return files;
}

function build(lazy) {
    const out = join(work, lazy ? 'lazy' : 'plain');
    if (existsSync(join(out, 'index.html')) && existsSync(join(out, 'img', `img${photos}.jpg`))) return out;
    rmSync(out, { recursive: true, force: true });
    const sources = sourcePhotos();
    const pictures = Array.from({ length: photos }, (_, i) => ['--pictures', sources[i % sources.length]]).flat();
    execFileSync(qorgallery, ['build', ...pictures, '--template', 'sample01_thumb', '--out', out, '--quiet', ...(lazy ? ['--lazy'] : [])], { stdio: ['ignore', 'ignore', 'inherit'] });
    return out;
}

// Notes the moment the first slide shows: the gallery visible and slide 1's picture decoded.
const firstSlideWatch = `(() => {
    performance.setResourceTimingBufferSize(5000);
    const look = () => {
        const wrap = document.querySelector('div[id^="qo_wrapper"]:not([id$="mama"])');
        const img = wrap && wrap.querySelector('.qo_slides li img');
        if (wrap && getComputedStyle(wrap).visibility === 'visible' && img && img.complete && img.naturalWidth > 0) {
            window.firstSlideAt = performance.now();
            return;
        }
        requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
})();`;

async function measure(url) {
    const browser = await openBrowser();
    try {
        const page = await browser.context.newPage();
        const cdp = await page.context().newCDPSession(page);
        await cdp.send('Network.enable');
        await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
        await cdp.send('Network.emulateNetworkConditions', network);
        await page.addInitScript(firstSlideWatch);
        await page.goto(url, { waitUntil: 'commit' });
        await page.waitForFunction(() => window.firstSlideAt, null, { timeout: 300000, polling: 50 });
        const first = await page.evaluate(() => {
            const at = window.firstSlideAt;
            const resources = performance.getEntriesByType('resource');
            const nav = performance.getEntriesByType('navigation')[0];
            const asked = resources.filter((r) => r.startTime <= at);
            const done = asked.filter((r) => r.responseEnd <= at);
            const bytes = nav.transferSize + done.reduce((sum, r) => sum + r.transferSize, 0);
            return { ms: at, requests: asked.length + 1, finished: done.length + 1, bytes };
        });
        // Then the visitor stays on slide 1 for a while: what does the page go on fetching?
        await page.waitForTimeout(stayMs);
        const stay = await page.evaluate(() => {
            const resources = performance.getEntriesByType('resource').filter((r) => r.responseEnd > 0);
            return { requests: resources.length + 1, bytes: performance.getEntriesByType('navigation')[0].transferSize + resources.reduce((sum, r) => sum + r.transferSize, 0) };
        });
        return Object.assign(first, { stayRequests: stay.requests, stayBytes: stay.bytes });
    } finally {
        await browser.close();
    }
}

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

build(false);
build(true);
const server = await serveFolder(work);
const base = server.url;
const results = { plain: [], lazy: [] };
for (let round = 1; round <= rounds; round++) {
    for (const name of ['plain', 'lazy']) {
        const r = await measure(base + name + '/index.html');
        results[name].push(r);
        console.log(`round ${round} ${name.padEnd(5)} first slide ${r.ms.toFixed(0).padStart(6)} ms  requests ${String(r.requests).padStart(4)} (${r.finished} done)  ${(r.bytes / 1e6).toFixed(2)} MB;  after ${stayMs / 1000} s on slide 1: ${r.stayRequests} requests, ${(r.stayBytes / 1e6).toFixed(2)} MB`);
    }
}
server.close();

const summary = {};
for (const name of ['plain', 'lazy']) {
    summary[name] = {
        ms: median(results[name].map((r) => r.ms)),
        requests: median(results[name].map((r) => r.requests)),
        bytes: median(results[name].map((r) => r.bytes)),
        stayRequests: median(results[name].map((r) => r.stayRequests)),
        stayBytes: median(results[name].map((r) => r.stayBytes)),
    };
}
console.log(`\n${photos} photos, ${rounds} rounds, medians (network ${network.downloadThroughput * 8 / 1e6} Mbit/s, ${network.latency} ms):`);
console.log(`           first slide    requests    bytes      | after ${stayMs / 1000} s: requests    bytes`);
for (const name of ['plain', 'lazy']) {
    const s = summary[name];
    console.log(`${name.padEnd(10)} ${(s.ms / 1000).toFixed(2).padStart(8)} s  ${String(s.requests).padStart(9)}  ${(s.bytes / 1e6).toFixed(2).padStart(7)} MB   |  ${String(s.stayRequests).padStart(15)}  ${(s.stayBytes / 1e6).toFixed(2).padStart(7)} MB`);
}
const ratio = (k) => (summary.lazy[k] / summary.plain[k]).toFixed(3);
console.log(`lazy/plain ${ratio('ms').padStart(8)}    ${ratio('requests').padStart(9)}  ${ratio('bytes').padStart(7)}      |  ${ratio('stayRequests').padStart(15)}  ${ratio('stayBytes').padStart(7)}`);
