// `resizer`: tells the gallery the scale that fits the window (less 20 by 60 pixels for
// the page around it), at start and at every resize, whenever that scale changes.
export function fittingScale(windowWidth, windowHeight, refWidth, refHeight) {
    const width = windowWidth - 20;
    const height = windowHeight - 60;
    if (width < 10 || height < 10) return null;
    return Math.min(1, width / refWidth, height / refHeight);
}

export function installResizer($) {
    // settings: { width, height, scaled(scale) }
    $.fn.resizer = function (settings) {
        const win = this;
        let last = 1;
        const check = () => {
            const scale = fittingScale(win.width(), win.height(), settings.width, settings.height);
            if (scale === null || scale === last) return;
            last = scale;
            settings.scaled(scale);
        };
        win.on('resize', check);
        check();
        return this;
    };
}
