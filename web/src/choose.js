// Choosing the effect of one slide change.
import { idCount, effectOfId, hasInvertedForm, substituteWhenScaled } from './effectgroup.js';
import { randomInt } from './random.js';

// situation: { group, effectseq, slideIndex, scaledDown, first }; the gallery's first
// effect is never inverted.
export function chooseEffect(situation) {
    const seq = situation.effectseq || [];
    let id;
    let inverted;
    if (seq.length > 1) {
        const entry = Number(seq[situation.slideIndex % seq.length]);
        id = Math.abs(entry);
        inverted = entry < 0;
    } else {
        id = randomInt(idCount(situation.group));
        inverted = Math.random() < 0.5;
    }
    let effect = effectOfId(situation.group, id);
    if (situation.scaledDown) effect = substituteWhenScaled(effect);
    return { name: effect.name, variant: effect.variant, inverted: inverted && !situation.first && hasInvertedForm(effect.name) };
}
