// The slideshow's play control: the page's own toggleslide, playslide and stopslide
// elements become keyboard controls; a page without them gets the script's play/pause
// button in the corner of the slides, shown with the other buttons.
import { toggleSlideshow } from './slideshow.js';
import { actOnEnterAndSpace } from './keyboard.js';

function focusable(el) {
    return el.tabIndex >= 0 && (el.hasAttribute('tabindex') || /^(A|BUTTON|INPUT|SELECT|TEXTAREA)$/.test(el.tagName));
}

function makeControls($, selector) {
    const elements = $(selector);
    elements.each(function () {
        if (focusable(this)) return;
        $(this).attr({ role: 'button', tabindex: 0 });
        actOnEnterAndSpace($(this));
    });
}

export function showPlayState(g) {
    if (!g.playButton) return;
    g.playButton.attr('aria-label', g.slideshow ? g.words.stop : g.words.play).toggleClass('qo_playing', g.slideshow);
}

export function createPlayControl($, g) {
    const opts = g.opts;
    if (opts.toggleslide || opts.playslide || opts.stopslide) {
        [opts.toggleslide, opts.playslide, opts.stopslide].filter(Boolean).forEach((sel) => makeControls($, sel));
        return;
    }
    if (g.count < 2) return;
    g.playButton = $('<div class="qo_play" role="button" tabindex="0"></div>').appendTo(g.$slides);
    g.playButton.on('click', (e) => {
        e.stopPropagation();
        toggleSlideshow(g);
    });
    showPlayState(g);
}
