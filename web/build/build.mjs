// Builds the shipped gallery script rsc/js/jquery.qorslider.min.js from web/src and copies
// jQuery beside it. The same sources and options always give the same bytes.
import { writeFileSync, copyFileSync, readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { dirname, join } from 'node:path';
import { minify } from 'terser';
import { bundle } from './bundle.mjs';

const webDir = join(dirname(fileURLToPath(import.meta.url)), '..');
export const paths = {
    src: join(webDir, 'src'),
    script: join(webDir, '..', 'rsc', 'js', 'jquery.qorslider.min.js'),
    jquery: join(webDir, 'node_modules', 'jquery', 'dist', 'jquery.min.js'),
    shippedJquery: join(webDir, '..', 'rsc', 'js', 'jquery.min.js'),
};

const banner = '/*! jquery.qorslider.min.js - the gallery script of Qorika HTML5 Gallery */';

// Lines of at most 500 characters, so the script text stays a list of readable lines
// wherever the program carries it.
export async function buildScript() {
    const result = await minify(bundle(paths.src, 'main.js'), {
        ecma: 2017,
        compress: { passes: 2 },
        mangle: true,
        format: { preamble: banner, max_line_len: 500, ascii_only: true },
    });
    return result.code + '\n';
}

async function main() {
    writeFileSync(paths.script, await buildScript());
    copyFileSync(paths.jquery, paths.shippedJquery);
    console.log('built ' + paths.script + ' (' + readFileSync(paths.script).length + ' bytes)');
}

if (process.argv[1] === fileURLToPath(import.meta.url)) await main();
