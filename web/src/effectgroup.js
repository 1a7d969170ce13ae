// The effect table and the effect group: which effects a gallery draws from, and how an
// effect id maps to an effect and its variant.
export const effectTable = [
    ['fade', 1],
    ['shift', 8],
    ['door', 2],
    ['stripe', 6],
    ['cube', 7],
    ['dropblock', 9],
    ['popblock', 4],
    ['foldscreenh', 2],
    ['foldscreenv', 2],
    ['shiftscreen', 1],
    ['divparts', 1],
    ['divpartsh', 1],
    ['divcorner', 1],
    ['none', 1],
];

const invertible = ['stripe', 'cube', 'door', 'dropblock', 'popblock'];

function tableEntry(name) {
    return effectTable.filter((entry) => entry[0] === name)[0];
}

export function isRowMode(opts) {
    return !!opts.slideall || (opts.effectgrp || []).indexOf('slideall') >= 0;
}

export function buildEffectGroup(effectgrp) {
    const names = effectgrp || [];
    const named = names.indexOf('random') >= 0 ? [] : names.map(tableEntry).filter(Boolean);
    let first = 0;
    return (named.length ? named : effectTable).map(([name, variants]) => {
        const effect = { name, first, variants };
        first += variants;
        return effect;
    });
}

export function idCount(group) {
    const last = group[group.length - 1];
    return last.first + last.variants;
}

export function effectOfId(group, id) {
    const effect = group.filter((e) => id >= e.first && id < e.first + e.variants)[0] || group[0];
    return { name: effect.name, variant: id - effect.first };
}

export function hasInvertedForm(name) {
    return invertible.indexOf(name) >= 0;
}

// A shrunken gallery has too few pixels for small blocks: blocks run as cubes, cubes as
// bands, the corner split as strips, and stripes keep their first movement.
export function substituteWhenScaled(effect) {
    let { name, variant } = effect;
    if (name === 'popblock' || name === 'dropblock') name = 'cube';
    if (name === 'divcorner') name = 'divparts';
    if (name === 'cube') return { name: 'stripe', variant: variant < 4 ? 0 : 3 };
    if (name === 'stripe') return { name, variant: variant < 3 ? 0 : 3 };
    return { name, variant };
}
