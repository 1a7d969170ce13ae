// The options of `qorslider` with the script's own defaults; the page gives the rest.
export function defaultOptions() {
    return {
        slideall: false,
        effectseq: [],
        effectgrp: [],
        slideshow_interval: 4000,
        width: 600,
        height: 300,
        blocksize: { width: 100, height: 100, bandsize: 30 },
        thumb: { width: 100, height: 50, titleheight: 10 },
        transitduration: 1000,
        transit: { accel: 2, easing: '' },
        autoslideshow: false,
        autoslidepause: 0,
        autopause_interval: 30000,
        randomblock: false,
        cmteffect: 'up',
        cmtwidth: 0.6,
        controller: 'thumb',
        controllerpos: { right: 10, top: 10, centerx: true, ratio: 1 },
        autohidectrl: false,
        effectopt: { divct: 3 },
        showthumbtitle: false,
        thumbtitleoffset: 0,
        thumbspeed: 300,
        thumbborderwidth: 2,
        thumbbordercolor: '#EFEFEF',
        thumbporaloid: false,
        showbutton: false,
        showbanner: false,
        progress: false,
        responsive: false,
        minscale: 0.3,
        mouseflick: true,
        identifier: '1',
        toggleslide: null,
        playslide: null,
        stopslide: null,
        progtext: 'Now Reading.',
        callback: function () {},
    };
}

function isPlainObject(value) {
    return value !== null && typeof value === 'object' && Object.getPrototypeOf(value) === Object.prototype;
}

function mergeInto(target, given) {
    Object.keys(given).forEach((key) => {
        const value = given[key];
        if (isPlainObject(value) && isPlainObject(target[key])) mergeInto(target[key], value);
        else target[key] = value;
    });
    return target;
}

// The controller sits at one horizontal and one vertical side: a page giving "left" or
// "bottom" replaces the default "right" or "top" instead of adding to it.
function controllerPlace(given) {
    const pos = Object.assign({}, given || {});
    const horizontal = 'left' in pos ? 'left' : 'right';
    const vertical = 'bottom' in pos ? 'bottom' : 'top';
    return {
        horizontal,
        x: horizontal in pos ? Number(pos[horizontal]) : 10,
        vertical,
        y: vertical in pos ? Number(pos[vertical]) : 10,
        centerx: 'centerx' in pos ? !!pos.centerx : true,
        ratio: 'ratio' in pos ? Number(pos.ratio) : 1,
    };
}

export function mergeOptions(given) {
    const opts = mergeInto(defaultOptions(), given || {});
    opts.place = controllerPlace(given && given.controllerpos);
    if (!(opts.effectopt.divct >= 1)) opts.effectopt.divct = 3;
    return opts;
}
