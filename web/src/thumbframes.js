// The frames and titles of thumbnails, shared by the strip and the preview box.
export function frameWidth(opts) {
    return opts.thumbborderwidth > 0 || opts.thumbporaloid ? opts.thumbborderwidth : 0;
}

export function outerThumbWidth(opts) {
    return opts.thumb.width + 2 * frameWidth(opts);
}

export function frameThumbs(g, imgs) {
    const opts = g.opts;
    const border = frameWidth(opts);
    imgs.css({ width: opts.thumb.width });
    if (border > 0 || opts.thumbporaloid) {
        imgs.css({ borderStyle: 'solid', borderWidth: border, borderColor: opts.thumbbordercolor });
        if (opts.thumbporaloid) imgs.css({ borderBottomWidth: opts.thumb.titleheight + border });
    }
    if (g.browser.legacy) imgs.addClass('qo_thumb_frame_ie8').css({ padding: 5 + border });
    else imgs.addClass('qo_thumb_frame');
}

export function titleThumbs($, g, imgs) {
    const opts = g.opts;
    if (!opts.showthumbtitle) return;
    const border = frameWidth(opts);
    const pull = (opts.thumbporaloid ? opts.thumb.titleheight + 2 * border - 4 : border - 3) - opts.thumbtitleoffset;
    imgs.each(function () {
        const title = $(this).attr('title');
        if (!title) return;
        const span = $('<span></span>').append($('<p class="qo_span_h2"></p>').text(title));
        span.css({ display: 'block', position: 'relative' }).css(g.browser.legacy ? { top: 5 + opts.thumbtitleoffset } : { top: -pull, left: border });
        $(this).after(span);
    });
}
