// What the gallery needs to know of the browser: old Internet Explorer (6 to 8 get the
// legacy classes and offsets) and touch devices.
const ieVersions = [10, 9, 8, 7, 6];
const touchNames = ['iPhone', 'iPad', 'iPod', 'Android'];

export function detectBrowser(userAgent) {
    const ie = userAgent.indexOf('MSIE') >= 0;
    let version = 0;
    if (ie) {
        const found = ieVersions.filter((v) => userAgent.indexOf('MSIE ' + v) >= 0);
        version = found.length ? found[0] : 10;
    }
    return {
        ie,
        version,
        legacy: ie && version >= 6 && version <= 8,
        touch: touchNames.some((name) => userAgent.indexOf(name) >= 0),
    };
}

// Old Internet Explorer cannot slide the controller in and out (below 8) nor draw the
// instant-photo frames (up to 8).
export function adaptOptionsToBrowser(opts, browser) {
    if (browser.ie && browser.version < 8) opts.autohidectrl = false;
    if (browser.ie && browser.version <= 8) opts.thumbporaloid = false;
}
