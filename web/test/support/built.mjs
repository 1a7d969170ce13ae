// Galleries written by our own qorgallery from pictures the test draws: one project per
// template, the same pictures and texts every time.
import { execFileSync } from 'node:child_process';
import { mkdirSync, rmSync, existsSync } from 'node:fs';
import { join } from 'node:path';
import { writePictures } from './pictures.mjs';
import { artifactsDir } from './fixture.mjs';
import { qorgalleryPath } from '../../designs/make.mjs';

export const tool = qorgalleryPath();
export const skipUnbuilt = !tool && 'qorgallery is not built';

const texts = { 1: { url: 'linked.html', target: '_blank', banner: 'NEW' }, 2: { banner: 'SALE' } };

// Pictures drawn once into work/pictures; a gallery of more pictures uses them in turn.
export const drawnCount = 7;

export async function drawPictures(page, work, count = drawnCount) {
    const folder = join(work, 'pictures');
    if (existsSync(join(folder, 'img', 'img' + count + '.jpg'))) return;
    mkdirSync(work, { recursive: true });
    await writePictures(page, folder, count, { width: 720, height: 270 }, { width: 112, height: 44 });
}

function pictureLine(work, n, { title = 'Picture ' + n, description = 'Drawn for slide ' + n, url = '', target = '', banner = '' } = {}) {
    const file = join(work, 'pictures', 'img', 'img' + (((n - 1) % drawnCount) + 1) + '.jpg');
    return [file, '0, 0,crop,0|0|0|0,r,r,r,r', url, target, banner, title, '', '', '', '', '', '', '', '', description].join('\x19') + '\x19';
}

// Builds the gallery of one template into work/name; extra: Name=Value settings; flags:
// further build options (--lazy, --demo).
export function buildGallery(work, template, { count = 7, extra = [], flags = [], name = template } = {}) {
    const project = join(work, name + '.qor');
    const out = join(work, name);
    rmSync(out, { recursive: true, force: true });
    rmSync(project, { force: true });
    // The templates' own language unless a test sets another: a new project would take the
    // language of the user's locale.
    execFileSync(tool, ['new', project, '--template', template, '--set', 'TransitDuration=0.5', '--set', 'PageLanguage=', ...extra.flatMap((s) => ['--set', s])]);
    const lines = Array.from({ length: count }, (_, i) => 'AttrLS+=' + pictureLine(work, i + 1, texts[i + 1]));
    execFileSync(tool, ['set', project, ...lines]);
    execFileSync(tool, ['build', project, '--out', out, '--id', '1', '--quiet', ...flags], { stdio: ['ignore', 'ignore', 'inherit'] });
    return out;
}

export const builtDir = (label) => join(artifactsDir, label);
