// The number and dot controllers: one item per slide on a translucent base, and a preview
// box that shows the thumbnail of the item under the pointer.
import { outerThumbWidth, frameThumbs, frameWidth } from './thumbframes.js';
import { labelItems } from './access.js';
import { revealThumbs } from './lazy.js';
import { pace } from './motion.js';

const bannerRoom = 150;

export function createNumControl($, g) {
    const dots = g.opts.controller === 'dot';
    const body = $('<div id="control_body"></div>');
    const base = $('<div id="control_base" class="qo_control_base_attr"></div>').css({ opacity: 0.4 });
    const ul = $('<ul></ul>');
    for (let k = 1; k <= g.count; k++) ul.append($('<li></li>').text(k));
    const items = ul.children('li');
    if (dots) {
        base.hide();
        body.addClass('qo_control_dot');
        items.css({ textIndent: -9999 });
    } else {
        base.addClass('qo_box_kageattr');
        items.addClass('qo_box_kageattr');
        body.addClass('qo_control_num');
        if (g.browser.touch) body.addClass('qo_ctrlnum_iPad');
    }
    body.append(base, ul).appendTo(g.$hider || g.$wrap);
    g.ctrl = { body, base, ul, items };
    labelItems(g, ul, items);
    g.items = items;
    items.on('click', function () {
        g.pickFromController(items.index(this));
    });
    createPreview($, g);
}

function reservedForBanner(g) {
    return g.opts.showbanner && g.opts.place.vertical === 'top' ? bannerRoom : 0;
}

export function layoutNumControl(g) {
    const { body, base, items } = g.ctrl;
    const place = g.opts.place;
    const B = reservedForBanner(g);
    const pitch = items.first().outerWidth(true) || 0;
    const width = Math.min(g.count * pitch + 20, g.W - 20 - B);
    body.css({ width, left: 'auto', right: 'auto', top: 'auto', bottom: 'auto' });
    if (place.centerx) body.css({ left: Math.round(B + (g.W - B - width) / 2) });
    else body.css(place.horizontal, place.x);
    body.css(place.vertical, place.y);
    base.css({ width: '100%', height: '100%' });
    if (g.$hider) slideNumControl(g, g.pointerInside, false);
}

export function followNumControl(g, a) {
    g.ctrl.items.removeClass('stay').eq(a).addClass('stay');
}

// Slides the hidden controller into its place, or out of sight past the gallery's edge.
export function slideNumControl(g, visible, animated = true) {
    const body = g.ctrl.body;
    const place = g.opts.place;
    const out = -(body.outerHeight() + place.y + 10);
    const prop = {};
    prop[place.vertical] = visible ? place.y : out;
    prop.opacity = visible ? 1 : 0;
    body.stop(true);
    if (animated) body.animate(prop, pace(g, 'fast'));
    else body.css(prop);
}

function createPreview($, g) {
    if (!g.$thumb || !g.$thumb.length) return;
    const box = g.$thumb.addClass('qo_box_kageattr qo_photo_frame').attr('aria-hidden', 'true').hide();
    const imgs = g.$thumbLis.children('img');
    frameThumbs(g, imgs);
    imgs.css({ height: g.opts.thumb.height - 6, display: 'block' });
    box.appendTo(g.$hider || g.$wrap);
    g.preview = box;
    const items = g.ctrl.items;
    items.on('mouseenter', function () {
        showPreview(g, items.index(this));
    });
    items.on('touchmove', (e) => {
        const touch = e.originalEvent.touches[0];
        const li = $(document.elementFromPoint(touch.clientX, touch.clientY)).closest(items);
        if (li.length) showPreview(g, items.index(li));
    });
    g.ctrl.body.on('mouseleave', () => hidePreview(g));
}

export function layoutPreview(g) {
    if (!g.preview) return;
    const outer = outerThumbWidth(g.opts);
    const height = g.opts.thumb.height - 6 + 2 * frameWidth(g.opts) + (g.opts.thumbporaloid ? g.opts.thumb.titleheight : 0);
    g.preview.css({ width: outer, height, padding: 0 });
    g.$thumbUl.css({ width: g.count * outer, left: 0 });
    g.$thumbLis.css({ width: outer, left: 'auto', margin: 0 });
}

export function showPreview(g, k) {
    const box = g.preview;
    if (!box) return;
    const item = g.ctrl.items.eq(k);
    const body = g.ctrl.body;
    const outer = outerThumbWidth(g.opts);
    const itemLeft = body.position().left + item.position().left + item.outerWidth() / 2;
    const atBottom = g.opts.place.vertical === 'bottom';
    const top = atBottom ? body.position().top - box.outerHeight() - 8 : body.position().top + body.outerHeight() + 8;
    const left = Math.max(0, Math.min(g.W - box.outerWidth(), itemLeft - box.outerWidth() / 2));
    revealThumbs(g, k, 1);
    if (!box.is(':visible')) box.css({ left, top });
    box.stop(true).show().css({ opacity: 1 }).animate({ left, top }, pace(g, g.opts.thumbspeed));
    g.$thumbUl.stop(true).animate({ left: -k * outer }, pace(g, g.opts.thumbspeed));
}

export function hidePreview(g) {
    if (g.preview && g.preview.is(':visible')) g.preview.stop(true).fadeOut(pace(g, 'fast'));
}
