// Writes the ready-made designs with our own command-line tool: rsc/stdSetting.qor, the
// templates rsc/samples/*.qor and the template list rsc/samples/sample.txt. With
// --previews it also builds a gallery of the bundled sample pictures with each template and
// saves a Chromium screenshot of it as the template's .jpg preview, and draws EmptyMsg.png.
//   node designs/make.mjs [--previews]      (QORGALLERY names the tool; default build/bin)
import { execFileSync } from 'node:child_process';
import { mkdirSync, writeFileSync, rmSync, mkdtempSync, existsSync, readdirSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { tmpdir } from 'node:os';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { factoryStandard, templates, designOf, setArguments } from './recipes.mjs';

const repoDir = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const rscDir = join(repoDir, 'rsc');
const samplesDir = join(rscDir, 'samples');

export function qorgalleryPath() {
    const candidates = [process.env.QORGALLERY, join(repoDir, 'build', 'bin', 'qorgallery'), join(repoDir, 'build-web', 'bin', 'qorgallery')];
    return candidates.filter(Boolean).find((p) => existsSync(p));
}

// Writes one project file from a design; a fresh file each time, so the result depends on
// the recipe alone.
export function writeDesign(tool, file, design) {
    rmSync(file, { force: true });
    // Designs carry no page language: a new project would take the locale's.
    execFileSync(tool, ['new', file, '--set', 'PageLanguage=', ...setArguments(design)], { stdio: ['ignore', 'ignore', 'inherit'] });
}

export function templateListText() {
    return '\uFEFF' + templates.map(([name, caption]) => `${name}|${caption}|\r\n`).join('');
}

function writeAll(tool, folder) {
    mkdirSync(join(folder, 'samples'), { recursive: true });
    writeDesign(tool, join(folder, 'stdSetting.qor'), factoryStandard);
    for (const [name, , overrides] of templates) writeDesign(tool, join(folder, 'samples', name + '.qor'), designOf(overrides));
    writeFileSync(join(folder, 'samples', 'sample.txt'), templateListText());
}

// The bundled pictures with texts, so previews show captions and banners.
const pictureTexts = [
    ['sunset.jpg', 'Sunset', 'Evening over the hills.', 'NEW'],
    ['sea.jpg', 'Sea', 'Blue water, calm morning.', ''],
    ['forest.jpg', 'Forest', 'Deep green.', ''],
    ['desert.jpg', 'Desert', 'A panorama of dunes.', ''],
    ['night.jpg', 'Night', 'Stars over the town.', ''],
    ['snow.jpg', 'Snow', 'A white morning.', ''],
];

function pictureLine([file, title, description, banner]) {
    const fields = [join(repoDir, 'samples', 'pictures', file), '0, 0,crop,0|0|0|0,r,r,r,r', banner ? '#' : '', '', banner, title, '', '', '', '', '', '', '', '', description];
    return fields.join('\x19') + '\x19';
}

// The picture an empty picture list shows: a drop hint on a transparent ground.
async function writeEmptyMessage(context) {
    const page = await context.newPage();
    await page.setContent(`<body style="margin:0;background:transparent">
        <div id="m" style="width:420px;height:220px;box-sizing:border-box;border:3px dashed rgba(120,130,140,0.8);border-radius:14px;
            display:flex;flex-direction:column;align-items:center;justify-content:center;font-family:'IPAGothic',sans-serif;color:#6E7780">
        <svg width="76" height="60" viewBox="0 0 76 60"><rect x="3" y="3" width="70" height="54" rx="5" fill="none" stroke="#6E7780" stroke-width="4"/>
            <circle cx="54" cy="19" r="6" fill="#6E7780"/><polygon points="9,51 29,25 43,42 51,33 67,51" fill="#6E7780"/></svg>
        <div style="font-size:19px;margin-top:14px;font-weight:bold">ここに画像ファイルをドロップ</div>
        <div style="font-size:13px;margin-top:8px">JPEG・PNG・BMP・GIF / フォルダも追加できます</div></div></body>`);
    await page.locator('#m').screenshot({ path: join(rscDir, 'EmptyMsg.png'), omitBackground: true });
    await page.close();
}

async function writePreviews(tool) {
    const { chromium } = await import('playwright-core');
    const work = mkdtempSync(join(tmpdir(), 'qor-previews-'));
    const context = await chromium.launchPersistentContext(join(work, 'profile'), {
        executablePath: process.env.QOR_CHROMIUM || '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync'],
        viewport: { width: 1000, height: 620 },
    });
    await writeEmptyMessage(context);
    for (const [name] of templates) {
        const project = join(work, name + '.qor');
        execFileSync(tool, ['new', project, '--template', name, '--set', 'PageLanguage=']);
        execFileSync(tool, ['set', project, ...pictureTexts.map((p) => 'AttrLS+=' + pictureLine(p))]);
        const out = join(work, name);
        execFileSync(tool, ['build', project, '--out', out, '--quiet'], { stdio: ['ignore', 'ignore', 'inherit'] });
        const page = await context.newPage();
        await page.goto(pathToFileURL(join(out, 'index.html')).href);
        await page.waitForTimeout(3000);
        // With the pointer over the gallery, so buttons and a hidden controller show too.
        const box = await page.locator('div[id^="qo_wrapper"]').first().boundingBox();
        await page.mouse.move(box.x + box.width * 0.7, box.y + box.height * 0.4);
        await page.waitForTimeout(800);
        const height = Math.min(620, Math.ceil(box.y + box.height + 24));
        await page.screenshot({ path: join(samplesDir, name + '.jpg'), type: 'jpeg', quality: 85, clip: { x: 0, y: 0, width: 1000, height } });
        await page.close();
    }
    await context.close();
    rmSync(work, { recursive: true, force: true });
}

async function main() {
    const tool = qorgalleryPath();
    if (!tool) throw new Error('qorgallery not found: build it or set QORGALLERY');
    writeAll(tool, rscDir);
    const stale = readdirSync(samplesDir).filter((f) => f.endsWith('.qor') && !templates.some(([name]) => name + '.qor' === f));
    stale.forEach((f) => rmSync(join(samplesDir, f)));
    if (process.argv.includes('--previews')) await writePreviews(tool);
    console.log('designs written to ' + rscDir);
}

if (process.argv[1] === fileURLToPath(import.meta.url)) await main();
export { writeAll };
