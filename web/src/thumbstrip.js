// The thumbnail controller: a strip of framed thumbnails under the slides that scrolls to
// keep the current slide's thumbnail in view and follows drags.
import { thumbPitch, firstToShow, firstAfterDrag } from './thumbpitch.js';
import { outerThumbWidth, frameThumbs, titleThumbs } from './thumbframes.js';
import { labelItems, syncThumbFocus } from './access.js';
import { revealThumbs } from './lazy.js';
import { pace } from './motion.js';

export function createThumbStrip($, g) {
    const strip = g.$thumb;
    const imgs = g.$thumbLis.children('img');
    if (g.browser.ie) strip.addClass('qo_thumbbg_ie');
    frameThumbs(g, imgs);
    titleThumbs($, g, imgs);
    g.strip = { first: 0, fit: 0, pitch: 0 };
    labelItems(g, g.$thumbUl, g.$thumbLis);
    g.items = g.$thumbLis;
    imgs.on('mouseenter', function () {
        $(this).addClass('qo_imghover');
    }).on('mouseleave', function () {
        $(this).removeClass('qo_imghover');
    });
    g.$thumbLis.on('click', function () {
        if (!g.justDragged()) g.pickFromController(g.$thumbLis.index(this));
    });
    followDrags($, g);
}

export function stripHeight(g) {
    return g.opts.thumb.height + (g.browser.legacy ? 6 : 0) + (g.browser.legacy ? 6 : 10);
}

export function layoutThumbStrip(g) {
    const count = g.$thumbLis.length;
    const outer = outerThumbWidth(g.opts);
    const { fit, margin, pitch } = thumbPitch(g.W, outer);
    g.strip.fit = fit;
    g.strip.pitch = pitch;
    g.$thumb.css({
        width: g.W,
        height: g.opts.thumb.height + (g.browser.legacy ? 6 : 0),
        paddingTop: g.browser.legacy ? 6 : 10,
        opacity: 1,
    });
    g.$thumbUl.css({ width: count * pitch });
    g.$thumbLis.each(function (k) {
        this.style.left = k * pitch + Math.round(margin) + 'px';
    });
    g.strip.first = firstToShow(g.current, g.strip.first, fit, count);
    moveStrip(g, false);
}

function stripLeft(g) {
    const count = g.$thumbLis.length;
    if (g.strip.fit >= count) return Math.round((g.W - count * g.strip.pitch) / 2);
    return -g.strip.first * g.strip.pitch;
}

// The thumbnails in view: the only ones fetched (lazy pictures) and reached with Tab.
function showStripRange(g) {
    const count = g.$thumbLis.length;
    const all = g.strip.fit >= count;
    const first = all ? 0 : g.strip.first;
    const shown = all ? count : Math.max(1, g.strip.fit);
    revealThumbs(g, first, shown);
    syncThumbFocus(g, first, shown);
}

function moveStrip(g, animated) {
    showStripRange(g);
    g.$thumbUl.stop(true);
    if (animated) g.$thumbUl.animate({ left: stripLeft(g) }, pace(g, g.opts.thumbspeed));
    else g.$thumbUl.css({ left: stripLeft(g) });
}

export function followThumb(g, a) {
    const imgs = g.$thumbLis.children('img');
    imgs.removeClass('qo_imgactive').eq(a).addClass('qo_imgactive');
    if (g.browser.legacy) g.$thumbLis.removeClass('active').eq(a).addClass('active');
    g.strip.first = firstToShow(a, g.strip.first, g.strip.fit, g.$thumbLis.length);
    moveStrip(g, true);
}

function followDrags($, g) {
    let startLeft = 0;
    const count = () => g.$thumbLis.length;
    const scrollable = () => g.strip.fit < count();
    g.$thumb.qorWipe({
        start: () => {
            g.$thumbUl.stop(true);
            startLeft = stripLeft(g);
        },
        move: (dx) => {
            if (!scrollable()) return;
            const least = -(count() - g.strip.fit) * g.strip.pitch;
            g.$thumbUl.css({ left: Math.min(0, Math.max(least, startLeft + dx)) });
        },
        end: (dx, dy, dragged, pressMs, e) => {
            if (dragged) {
                g.markDragged();
                if (scrollable()) g.strip.first = firstAfterDrag(g.strip.first, dx, g.strip.pitch, g.strip.fit, count());
                moveStrip(g, true);
                return;
            }
            if (g.browser.touch && e.type === 'touchend' && pressMs < 500) tapThumb($, g, e);
        },
    });
}

function tapThumb($, g, e) {
    const touch = e.originalEvent.changedTouches[0];
    const li = $(document.elementFromPoint(touch.clientX, touch.clientY)).closest(g.$thumbLis);
    if (!li.length) return;
    e.preventDefault();
    g.pickFromController(g.$thumbLis.index(li));
}
