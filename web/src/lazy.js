// Pictures written with data-src instead of src (qorgallery build --lazy) are fetched only
// when needed: the current slide and its neighbours, and the thumbnails in view.
function reveal(imgs) {
    imgs.each(function () {
        const src = this.getAttribute('data-src');
        if (!src) return;
        this.setAttribute('src', src);
        this.removeAttribute('data-src');
    });
    return imgs;
}

export function hasLazyPictures(wrap) {
    return wrap.find('img[data-src]').length > 0;
}

export function revealSlides(g, a) {
    if (!g.lazy || !g.count) return;
    [a - 1, a, a + 1].forEach((k) => reveal(g.$lis.eq((k + g.count) % g.count).children('img')));
}

export function revealThumbs(g, first, count) {
    if (!g.lazy) return;
    reveal(g.$thumbLis.slice(Math.max(0, first), Math.max(0, first) + Math.max(1, count)).children('img'));
}

// What the first slide needs before the gallery starts: its picture and, in thumbnail
// mode, the thumbnails the strip shows at first.
export function picturesForFirstSlide(g, visibleThumbs) {
    const first = reveal(g.$lis.eq(0).children('img'));
    if (!g.thumbMode) return first;
    return first.add(reveal(g.$thumbLis.slice(0, Math.max(1, visibleThumbs)).children('img')));
}
