// Random choices of the effects: one place, so every choice follows Math.random.
export function randomInt(n) {
    return Math.floor(Math.random() * n);
}

export function shuffled(list) {
    const result = list.slice();
    for (let i = result.length - 1; i > 0; i--) {
        const j = randomInt(i + 1);
        const kept = result[i];
        result[i] = result[j];
        result[j] = kept;
    }
    return result;
}
