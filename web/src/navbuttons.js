// The previous and next buttons at the sides of the slides; they slide in while the mouse
// is over the gallery, each only when there is a slide to go to on its side.
export function createButtons($, g) {
    if (!g.opts.showbutton) return;
    const prev = $('<div class="qo_navi_btn qo_navi_prev" data-dir="-1"></div>');
    const next = $('<div class="qo_navi_btn qo_navi_next" data-dir="1"></div>');
    g.$slides.append(prev, next);
    g.buttons = { prev, next };
    g.$slides.on('click', '.qo_navi_btn', function (e) {
        e.stopPropagation();
        g.goTo(g.current + Number($(this).attr('data-dir')));
    });
}

export function layoutButtons(g) {
    if (!g.buttons) return;
    const { prev, next } = g.buttons;
    prev.css({ top: Math.round((g.H - prev.outerHeight()) / 2) });
    next.css({ top: Math.round((g.H - next.outerHeight()) / 2) });
    updateButtons(g, false);
}

function slide(button, side, shown, animated) {
    const prop = {};
    prop[side] = shown ? 0 : -button.outerWidth() - 2;
    button.stop(true);
    if (animated) button.animate(prop, 'fast');
    else button.css(prop);
}

export function updateButtons(g, animated) {
    if (!g.buttons) return;
    const inside = g.pointerInside;
    slide(g.buttons.prev, 'left', inside && g.current > 0, animated);
    slide(g.buttons.next, 'right', inside && g.current < g.count - 1, animated);
}
