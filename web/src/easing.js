// The five easing curves the gallery names, in the progress form jQuery calls them with
// (x runs from 0 to 1). Overshoot 1.70158 for easeOutBack; easeOutElastic swings with a
// period of 0.3 of the animation.
const overshoot = 1.70158;
const elasticPeriod = 0.3;

export const easingCurves = {
    easeInOutExpo(x) {
        if (x <= 0 || x >= 1) return x <= 0 ? 0 : 1;
        return x < 0.5 ? Math.pow(2, 20 * x - 10) / 2 : (2 - Math.pow(2, 10 - 20 * x)) / 2;
    },
    easeOutCirc(x) {
        return Math.sqrt(1 - Math.pow(x - 1, 2));
    },
    easeOutElastic(x) {
        if (x <= 0 || x >= 1) return x <= 0 ? 0 : 1;
        const shift = elasticPeriod / 4;
        return Math.pow(2, -10 * x) * Math.sin(((x - shift) * 2 * Math.PI) / elasticPeriod) + 1;
    },
    easeOutBack(x) {
        const t = x - 1;
        return 1 + (overshoot + 1) * t * t * t + overshoot * t * t;
    },
    easeOutBounce(x) {
        const n = 7.5625;
        const d = 2.75;
        if (x < 1 / d) return n * x * x;
        if (x < 2 / d) return n * (x -= 1.5 / d) * x + 0.75;
        if (x < 2.5 / d) return n * (x -= 2.25 / d) * x + 0.9375;
        return n * (x -= 2.625 / d) * x + 0.984375;
    },
};

export function installEasing($) {
    $.extend($.easing, easingCurves);
}
