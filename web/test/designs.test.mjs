// The ready-made designs of the resource folder: the template list, a template and a
// preview picture per item, and project files that our own tool rebuilds byte for byte
// from the recipes.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, existsSync, mkdtempSync, rmSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { tmpdir } from 'node:os';
import { rscDir } from './support/fixture.mjs';
import { templates, factoryStandard } from '../designs/recipes.mjs';
import { qorgalleryPath, writeAll, templateListText } from '../designs/make.mjs';

const samplesDir = join(rscDir, 'samples');

test('sample.txt lists the templates, UTF-8 with byte-order mark and CR LF', () => {
    const text = readFileSync(join(samplesDir, 'sample.txt'), 'utf8');
    assert.equal(text, templateListText());
    for (const item of ['sample01_thumb|標準:サムネイル表示|', 'sample02_num|標準:番号表示|', 'sample11_thumbh1|ヘッダー付:サムネイル表示|', 'sample21_col1_thumb|1段サイト:サムネイル表示|']) {
        assert.ok(text.includes(item + '\r\n'), item);
    }
});

test('every template has its project file and a JPEG preview', () => {
    for (const [name] of templates) {
        assert.ok(existsSync(join(samplesDir, name + '.qor')), name + '.qor');
        const jpg = readFileSync(join(samplesDir, name + '.jpg'));
        assert.deepEqual([...jpg.subarray(0, 3)], [0xff, 0xd8, 0xff], name + '.jpg is a JPEG');
    }
});

test('EmptyMsg.png and the standard window settings are there', () => {
    const png = readFileSync(join(rscDir, 'EmptyMsg.png'));
    assert.equal(png.subarray(1, 4).toString(), 'PNG');
    assert.match(readFileSync(join(rscDir, 'Ini', 'FrmSlider1.ini'), 'utf8'), /^\[System\]\r\n/);
});

const tool = qorgalleryPath();

test('the tool rebuilds every design from its recipe byte for byte', { skip: !tool && 'qorgallery is not built' }, () => {
    const folder = mkdtempSync(join(tmpdir(), 'qor-designs-'));
    try {
        writeAll(tool, folder);
        const files = ['stdSetting.qor', ...templates.map(([name]) => join('samples', name + '.qor')), join('samples', 'sample.txt')];
        for (const file of files) assert.ok(readFileSync(join(folder, file)).equals(readFileSync(join(rscDir, file))), file + ' differs from its recipe');
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
});

test('the factory standard holds the settings dialog initial values', { skip: !tool && 'qorgallery is not built' }, () => {
    const shown = execFileSync(tool, ['show', join(rscDir, 'stdSetting.qor')], { encoding: 'utf8' });
    const values = Object.fromEntries(shown.split('\n').filter((l) => l.includes('=')).map((l) => [l.slice(0, l.indexOf('=')), l.slice(l.indexOf('=') + 1)]));
    for (const [name, value] of Object.entries(factoryStandard)) assert.equal(values[name], String(value), name);
    assert.equal(values.ImageWidth + 'x' + values.ImageHeight, '720x270');
    assert.equal(values.ThumbWidth + 'x' + values.ThumbHeight, '112x44');
    assert.equal(values.FrameType, '2');
});
