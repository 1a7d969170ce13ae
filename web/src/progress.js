// The progress box shown while the pictures load: the gallery is wrapped in a "mama" div
// that also holds the box, both removed after the first transition.
import { picturesForFirstSlide } from './lazy.js';
import { thumbPitch } from './thumbpitch.js';
import { outerThumbWidth } from './thumbframes.js';

export function startWithProgress($, g, start) {
    const id = g.$wrap.attr('id');
    g.$wrap.wrap($('<div></div>').attr('id', id ? id + 'mama' : 'wrapmama').css({ position: 'relative' }));
    g.$mama = g.$wrap.parent();
    const box = $('<div class="qor_progress"><p class="qor_progtext"></p><div class="qor_progbar"><span></span></div></div>');
    const wrapAt = g.$wrap.offset();
    const mamaAt = g.$mama.offset();
    box.css({
        position: 'absolute',
        width: 0.6 * g.W,
        left: wrapAt.left - mamaAt.left + 0.2 * g.W,
        top: wrapAt.top - mamaAt.top + g.$wrap.outerHeight() / 2 - 20,
    });
    g.$mama.append(box);
    g.$progress = box;
    const pictures = g.lazy ? picturesForFirstSlide(g, thumbPitch(g.W, outerThumbWidth(g.opts)).fit) : g.$thumbLis.length ? g.$thumbLis : g.$lis;
    pictures.qorimgloader({ progtext: g.opts.progtext, text: box.find('p'), bar: box.find('span'), box, complete: start });
}

export function removeProgress(g) {
    if (!g.$progress) return;
    g.$progress.remove();
    g.$progress = null;
    g.$wrap.unwrap();
    g.$mama = null;
}
