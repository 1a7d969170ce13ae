// `qorWipe`: recognises drags and flicks by mouse and by one finger. A press that moves at
// least 5 pixels in x or y is a drag; handlers.start may refuse it by returning false,
// handlers.move follows it, handlers.end gets (dx, dy, dragged, pressMs, event) on release,
// on the end of the touch, or when the mouse leaves the element.
const dragThreshold = 5;

function pointOf(e) {
    const ev = e.originalEvent || e;
    const touch = ev.touches && ev.touches.length ? ev.touches[0] : ev.changedTouches && ev.changedTouches[0];
    const p = touch || e;
    return { x: p.pageX, y: p.pageY };
}

export function installWipe($) {
    $.fn.qorWipe = function (handlers) {
        return this.each(function () {
            const el = $(this);
            let press = null;
            const begin = (e) => {
                press = { start: pointOf(e), at: Date.now(), dx: 0, dy: 0, dragged: false };
            };
            const follow = (e) => {
                if (!press) return;
                const p = pointOf(e);
                press.dx = p.x - press.start.x;
                press.dy = p.y - press.start.y;
                if (!press.dragged && (Math.abs(press.dx) >= dragThreshold || Math.abs(press.dy) >= dragThreshold)) {
                    if (handlers.start && handlers.start(e) === false) {
                        press = null;
                        return;
                    }
                    press.dragged = true;
                }
                if (!press.dragged) return;
                e.preventDefault();
                if (handlers.move) handlers.move(press.dx, press.dy, e);
            };
            const finish = (e) => {
                if (!press) return;
                const done = press;
                press = null;
                if (handlers.end) handlers.end(done.dx, done.dy, done.dragged, Date.now() - done.at, e);
            };
            el.on('mousedown', (e) => {
                if (e.which !== 1) return;
                e.preventDefault();
                begin(e);
            });
            el.on('mousemove touchmove', follow);
            el.on('mouseup mouseleave touchend touchcancel', finish);
            el.on('touchstart', (e) => {
                if (e.originalEvent.touches.length === 1) begin(e);
                else press = null;
            });
        });
    };
}
