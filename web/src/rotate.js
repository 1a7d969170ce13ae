// `rotate`: turns elements to an angle in degrees (negative turns anticlockwise), at once or
// animated over a duration. Drawn with a CSS transform; the angle reached is kept on the
// element so the next turn starts from it.
const angleKey = 'qorAngle';
const tweenKey = 'qorAngleTween';

function setAngle(el, angle) {
    el.data(angleKey, angle).css('transform', 'rotate(' + angle + 'deg)');
}

export function installRotate($) {
    $.fn.rotate = function (angle, duration, complete) {
        return this.each(function () {
            const el = $(this);
            const running = el.data(tweenKey);
            if (running) running.stop();
            const finish = () => {
                setAngle(el, angle);
                el.removeData(tweenKey);
                if (complete) complete.call(this);
            };
            if (!duration) return finish();
            const tween = $({ angle: el.data(angleKey) || 0 });
            el.data(tweenKey, tween);
            tween.animate(
                { angle },
                { duration, easing: 'linear', step: (now) => setAngle(el, now), complete: finish }
            );
        });
    };
}
