// Joins the script's modules into one classic script: modules in dependency order, their
// import lines dropped and export keywords removed, all inside one function that receives
// the page's jQuery. Every module's names share that one scope, so they must be unique.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';

const importLine = /^import\s*\{[^}]*\}\s*from\s*'\.\/([\w-]+\.js)';\s*$/;

function moduleText(srcDir, name) {
    return readFileSync(join(srcDir, name), 'utf8');
}

function importsOf(text) {
    return text
        .split('\n')
        .map((line) => line.match(importLine))
        .filter(Boolean)
        .map((m) => m[1]);
}

// Depth-first: a module comes after everything it imports.
export function moduleOrder(srcDir, entry) {
    const order = [];
    const visiting = new Set();
    const visit = (name) => {
        if (order.includes(name)) return;
        if (visiting.has(name)) throw new Error('import cycle through ' + name);
        visiting.add(name);
        importsOf(moduleText(srcDir, name)).forEach(visit);
        visiting.delete(name);
        order.push(name);
    };
    visit(entry);
    return order;
}

function asPlainScript(text) {
    return text
        .split('\n')
        .filter((line) => !importLine.test(line))
        .map((line) => line.replace(/^export (?=(const|function|let)\b)/, ''))
        .join('\n');
}

export function bundle(srcDir, entry) {
    const body = moduleOrder(srcDir, entry)
        .map((name) => '// ' + name + '\n' + asPlainScript(moduleText(srcDir, name)))
        .join('\n');
    return '(function ($) {\n"use strict";\n' + body + '\n})(jQuery);\n';
}
