// The effect builders by name, and the forms every builder shares: inversion and the
// random visiting order.
import { stripe, cube, dropblock, popblock } from './effects-blocks.js';
import { fade, shift, door, foldscreenv, foldscreenh, shiftscreen, divparts, divpartsh, divcorner } from './effects-screens.js';
import { shuffled } from './random.js';

const builders = { fade, shift, door, stripe, cube, dropblock, popblock, foldscreenh, foldscreenv, shiftscreen, divparts, divpartsh, divcorner };

const reversedWhenInverted = ['stripe', 'cube'];

function flyOut(units) {
    return units.map((unit) =>
        unit.map((piece) => Object.assign({}, piece, { out: true, from: Object.assign({}, piece.from, { opacity: 0 }) }))
    );
}

// ctx: { name, variant, inverted, forwards, W, H, opts }. Returns null for "none".
export function buildEffect(ctx) {
    const builder = builders[ctx.name];
    if (!builder) return null;
    const effect = builder(ctx);
    if (ctx.inverted) {
        if (reversedWhenInverted.indexOf(ctx.name) >= 0) effect.units.reverse();
        else effect.units = flyOut(effect.units);
    } else if (ctx.opts.randomblock) {
        effect.units = shuffled(effect.units);
    }
    return effect;
}
