// The slideshow: after each transition the next slide follows slideshow_interval ms later
// while the flag is on.
export function cancelSlideshowTimer(g) {
    clearTimeout(g.slideshowTimer);
    g.slideshowTimer = null;
}

export function startSlideshowTimer(g) {
    cancelSlideshowTimer(g);
    if (!g.slideshow) return;
    g.slideshowTimer = setTimeout(() => g.goTo(g.current + 1), g.opts.slideshow_interval);
}

function setSlideshow(g, on) {
    clearTimeout(g.pauseTimer);
    g.slideshow = on;
    if (!on) return cancelSlideshowTimer(g);
    if (g.state === 'none') g.goTo(g.current + 1);
}

export function bindSlideshowControls($, g) {
    const opts = g.opts;
    if (opts.toggleslide) $(opts.toggleslide).on('click', () => setSlideshow(g, !g.slideshow));
    if (opts.playslide) $(opts.playslide).on('click', () => setSlideshow(g, true));
    if (opts.stopslide) $(opts.stopslide).on('click', () => setSlideshow(g, false));
}

// A slide picked through the controller of a self-running gallery: autoslidepause 1 stops
// the slideshow, 2 also starts it again with the next slide after autopause_interval ms.
export function pauseForPick(g) {
    const opts = g.opts;
    if (!opts.autoslideshow || !opts.autoslidepause) return;
    clearTimeout(g.pauseTimer);
    g.slideshow = false;
    cancelSlideshowTimer(g);
    if (opts.autoslidepause !== 2) return;
    g.pauseTimer = setTimeout(() => {
        g.slideshow = true;
        g.goTo(g.current + 1);
    }, opts.autopause_interval);
}
