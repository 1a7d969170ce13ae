// Flicks on the slides: a drag to the right goes to the previous slide, to the left to the
// next one. In row mode the row follows the pointer while it is dragged.
import { cancelSlideshowTimer, startSlideshowTimer } from './slideshow.js';
import { toggleByTap } from './hover.js';
import { pace } from './motion.js';

function clampIndex(g, a) {
    return Math.max(0, Math.min(g.count - 1, a));
}

export function followFlicks(g) {
    let startMargin = 0;
    g.$slides.qorWipe({
        start: () => {
            if (g.rowMode && g.rowMoving) return false;
            cancelSlideshowTimer(g);
            if (g.rowMode) startMargin = parseFloat(g.$slideUl.css('marginLeft')) || 0;
        },
        move: (dx) => {
            if (!g.rowMode) return;
            const least = -(g.count * g.W - g.W);
            g.$slideUl.css({ marginLeft: Math.min(0, Math.max(least, startMargin + dx)) });
        },
        end: (dx, dy, dragged, pressMs, e) => {
            if (!dragged) {
                if (g.browser.touch && e.type === 'touchend' && pressMs < 500) toggleByTap(g);
                return;
            }
            g.markDragged();
            const target = dx === 0 ? g.current : clampIndex(g, g.current + (dx > 0 ? -1 : 1));
            if (target !== g.current) return g.goTo(target, true);
            if (g.rowMode) g.$slideUl.animate({ marginLeft: -g.current * g.W }, pace(g, undefined));
            if (g.state === 'none') startSlideshowTimer(g);
        },
    });
}
