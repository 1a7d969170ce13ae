// Responsive scaling: the gallery follows the scale `resizer` reports, never below
// minscale; a scale that arrives during a transition waits for its end.
import { cancelSlideshowTimer } from './slideshow.js';
import { hideCaption } from './captions.js';
import { layoutGallery } from './layout.js';

export function attachResizer($, g) {
    const reference = { width: g.$wrap.outerWidth(), height: g.$wrap.outerHeight() };
    $(window).resizer({ width: reference.width, height: reference.height, scaled: (scale) => rescale(g, scale) });
}

function rescale(g, scale) {
    g.scale.value = Math.max(scale, g.opts.minscale);
    g.scale.scaledDown = g.scale.value < 1;
    if (g.state !== 'none') {
        g.scale.pending = true;
        return;
    }
    applyScale(g);
}

export function applyScale(g) {
    g.scale.pending = false;
    cancelSlideshowTimer(g);
    clearTimeout(g.rescaleTimer);
    hideCaption(g, g.current);
    g.W = Math.floor(g.opts.width * g.scale.value);
    g.H = Math.floor(g.opts.height * g.scale.value);
    layoutGallery(g);
    g.rescaleTimer = setTimeout(() => g.goTo(g.current + 1), 500);
}
