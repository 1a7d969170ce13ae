// The pieces an effect lays over the slide area: divs that each show the part of a slide
// picture under their final place, animated from a start state to an end state.
import { pieceTiming } from './timing.js';

function pieceElement($, piece, src, W, H) {
    const b = piece.box;
    if (piece.cropper) {
        const img = $('<img alt="">').attr('src', src).css({ position: 'absolute', left: -b.left, top: -b.top, width: W, height: H, maxWidth: 'none' });
        return $('<div class="qo_piece qo_cropper"></div>').css({ zIndex: 12 }).append(img);
    }
    return $('<div class="qo_piece"></div>').css({
        zIndex: 10,
        backgroundImage: 'url("' + src + '")',
        backgroundSize: W + 'px ' + H + 'px',
        backgroundPosition: -b.left + 'px ' + -b.top + 'px',
        backgroundRepeat: 'no-repeat',
    });
}

function states(piece) {
    const place = Object.assign({ opacity: 1 }, piece.box);
    const away = Object.assign({}, piece.box, piece.from);
    return piece.out ? { start: place, end: away } : { start: away, end: place };
}

// Lays the pieces into area and starts them. onPieceDone runs once per finished piece.
// Returns the piece elements.
export function runPieces($, area, effect, run) {
    const elements = [];
    const n = effect.units.length;
    effect.units.forEach((unit, i) => {
        unit.forEach((piece) => {
            const { start, end } = states(piece);
            const src = piece.out ? run.previousSrc : run.currentSrc;
            const el = pieceElement($, piece, src, run.W, run.H).css({ position: 'absolute', overflow: 'hidden' }).css(start);
            const timing = pieceTiming(effect.timing, piece, i, n, run.duration, run.accel);
            if (piece.turn) el.rotate(piece.out ? 0 : piece.turn);
            area.append(el);
            elements.push(el);
            el.delay(timing.delay)
                .queue((next) => {
                    if (piece.turn) el.rotate(piece.out ? piece.turn : 0, timing.duration);
                    next();
                })
                .animate(end, timing.duration, run.easing || effect.easing, run.onPieceDone);
        });
    });
    return elements;
}
