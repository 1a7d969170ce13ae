// Captions: the span of each slide, prepared once and animated in after each transition.
import { pace } from './motion.js';

const customEffects = ['custom', 'customl', 'customr'];

function captionOf(g, index) {
    return g.$lis.eq(index).children('span').not('.qo_topicbase');
}

function hasShownBanner(g, index) {
    return g.opts.showbanner && g.$lis.eq(index).children('.qo_topicbase').length > 0;
}

// Which side a custom caption stands on: left offset in pixels.
function customLeft(g) {
    const effect = g.opts.cmteffect;
    const right = effect === 'customr' || (effect === 'custom' && Math.random() < 0.5);
    return right ? g.W * (1 - g.opts.cmtwidth) : 0;
}

export function prepareCaptions(g) {
    const spans = g.$lis.children('span');
    if (g.rowMode) {
        spans.addClass('qo_slides_span qo_slides_shiftspan').css({ width: g.W - 20 });
        return;
    }
    spans.addClass('qo_slides_span qo_slides_blockspan');
    if (g.browser.legacy) spans.addClass('qo_slides_span_bgIE8');
    if (customEffects.indexOf(g.opts.cmteffect) >= 0) spans.css({ width: g.opts.cmtwidth * g.W, bottom: 30 });
    spans.css({ opacity: 0 }).hide();
    captionOf(g, 0).show();
}

function blockMovement(g, span, index) {
    const W = g.W;
    const effect = g.opts.cmteffect;
    if (customEffects.indexOf(effect) >= 0) {
        span.css({ width: g.opts.cmtwidth * W, paddingLeft: 15, left: customLeft(g) });
        return { bottom: 30, opacity: 1 };
    }
    span.css({ width: W, paddingLeft: hasShownBanner(g, index) ? 140 : 15 });
    const h = span.outerHeight();
    if (effect === 'down') span.css({ top: -h, bottom: 'auto' });
    if (effect === 'up') span.css({ bottom: -h });
    if (effect === 'left') span.css({ left: -W });
    if (effect === 'right') span.css({ left: W });
    const end = { opacity: 1 };
    if (effect === 'down') end.top = 0;
    if (effect === 'up') end.bottom = 0;
    if (effect === 'left' || effect === 'right') end.left = 0;
    return end;
}

function rowMovement(g, span) {
    const W = g.W;
    const H = g.H;
    const effect = g.opts.cmteffect;
    const h = span.outerHeight();
    span.css({ opacity: 1, marginLeft: 0, marginTop: 0 });
    if (customEffects.indexOf(effect) >= 0) {
        span.css({ width: g.opts.cmtwidth * W, marginLeft: customLeft(g) });
        return { marginTop: -h - 30 };
    }
    if (effect === 'down') {
        span.css({ marginTop: -H - h });
        return { marginTop: -H - 10 };
    }
    if (effect === 'up') return { marginTop: -h };
    if (effect === 'left' || effect === 'right') {
        span.css({ marginTop: -h, marginLeft: -W });
        return { marginLeft: 0 };
    }
    span.css({ marginTop: -h, opacity: 0 });
    return { opacity: 1 };
}

// Animates the caption of slide index in; done runs when it stands (at once without one).
export function showCaption(g, index, done) {
    const span = captionOf(g, index);
    if (!span.length || g.opts.cmteffect === 'none') return done();
    span.stop(true).css({ display: 'block' });
    if (!g.rowMode) span.css({ opacity: 0, left: 0, bottom: 0, top: 'auto' });
    const end = g.rowMode ? rowMovement(g, span) : blockMovement(g, span, index);
    span.animate(end, { duration: pace(g, undefined), complete: done });
}

export function hideCaption(g, index) {
    const span = captionOf(g, index);
    if (g.rowMode) span.stop(true).animate({ opacity: 0 }, pace(g, 'fast'));
    else span.stop(true).fadeOut(pace(g, 'fast'));
}
