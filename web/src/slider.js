// `qorslider`: turns the wrapper's slide and thumbnail lists into a gallery.
import { mergeOptions } from './options.js';
import { detectBrowser, adaptOptionsToBrowser } from './browser.js';
import { buildEffectGroup, isRowMode } from './effectgroup.js';
import { prepareCaptions, hideCaption } from './captions.js';
import { createBanners, hideBanner } from './banners.js';
import { createThumbStrip, followThumb } from './thumbstrip.js';
import { createNumControl, followNumControl, hidePreview } from './numcontrol.js';
import { createButtons, updateButtons } from './navbuttons.js';
import { createHider, followMouse } from './hover.js';
import { followFlicks } from './flick.js';
import { bindSlideshowControls, cancelSlideshowTimer, pauseForPick } from './slideshow.js';
import { makeAccessible, followAccess, announce } from './access.js';
import { followKeys } from './keyboard.js';
import { createPlayControl, showPlayState } from './playcontrol.js';
import { addFocusStyle } from './accessstyle.js';
import { prefersReducedMotion } from './motion.js';
import { hasLazyPictures, revealSlides } from './lazy.js';
import { startWithProgress } from './progress.js';
import { attachResizer } from './scaling.js';
import { layoutGallery, stripOuterHeightOf } from './layout.js';
import { startTransition, hideCurrentPicture } from './transition.js';

let gallerySerial = 0;

function createState($, wrap, options) {
    const opts = mergeOptions(options);
    const browser = detectBrowser(navigator.userAgent);
    adaptOptionsToBrowser(opts, browser);
    const $slides = wrap.children('.qo_slides');
    const $thumb = wrap.children('.qo_thumb');
    const g = {
        $wrap: wrap,
        opts,
        browser,
        serial: ++gallerySerial,
        rowMode: isRowMode(opts),
        group: buildEffectGroup(opts.effectgrp),
        $slides,
        $slideUl: $slides.children('ul'),
        $lis: $slides.children('ul').children('li'),
        $thumb,
        $thumbUl: $thumb.children('ul'),
        $thumbLis: $thumb.children('ul').children('li'),
        thumbMode: opts.controller === 'thumb' && $thumb.length > 0,
        W: opts.width,
        H: opts.height,
        current: 1,
        previous: 0,
        state: 'none',
        requests: [],
        // A visitor who asked for less motion starts the slideshow themselves.
        slideshow: !!opts.autoslideshow && !prefersReducedMotion(),
        reducedMotion: prefersReducedMotion,
        lazy: hasLazyPictures(wrap),
        firstShow: true,
        scale: { value: 1, scaledDown: false, pending: false },
        pieces: [],
        pointerInside: false,
        dragEndedAt: 0,
    };
    g.count = g.$lis.length;
    g.stripOuterHeight = () => stripOuterHeightOf(g);
    g.markDragged = () => (g.dragEndedAt = Date.now());
    g.justDragged = () => Date.now() - g.dragEndedAt < 300;
    return g;
}

function followController(g, a) {
    if (g.thumbMode) followThumb(g, a);
    if (g.ctrl) followNumControl(g, a);
}

// byUser: the visitor asked for this slide (not the slideshow); it is announced.
function goTo($, g, requested, byUser) {
    let a = requested >= g.count ? 0 : requested < 0 ? g.count - 1 : requested;
    if (a === g.current || !g.count) return;
    if (byUser) announce(g, a);
    revealSlides(g, a);
    hidePreview(g);
    if (g.state !== 'none') {
        g.requests.push(a);
        g.state = 'ending';
        return;
    }
    if (g.requests.length) {
        a = g.requests.pop();
        g.requests = [];
    }
    hideCaption(g, g.current);
    hideBanner(g, g.current);
    cancelSlideshowTimer(g);
    const from = g.current;
    g.current = a;
    if (!g.rowMode) {
        g.previous = from;
        g.$lis.removeClass('reset');
        g.$lis.eq(from).removeClass('active').addClass('reset');
        g.$lis.eq(a).addClass('active');
        hideCurrentPicture(g);
    }
    followController(g, a);
    followAccess(g, a);
    startTransition($, g, from);
    updateButtons(g, true);
}

function openLink(li) {
    const link = li.children('a');
    const href = link.attr('href');
    if (!link.length || !href || href === '#') return;
    if (link.attr('target') === '_blank') window.open(href, '_blank');
    else window.location.href = href;
}

function buildController($, g) {
    if (g.opts.controller === 'num' || g.opts.controller === 'dot') createNumControl($, g);
    else if (g.thumbMode) createThumbStrip($, g);
    else g.$thumb.hide();
}

function startGallery($, g) {
    g.$wrap.css({ visibility: 'visible' });
    g.$lis.eq(1).addClass('active');
    g.$lis.eq(0).addClass('reset');
    addFocusStyle($, g);
    prepareCaptions(g);
    createBanners($, g);
    createHider($, g);
    buildController($, g);
    createButtons($, g);
    createPlayControl($, g);
    layoutGallery(g);
    followMouse($, g);
    followKeys(g);
    followFlicks(g);
    // The slide area only clips; a scroll (focus, find in page) would shift every piece.
    g.$slides.on('scroll', function () {
        this.scrollLeft = 0;
        this.scrollTop = 0;
    });
    g.$slides.on('click', 'li > img', function () {
        if (!g.justDragged()) openLink($(this).parent());
    });
    goTo($, g, 0);
    if (g.opts.responsive) attachResizer($, g);
}

export function installSlider($) {
    $.fn.qorslider = function (options) {
        return this.each(function () {
            const wrap = $(this);
            const g = createState($, wrap, options);
            g.goTo = (a, byUser) => goTo($, g, a, byUser);
            g.pickFromController = (a) => {
                if (a === g.current) return;
                pauseForPick(g);
                g.goTo(a, true);
            };
            g.showPlayState = () => showPlayState(g);
            makeAccessible(g);
            wrap.data('qorslider', g);
            g.$lis.children('img').on('dragstart', (e) => e.preventDefault());
            const start = () => startGallery($, g);
            if (g.opts.progress) startWithProgress($, g, start);
            else start();
            bindSlideshowControls($, g);
        });
    };
}
