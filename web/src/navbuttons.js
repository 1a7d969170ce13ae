// The previous and next buttons at the sides of the slides; they slide in while the visitor
// is in the gallery, each only when there is a slide to go to on its side. A button with no
// slide on its side leaves the tab order, passing a focus it held to the other one.
import { pace } from './motion.js';

export function createButtons($, g) {
    if (!g.opts.showbutton) return;
    const prev = $('<div class="qo_navi_btn qo_navi_prev" data-dir="-1" role="button" tabindex="0"></div>');
    const next = $('<div class="qo_navi_btn qo_navi_next" data-dir="1" role="button" tabindex="0"></div>');
    prev.attr('aria-label', g.words.previous);
    next.attr('aria-label', g.words.next);
    g.$slides.append(prev, next);
    g.buttons = { prev, next };
    g.$slides.on('click', '.qo_navi_btn', function (e) {
        e.stopPropagation();
        g.goTo(g.current + Number($(this).attr('data-dir')), true);
    });
}

// The play control stands on the right above the next button, clear of the caption at the
// bottom and the banner at the top left.
export function layoutButtons(g) {
    if (g.playButton) g.playButton.css({ top: Math.max(4, Math.round(g.H / 2 - g.playButton.outerHeight() / 2 - 48)) });
    if (!g.buttons) return;
    const { prev, next } = g.buttons;
    prev.css({ top: Math.round((g.H - prev.outerHeight()) / 2) });
    next.css({ top: Math.round((g.H - next.outerHeight()) / 2) });
    updateButtons(g, false);
}

function slide(g, button, side, shown, animated) {
    const prop = {};
    prop[side] = shown ? 0 : -button.outerWidth() - 2;
    button.stop(true);
    if (animated) button.animate(prop, pace(g, 'fast'));
    else button.css(prop);
}

function offerFocus(button, usable, other) {
    const had = button.is(':focus');
    button.attr({ tabindex: usable ? 0 : -1, 'aria-disabled': usable ? 'false' : 'true' });
    if (had && !usable && other.attr('tabindex') === '0') other.trigger('focus');
}

export function updateButtons(g, animated) {
    if (g.playButton) g.playButton.stop(true).css({ opacity: g.engaged ? 0.85 : 0 });
    if (!g.buttons) return;
    const { prev, next } = g.buttons;
    const hasPrev = g.current > 0;
    const hasNext = g.current < g.count - 1;
    slide(g, prev, 'left', g.engaged && hasPrev, animated);
    slide(g, next, 'right', g.engaged && hasNext, animated);
    offerFocus(prev, hasPrev, next);
    offerFocus(next, hasNext, prev);
}
