// The carousel as assistive technology sees it: a labelled region of slides, each a group
// "n / N" with its title; the controller items and buttons as named buttons, the current
// one marked; a polite live region that tells the new slide when the visitor changes it.
// Hidden slides and thumbnails out of the strip's view take no keyboard focus.
import { wordsFor } from './words.js';

const visuallyHidden = {
    position: 'absolute',
    width: 1,
    height: 1,
    margin: -1,
    padding: 0,
    border: 0,
    overflow: 'hidden',
    clip: 'rect(0 0 0 0)',
    clipPath: 'inset(50%)',
    whiteSpace: 'nowrap',
};

function fileName(path) {
    return (path || '').split('/').pop();
}

// The picture's title: its caption heading, else the title of its thumbnail.
export function pictureTitle(g, k) {
    const heading = $.trim(g.$lis.eq(k).find('p.qo_span_h1').first().text());
    return heading || $.trim(g.$thumbLis.eq(k).children('img').attr('title') || '');
}

export function slideLabel(g, k) {
    const title = pictureTitle(g, k);
    return k + 1 + ' / ' + g.count + (title ? ': ' + title : '');
}

export function itemLabel(g, k) {
    const title = pictureTitle(g, k);
    return g.words.slide + ' ' + (k + 1) + (title ? ': ' + title : '');
}

function labelSlides(g) {
    g.$slideUl.attr('role', 'none');
    g.$lis.each(function (k) {
        const li = $(this);
        li.attr({ role: 'group', 'aria-roledescription': 'slide', 'aria-label': slideLabel(g, k) });
        const img = li.children('img');
        const title = pictureTitle(g, k);
        if (title && img.attr('alt') === fileName(img.attr('src') || img.attr('data-src'))) img.attr('alt', title);
        const link = li.children('a');
        link.attr({ tabindex: -1, 'aria-hidden': 'true' });
        const href = link.attr('href');
        if (href && href !== '#') img.attr({ role: 'link', tabindex: 0 });
    });
}

// items: the controller's buttons, one per slide, inside list.
export function labelItems(g, list, items) {
    list.attr('role', 'none');
    items.each(function (k) {
        $(this).attr({ role: 'button', tabindex: 0, 'aria-label': itemLabel(g, k) });
    });
    items.children('img').attr('alt', '');
}

export function makeAccessible(g) {
    g.words = wordsFor(g.$wrap[0]);
    g.$wrap.attr({
        role: 'region',
        'aria-roledescription': 'carousel',
        'aria-label': g.words.gallery + (g.serial > 1 ? ' ' + g.serial : ''),
    });
    if (g.$wrap.attr('tabindex') === undefined) g.$wrap.attr('tabindex', 0);
    labelSlides(g);
    g.$live = $('<div aria-live="polite" aria-atomic="true"></div>').css(visuallyHidden).appendTo(g.$wrap);
}

// Only the current slide is perceivable and focusable; the controller marks its item.
export function followAccess(g, a) {
    g.$lis.each(function (k) {
        if (k === a) this.removeAttribute('inert');
        else this.setAttribute('inert', '');
        this.setAttribute('aria-hidden', k === a ? 'false' : 'true');
    });
    if (g.items) g.items.removeAttr('aria-current').eq(a).attr('aria-current', 'true');
}

export function announce(g, a) {
    if (g.$live) g.$live.text(slideLabel(g, a));
}

// Thumbnails scrolled out of the strip leave the tab order.
export function syncThumbFocus(g, first, shown) {
    g.$thumbLis.each(function (k) {
        this.setAttribute('tabindex', k >= first && k < first + shown ? 0 : -1);
    });
}
