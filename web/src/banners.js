// Banners: the slide's banner text on a ribbon turned to -45 degrees over the slide's
// top-left corner, shown once its slide has been shown.
import { pace } from './motion.js';

const turned = -45;

function bannerOf(g, index) {
    return g.$lis.eq(index).children('.qo_topicbase');
}

function place(g) {
    return g.browser.legacy ? { left: -25, top: -25 } : { left: -85, top: -36 };
}

export function createBanners($, g) {
    if (!g.opts.showbanner) return;
    g.$lis.each(function () {
        const li = $(this);
        const topic = li.children('a').attr('data-topic');
        if (!topic) return;
        const banner = $('<span class="qo_topicbase qo_topic1"></span>').append($('<p></p>').text(topic));
        if (g.browser.legacy) banner.addClass('qo_topicIE8');
        li.append(banner.css(place(g)).hide());
    });
}

export function showBanner(g, index, done) {
    const banner = bannerOf(g, index);
    if (!g.opts.showbanner || !banner.length) return done();
    const at = place(g);
    banner.stop(true).css(at).css({ opacity: 1 }).show();
    if (!g.browser.legacy) {
        banner.rotate(0).rotate(turned, pace(g, 300), done);
        return;
    }
    banner.rotate(turned).css({ left: at.left - 80, top: at.top - 80 }).animate(at, pace(g, 300), 'easeOutElastic', done);
}

export function hideBanner(g, index) {
    const banner = bannerOf(g, index);
    if (!banner.length || !banner.is(':visible')) return;
    if (!g.browser.legacy) {
        banner.rotate(0, pace(g, 200), () => banner.hide());
        return;
    }
    const at = place(g);
    banner.stop(true).animate({ left: at.left - 80, top: at.top - 80 }, pace(g, 200), () => banner.hide());
}
