// Follows the visitor: the pointer over the gallery area (W wide, slides plus strip high),
// anywhere on the page, and the keyboard focus in the gallery. Entering slides the buttons
// and the hidden controller in and holds the slideshow; leaving slides them out. On touch
// devices a short tap on the slides toggles them instead.
import { updateButtons } from './navbuttons.js';
import { slideNumControl, hidePreview } from './numcontrol.js';
import { holdSlideshow } from './slideshow.js';

export function createHider($, g) {
    if (!g.opts.autohidectrl || (g.opts.controller !== 'num' && g.opts.controller !== 'dot')) return;
    g.$hider = $('<div class="qo_ctrl_hider"></div>').appendTo(g.$wrap);
}

export function layoutHider(g) {
    if (g.$hider) g.$hider.css({ width: g.W, height: g.H });
}

function engagementChanged(g) {
    const engaged = g.pointerInside || g.focusInside;
    if (engaged === g.engaged) return;
    g.engaged = engaged;
    updateButtons(g, true);
    if (g.$hider) slideNumControl(g, engaged);
    if (!engaged) hidePreview(g);
    holdSlideshow(g, engaged);
}

export function setPointerInside(g, inside) {
    g.pointerInside = inside;
    engagementChanged(g);
}

export function setFocusInside(g, inside) {
    g.focusInside = inside;
    engagementChanged(g);
}

function insideArea(g, x, y) {
    const at = g.$slides.offset();
    return x >= at.left && x < at.left + g.W && y >= at.top && y < at.top + g.H + g.stripOuterHeight();
}

export function followMouse($, g) {
    const ns = '.qorslider' + g.serial;
    $(document).on('mousemove' + ns, (e) => setPointerInside(g, insideArea(g, e.pageX, e.pageY)));
    $(document.documentElement).on('mouseleave' + ns, () => setPointerInside(g, false));
}

export function toggleByTap(g) {
    setPointerInside(g, !g.pointerInside);
}
