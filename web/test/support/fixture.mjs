// A hand-made gallery folder laid out as the program writes it: index.html with the wrapper
// block and the script call, css/style.css from the style-sheet template with its size key
// lines filled in and the gallery id put before every class, js/ with the shipped scripts.
import { mkdirSync, readFileSync, writeFileSync, copyFileSync, existsSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { writePictures, writeButtonPicture, writeFlatPicture } from './pictures.mjs';

export const repoDir = join(dirname(fileURLToPath(import.meta.url)), '..', '..', '..');
export const rscDir = join(repoDir, 'rsc');
export const artifactsDir = join(repoDir, 'web', 'test-artifacts');

const controllerIds = { thumb: 0, num: 1, dot: 2, none: 3 };

// Thumb strip height as the program computes it from the thumbnail settings.
export function stripHeightOf(d) {
    if (d.controller !== 'thumb') return d.thumbHeight + 6;
    return d.thumbHeight + 2 * d.border + 6 + (d.showthumbtitle ? d.titleHeight : 0) + (d.poraloid ? d.border : 0);
}

function entryLines(entry, n) {
    const T = entry.title || '';
    const titleAttr = T ? `title="${T}"` : '';
    const thumb = `<li><img src="img/thumb/${n}.jpg" alt="${n}.jpg" ${titleAttr} /></li>`;
    let link = '';
    let slideTitle = titleAttr;
    if (entry.url !== undefined && entry.url !== null && entry.url !== '') {
        link = `<a href="${entry.url}" target="${entry.target || ''}" data-topic="${entry.topic || ''}"></a>`;
        if (entry.url.length > 5) slideTitle = `title="${entry.url}"`;
    } else if (entry.topic) {
        link = `<a href="${entry.rawHref !== undefined ? entry.rawHref : '#'}" data-topic="${entry.topic}" ></a>`;
    }
    let caption = T ? `<p class="qo_span_h1">${T}</p>` : '';
    if (entry.memo && entry.memo.length) caption += '<p class="qo_span_content">' + entry.memo.map((l) => l + '<br />').join('') + '</p>';
    const inner = '\r\n\t\t\t\t';
    const img = `<img src="img/img${n}.jpg" alt="img${n}.jpg" ${slideTitle} />`;
    if (!link && !caption) return { thumb, slide: `<li>${img}</li>` };
    return { thumb, slide: '<li>' + (link ? inner + link : '') + inner + img + (caption ? inner + '<span>' + caption + '</span>' : '') + '\r\n\t\t\t</li>' };
}

function pageText(d, entries, options) {
    const lines = entries.map((e, i) => entryLines(e, i + 1));
    const thumbBlock =
        d.controller === 'none'
            ? []
            : ['\t<div class="qo_thumb">', '\t\t<ul>', ...lines.map((l) => '\t\t\t' + l.thumb), '\t\t</ul>', '\t</div> <!-- end of thumb -->'];
    return [
        '<!DOCTYPE html>',
        '<html lang="ja">',
        '<head>',
        '\t<meta charset="utf-8">',
        `\t<meta name="viewport" content="width=${d.width + 30}" />`,
        `\t<title>${d.title || 'QorSlider'}</title>`,
        '\t<link rel="stylesheet" href="css/style.css">',
        '\t<style type="text/css">',
        '\t\tbody {background:#FFFFFF;}',
        '\t\tbody {margin:0; padding:10px 0; font-family:sans-serif;}',
        '\t</style>',
        '\t<script src="js/jquery.min.js"></script>',
        '\t<script src="js/jquery.qorslider.min.js"></script>',
        '\t<script>',
        '\t$(function () {',
        `  $('div#qo_wrapper1').qorslider(${JSON.stringify(options)});`,
        '\t});',
        '\t</script>',
        '</head>',
        '<body>',
        d.extraBody || '',
        '<div id="qo_wrapper1">',
        '\t<div class="qo_slides">',
        '\t\t<ul>',
        ...lines.map((l) => '\t\t\t' + l.slide),
        '\t\t</ul>',
        '\t</div> <!-- end of slides -->',
        ...thumbBlock,
        '</div> <!-- end of wrapper -->',
        '</body>',
        '</html>',
    ].join('\r\n');
}

function styleText(d) {
    const h = stripHeightOf(d);
    const keys = {
        0: `/*0*/  #qo_wrapper {width:${d.width}px; height:${d.controller === 'thumb' ? d.height + h + 10 : d.height}px;position:relative; margin: 10px auto 10px auto; background-color:#C9C9C9;opacity:0;visibility:hidden;${d.controller === 'thumb' ? 'overflow:hidden;' : ''}}`,
        1:
            d.controller === 'thumb'
                ? '/*1*/ .qo_slides {padding:0px;position:relative; z-index:100;overflow:hidden;}'
                : `/*1*/  .qo_slides {width:${d.width}px; height:${d.height}px;padding:0px;position:relative; z-index:100;overflow:hidden;}`,
        3: `/*3*/  .qo_thumb {height:${d.controller === 'thumb' ? h : d.thumbHeight}px; margin: 0 auto;\toverflow: hidden;`,
        9: `/*9*/  .qo_span_h2 {display:block; width: ${d.thumbWidth}px; height:${d.titleHeight}px;overflow:hidden; color:#000000;`,
    };
    const lines = readFileSync(join(rscDir, 'css', 'style.css'), 'utf8').split(/\r\n|\r|\n/);
    let next = 0;
    const replaced = lines.map((line) => {
        if (next > 15 || !line.includes(`/*${next}*/`)) return line;
        const k = next++;
        return keys[k] || line;
    });
    return replaced.join('\r\n').replace(/#qo_wrapper/g, '#qo_wrapper1').replace(/\.qo/g, '#qo_wrapper1 $&');
}

export const baseDesign = {
    width: 480,
    height: 180,
    thumbWidth: 80,
    thumbHeight: 40,
    border: 2,
    titleHeight: 20,
    controller: 'thumb',
    showthumbtitle: false,
    poraloid: false,
};

// Options as the page writer gives them for the design, merged with extra options.
export function pageOptions(d, extra) {
    return Object.assign(
        {
            controller: d.controller,
            width: d.width,
            height: d.height,
            thumb: { width: d.thumbWidth, height: stripHeightOf(d), titleheight: d.titleHeight },
            showbutton: true,
            progress: false,
            autohidectrl: false,
            transitduration: 1000,
            autoslideshow: false,
            slideshow_interval: 4000,
            thumbborderwidth: d.border,
            thumbbordercolor: '#FFFFFF',
            showthumbtitle: d.showthumbtitle,
            showbanner: false,
            thumbporaloid: d.poraloid,
            thumbtitleoffset: 0,
            responsive: false,
            minscale: 0.6,
            mouseflick: false,
            identifier: '1',
            cmteffect: 'up',
        },
        extra
    );
}

// page: a browser page used to draw the pictures. entries: per picture texts.
export async function writeFixtureGallery(page, folder, { design = {}, options = {}, entries }) {
    const d = Object.assign({}, baseDesign, design);
    mkdirSync(join(folder, 'css'), { recursive: true });
    mkdirSync(join(folder, 'js'), { recursive: true });
    if (!existsSync(join(folder, 'img', 'img' + entries.length + '.jpg'))) {
        await writePictures(page, folder, entries.length, { width: d.width, height: d.height }, { width: d.thumbWidth, height: d.thumbHeight });
    }
    await writeButtonPicture(page, join(folder, 'css', 'prev_arrow.png'), -1);
    await writeButtonPicture(page, join(folder, 'css', 'next_arrow.png'), 1);
    const flat = [['comment-bg.png', 24, 18, 'rgba(128,128,0,0.3)'], ['thumbbg_ie.png', 8, 70, '#DDDDDD'], ['ie8thumb_li_bg.png', 94, 60, '#FFFFFF'], ['ie8thumb_li_hover.png', 94, 60, '#00FFFF'], ['ie8thumb_li_active.png', 94, 60, '#FF0000']];
    for (const [name, w, h, colour] of flat) await writeFlatPicture(page, join(folder, 'css', name), w, h, colour);
    for (const name of ['jquery.min.js', 'jquery.qorslider.min.js']) copyFileSync(join(rscDir, 'js', name), join(folder, 'js', name));
    writeFileSync(join(folder, 'css', 'style.css'), styleText(d));
    writeFileSync(join(folder, 'index.html'), pageText(d, entries, pageOptions(d, options)));
    return folder;
}

export function plainEntries(count, texts = {}) {
    return Array.from({ length: count }, (_, i) => Object.assign({ title: 'Slide ' + (i + 1), memo: ['Picture number ' + (i + 1)] }, texts[i] || {}));
}
