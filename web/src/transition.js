// One slide change from the start of its effect to the clean-up: the effect's pieces, the
// caption and banner of the new slide, and what follows (a stacked request or the
// slideshow timer).
import { chooseEffect } from './choose.js';
import { buildEffect } from './effects.js';
import { runPieces } from './pieces.js';
import { showCaption } from './captions.js';
import { showBanner } from './banners.js';
import { removeProgress } from './progress.js';
import { applyScale } from './scaling.js';
import { startSlideshowTimer } from './slideshow.js';
import { pace } from './motion.js';

// Under reduced motion the gallery appears with a short fade and slides change in place.
const shortFade = 200;
const inPlace = { name: 'none', variant: 0, inverted: false };

function pictureOf(g, index) {
    return g.$lis.eq(index).children('img').attr('src');
}

function currentImage(g) {
    return g.$lis.eq(g.current).children('img');
}

export function hideCurrentPicture(g) {
    currentImage(g).css({ visibility: 'hidden' });
}

// The new slide shows under the pieces and the previous one steps away.
function showCurrentSlide(g) {
    if (g.rowMode) return;
    currentImage(g).css({ visibility: 'visible' });
    g.$lis.eq(g.previous).removeClass('reset');
}

function cleanUp(g) {
    removeProgress(g);
    if (g.scale.pending) applyScale(g);
    showCurrentSlide(g);
    g.pieces.forEach((el) => el.stop(true).remove());
    g.pieces = [];
    g.state = 'none';
    g.rowMoving = false;
    g.opts.callback.call(g.$wrap[0], g.current);
    if (g.requests.length) {
        const next = g.requests.pop();
        g.requests = [];
        g.goTo(next);
    } else {
        startSlideshowTimer(g);
    }
}

// The pieces have done their work: caption, banner and clean-up follow.
function transitionEnded(g) {
    const showing = g.current;
    setTimeout(
        () => {
            if (g.state !== 'doing') return cleanUp(g);
            showCaption(g, showing, () => showBanner(g, showing, () => cleanUp(g)));
        },
        g.state === 'doing' ? 800 : 100
    );
}

function firstShow($, g) {
    g.firstShow = false;
    showCurrentSlide(g);
    if (g.rowMode) g.$slideUl.css({ marginLeft: -g.current * g.W });
    g.lastEffect = { name: 'fade', variant: 0, inverted: false, first: true };
    g.$wrap.css({ visibility: 'visible', opacity: 0 }).animate({ opacity: 1 }, g.reducedMotion() ? shortFade : 1000, 'linear', () => transitionEnded(g));
}

function rowScroll(g) {
    g.rowMoving = true;
    g.lastEffect = { name: 'slideall', variant: 0, inverted: false };
    g.$slideUl.stop(true).animate({ marginLeft: -g.current * g.W }, pace(g, undefined), () => transitionEnded(g));
}

function runEffect($, g, from) {
    const choice = g.reducedMotion() ? inPlace : chooseEffect({ group: g.group, effectseq: g.opts.effectseq, slideIndex: g.current, scaledDown: g.scale.scaledDown, first: !g.effectsRun });
    g.effectsRun = (g.effectsRun || 0) + 1;
    g.lastEffect = choice;
    const effect = buildEffect(Object.assign({ forwards: g.current > from, W: g.W, H: g.H, opts: g.opts }, choice));
    if (!effect) {
        showCurrentSlide(g);
        return transitionEnded(g);
    }
    if (effect.units.some((unit) => unit.some((piece) => piece.out))) showCurrentSlide(g);
    let finished = 0;
    let ended = false;
    const total = effect.units.reduce((sum, unit) => sum + unit.length, 0);
    const onPieceDone = () => {
        finished++;
        if (ended || (finished < total && g.state === 'doing')) return;
        ended = true;
        transitionEnded(g);
    };
    g.pieces = runPieces($, g.$slides, effect, {
        W: g.W,
        H: g.H,
        duration: g.opts.transitduration,
        accel: g.opts.transit.accel,
        easing: g.opts.transit.easing,
        currentSrc: pictureOf(g, g.current),
        previousSrc: pictureOf(g, from),
        onPieceDone,
    });
}

export function startTransition($, g, from) {
    g.state = 'doing';
    if (g.firstShow) return firstShow($, g);
    if (g.rowMode) return rowScroll(g);
    runEffect($, g, from);
}
