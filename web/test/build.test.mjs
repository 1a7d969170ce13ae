// The shipped script must be exactly the build of the readable source, and the shipped
// jQuery the one npm installed.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import vm from 'node:vm';
import { buildScript, paths } from '../build/build.mjs';
import { bundle, moduleOrder } from '../build/bundle.mjs';

test('rsc/js/jquery.qorslider.min.js is the build of web/src (run npm run build)', async () => {
    const shipped = readFileSync(paths.script, 'utf8');
    assert.ok(shipped === (await buildScript()), 'the shipped script differs from the build of the source');
});

test('two builds give the same bytes', async () => {
    assert.equal(await buildScript(), await buildScript());
});

test('rsc/js/jquery.min.js is the jQuery of package-lock.json', () => {
    assert.ok(readFileSync(paths.shippedJquery).equals(readFileSync(paths.jquery)));
});

test('every module comes after the modules it imports', () => {
    const order = moduleOrder(paths.src, 'main.js');
    assert.equal(order[order.length - 1], 'main.js');
    assert.ok(order.indexOf('effectgroup.js') < order.indexOf('choose.js'));
    assert.ok(order.indexOf('pieces.js') < order.indexOf('transition.js'));
});

test('the built script installs the four plugins, rotate and the five easings on jQuery', async () => {
    const fn = function () {};
    fn.prototype = {};
    const jQuery = { fn: {}, easing: { linear: (x) => x, swing: (x) => x }, extend: Object.assign };
    vm.runInNewContext(await buildScript(), { jQuery, navigator: { userAgent: '' } });
    for (const name of ['qorslider', 'qorimgloader', 'qorWipe', 'resizer', 'rotate']) assert.equal(typeof jQuery.fn[name], 'function', name);
    for (const name of ['easeInOutExpo', 'easeOutCirc', 'easeOutElastic', 'easeOutBack', 'easeOutBounce']) assert.equal(typeof jQuery.easing[name], 'function', name);
});

test('the bundle keeps no import or export statement', () => {
    const text = bundle(paths.src, 'main.js');
    assert.doesNotMatch(text, /^\s*(import|export)\s/m);
});
