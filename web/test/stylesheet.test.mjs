// The style-sheet template: its sixteen key lines, found as the program finds them, must
// read as the writer's formats so a gallery styled from them looks as designed; and every
// selector must stay valid when the gallery id is put before each class.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { rscDir } from './support/fixture.mjs';

const template = readFileSync(join(rscDir, 'css', 'style.css'), 'utf8');
const lines = template.replace(/^\uFEFF/, '').split(/\r\n|\r|\n/);

// The writer's formats, %d and %s turned into patterns.
const formats = [
    '/*0*/  #qo_wrapper {width:%dpx; height:%dpx;position:relative; margin: %dpx auto %dpx auto; background-color:#C9C9C9;opacity:0;visibility:hidden;%s}',
    '/*1*/ .qo_slides {padding:0px;position:relative; z-index:100;overflow:hidden;}',
    '/*2*/\t.qo_slides_span { color:#%s; z-index:555; background-color: rgba(%s);}',
    '/*3*/  .qo_thumb {height:%dpx; margin: 0 auto;\toverflow: hidden;',
    '/*4*/      background:-moz-linear-gradient(#%s, #%s);',
    '/*5*/      background:-webkit-gradient(linear, left top, left bottom, from(#%s),to(#%s));',
    '/*6*/      background:-o-linear-gradient(#%s, #%s);',
    '/*7*/      -ms-filter: "progid:DXImageTransform.Microsoft.gradient(GradientType=0,startColorstr=\'#%s\',endColorstr=\'#%s\')";}',
    '/*8*/      color:#%s; text-shadow: rgba(%s) 2px 2px 0;',
    '/*9*/  .qo_span_h2 {display:block; width: %dpx; height:%dpx;overflow:hidden; color:#%s;',
    '/*10*/       text-shadow: rgba(%s) 1px 1px 0;}',
    '/*11*/ width:  %dpx; height: %dpx; top:130px;',
    '/*12*/\tbackground-color: #%s;',
    '/*13*/  color:#%s;',
    '/*14*/  border: 1px solid rgba(%s,0.2); \tbackground:rgba(%s); text-shadow:0 0 3px #aaa,1px 1px 1px #%s;',
    '/*15*/  background:#%s;',
];

function formatPattern(format) {
    const escaped = format.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
    return new RegExp('^' + escaped.replace(/%d/g, '\\d+').replace(/%s/g, '[^{}]*') + '$');
}

// As the writer scans: each key searched from the line after the previous key.
function findKeys() {
    const found = [];
    let from = 0;
    for (let k = 0; k < 16; k++) {
        const at = lines.findIndex((line, i) => i >= from && line.includes(`/*${k}*/`));
        if (at < 0) break;
        found.push(at);
        from = at + 1;
    }
    return found;
}

test('all sixteen key lines are found in order', () => {
    assert.equal(findKeys().length, 16);
});

test('every key line reads as its format with template values', () => {
    findKeys().forEach((at, k) => assert.match(lines[at], formatPattern(formats[k]), 'key ' + k));
});

function selectors() {
    const body = template.replace(/\/\*[\s\S]*?\*\//g, '');
    return [...body.matchAll(/([^{}]+)\{/g)].flatMap((m) => m[1].split(',').map((s) => s.trim())).filter((s) => !s.startsWith('@'));
}

test('no selector names two gallery classes (prefixing would break it)', () => {
    const broken = selectors().filter((s) => (s.match(/\.qo/g) || []).length > 1 || /#qo_wrapper[^{]*\.qo/.test(s));
    assert.deepEqual(broken, []);
});

test('every class the script adds is styled', () => {
    const classes = ['qo_box_kageattr', 'qo_control_base_attr', 'qo_control_dot', 'qo_control_num', 'qo_cropper', 'qo_ctrl_hider', 'qo_ctrlnum_iPad', 'qo_imgactive', 'qo_imghover', 'qo_navi_btn', 'qo_navi_next', 'qo_navi_prev', 'qo_photo_frame', 'qo_slides_blockspan', 'qo_slides_li_block', 'qo_slides_shiftspan', 'qo_slides_span', 'qo_slides_span_bgIE8', 'qo_span_h2', 'qo_thumb_frame', 'qo_thumb_frame_ie8', 'qo_thumbbg_ie', 'qo_topic1', 'qo_topicIE8', 'qo_topicbase', 'qor_progress', 'qor_progtext', 'qor_progbar'];
    const all = selectors().join(' ');
    const missing = classes.filter((c) => !new RegExp('(\\.' + c + '|"' + c + '")(?![\\w])').test(all));
    assert.deepEqual(missing, []);
});
