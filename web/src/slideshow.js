// The slideshow: after each transition the next slide follows slideshow_interval ms later
// while the flag is on. It holds while the visitor is in the gallery (pointer over it or
// keyboard focus in it) until they leave or start it themselves with the play control.
export function cancelSlideshowTimer(g) {
    clearTimeout(g.slideshowTimer);
    g.slideshowTimer = null;
}

export function startSlideshowTimer(g) {
    cancelSlideshowTimer(g);
    if (!g.slideshow || g.held) return;
    g.slideshowTimer = setTimeout(() => g.goTo(g.current + 1), g.opts.slideshow_interval);
}

function setFlag(g, on) {
    g.slideshow = on;
    if (g.showPlayState) g.showPlayState();
}

function setSlideshow(g, on) {
    clearTimeout(g.pauseTimer);
    setFlag(g, on);
    if (!on) return cancelSlideshowTimer(g);
    g.held = false;
    if (g.state === 'none') g.goTo(g.current + 1);
}

export function toggleSlideshow(g) {
    setSlideshow(g, !g.slideshow);
}

export function holdSlideshow(g, held) {
    g.held = held;
    if (held) cancelSlideshowTimer(g);
    else if (g.state === 'none' && !g.slideshowTimer) startSlideshowTimer(g);
}

export function bindSlideshowControls($, g) {
    const opts = g.opts;
    if (opts.toggleslide) $(opts.toggleslide).on('click', () => toggleSlideshow(g));
    if (opts.playslide) $(opts.playslide).on('click', () => setSlideshow(g, true));
    if (opts.stopslide) $(opts.stopslide).on('click', () => setSlideshow(g, false));
}

// A slide picked through the controller of a self-running gallery: autoslidepause 1 stops
// the slideshow, 2 also starts it again with the next slide after autopause_interval ms
// (once the visitor has left the gallery).
export function pauseForPick(g) {
    const opts = g.opts;
    if (!opts.autoslideshow || !opts.autoslidepause) return;
    clearTimeout(g.pauseTimer);
    setFlag(g, false);
    cancelSlideshowTimer(g);
    if (opts.autoslidepause !== 2) return;
    g.pauseTimer = setTimeout(() => {
        setFlag(g, true);
        if (!g.held) g.goTo(g.current + 1);
    }, opts.autopause_interval);
}
