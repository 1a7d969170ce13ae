// The keyboard: Left/Right and Page Up/Down go to the previous/next slide, Home/End to the
// first/last, on the gallery that holds the focus; Enter and Space act on the focused
// control as a click does. Keyboard focus inside the gallery shows its controls as the
// pointer does.
import { setFocusInside } from './hover.js';

function keyTarget(g, key) {
    const last = g.count - 1;
    if (key === 'ArrowLeft' || key === 'PageUp') return Math.max(0, g.current - 1);
    if (key === 'ArrowRight' || key === 'PageDown') return Math.min(last, g.current + 1);
    if (key === 'Home') return 0;
    if (key === 'End') return last;
    return null;
}

function isActivation(e) {
    return e.key === 'Enter' || e.key === ' ' || e.key === 'Spacebar';
}

// Controls that are not buttons by nature (page elements given as slideshow controls too).
export function actOnEnterAndSpace(elements) {
    elements.on('keydown', function (e) {
        if (!isActivation(e) || e.target !== this) return;
        e.preventDefault();
        this.click();
    });
}

function keyboardFocused(el) {
    try {
        return el.matches(':focus-visible');
    } catch (err) {
        return true;
    }
}

export function followKeys(g) {
    const wrap = g.$wrap;
    wrap.on('keydown', (e) => {
        if (e.altKey || e.ctrlKey || e.metaKey || !g.count) return;
        if (isActivation(e)) {
            const control = $(e.target).closest('[role=button], [role=link]', wrap[0]);
            if (!control.length) return;
            e.preventDefault();
            control[0].click();
            return;
        }
        const target = keyTarget(g, e.key);
        if (target === null) return;
        e.preventDefault();
        if (target !== g.current) g.goTo(target, true);
    });
    wrap.on('focusin', (e) => setFocusInside(g, keyboardFocused(e.target)));
    wrap.on('focusout', (e) => {
        if (!e.relatedTarget || !wrap[0].contains(e.relatedTarget)) setFocusInside(g, false);
    });
}
