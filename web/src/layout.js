// Sizes of the wrapper, the slides and the controller for the current W x H.
import { layoutThumbStrip, stripHeight } from './thumbstrip.js';
import { layoutNumControl, layoutPreview } from './numcontrol.js';
import { layoutButtons } from './navbuttons.js';
import { layoutHider } from './hover.js';

function layoutSlides(g) {
    g.$slides.css({ width: g.W, height: g.H });
    g.$lis.children('img').css({ width: g.W, height: g.H });
    if (!g.rowMode) {
        g.$lis.addClass('qo_slides_li_block').css({ width: g.W, height: g.H });
        return;
    }
    g.$slideUl.css({ width: g.count * g.W, marginLeft: -g.current * g.W });
    g.$lis.each(function (k) {
        $(this).css({ left: k * g.W, width: g.W, height: g.H });
    });
    g.$lis.children('span').css({ width: g.W - 20 });
}

export function layoutGallery(g) {
    layoutSlides(g);
    g.$wrap.css({ width: g.W, height: g.H + g.stripOuterHeight() });
    if (g.thumbMode) layoutThumbStrip(g);
    if (g.ctrl) layoutNumControl(g);
    layoutPreview(g);
    layoutHider(g);
    layoutButtons(g);
}

export function stripOuterHeightOf(g) {
    return g.thumbMode ? stripHeight(g) : 0;
}
