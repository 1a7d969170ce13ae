// Test pictures drawn by the browser: each slide a distinct colour with its number, so a
// screenshot tells which slide stands where.
import { mkdirSync, writeFileSync, existsSync } from 'node:fs';
import { join } from 'node:path';

export function slideHue(n) {
    return (n * 67) % 360;
}

export function slideColour(n) {
    // HSL(h, 70%, 50%) as RGB, the colour drawn in the centre of slide n.
    const h = slideHue(n) / 60;
    const c = 0.7;
    const x = c * (1 - Math.abs((h % 2) - 1));
    const [r, g, b] = h < 1 ? [c, x, 0] : h < 2 ? [x, c, 0] : h < 3 ? [0, c, x] : h < 4 ? [0, x, c] : h < 5 ? [x, 0, c] : [c, 0, x];
    const m = 0.5 - c / 2;
    return [r, g, b].map((v) => Math.round((v + m) * 255));
}

async function drawPicture(page, n, width, height, label) {
    const dataUrl = await page.evaluate(
        ({ n, width, height, hue, label }) => {
            const canvas = document.createElement('canvas');
            canvas.width = width;
            canvas.height = height;
            const ctx = canvas.getContext('2d');
            const grad = ctx.createLinearGradient(0, 0, width, height);
            grad.addColorStop(0, `hsl(${hue},70%,62%)`);
            grad.addColorStop(1, `hsl(${hue},70%,38%)`);
            ctx.fillStyle = grad;
            ctx.fillRect(0, 0, width, height);
            ctx.fillStyle = `hsl(${hue},70%,50%)`;
            ctx.fillRect(width * 0.3, height * 0.3, width * 0.4, height * 0.4);
            ctx.fillStyle = 'rgba(255,255,255,0.9)';
            ctx.font = `bold ${Math.round(height * 0.22)}px sans-serif`;
            ctx.textAlign = 'center';
            ctx.fillText(label || String(n), width / 2, height * 0.2);
            return canvas.toDataURL('image/jpeg', 0.9);
        },
        { n, width, height, hue: slideHue(n), label }
    );
    return Buffer.from(dataUrl.split(',')[1], 'base64');
}

// Writes img/img1.jpg ... and img/thumb/1.jpg ... into folder.
export async function writePictures(page, folder, count, size, thumbSize) {
    mkdirSync(join(folder, 'img', 'thumb'), { recursive: true });
    for (let n = 1; n <= count; n++) {
        writeFileSync(join(folder, 'img', 'img' + n + '.jpg'), await drawPicture(page, n, size.width, size.height));
        writeFileSync(join(folder, 'img', 'thumb', n + '.jpg'), await drawPicture(page, n, thumbSize.width, thumbSize.height));
    }
}

// A flat picture standing in for the pictures the style sheet writer makes from colours.
export async function writeFlatPicture(page, file, width, height, colour) {
    const dataUrl = await page.evaluate(({ width, height, colour }) => {
        const canvas = document.createElement('canvas');
        canvas.width = width;
        canvas.height = height;
        const ctx = canvas.getContext('2d');
        ctx.fillStyle = colour;
        ctx.fillRect(0, 0, width, height);
        return canvas.toDataURL('image/png');
    }, { width, height, colour });
    if (!existsSync(file)) writeFileSync(file, Buffer.from(dataUrl.split(',')[1], 'base64'));
}

export async function writeButtonPicture(page, file, direction) {
    const dataUrl = await page.evaluate((direction) => {
        const canvas = document.createElement('canvas');
        canvas.width = 40;
        canvas.height = 40;
        const ctx = canvas.getContext('2d');
        ctx.fillStyle = 'rgba(0,0,0,0.55)';
        ctx.beginPath();
        ctx.arc(20, 20, 18, 0, Math.PI * 2);
        ctx.fill();
        ctx.strokeStyle = '#fff';
        ctx.lineWidth = 4;
        ctx.beginPath();
        ctx.moveTo(20 - 5 * direction, 10);
        ctx.lineTo(20 + 5 * direction, 20);
        ctx.lineTo(20 - 5 * direction, 30);
        ctx.stroke();
        return canvas.toDataURL('image/png');
    }, direction);
    if (!existsSync(file)) writeFileSync(file, Buffer.from(dataUrl.split(',')[1], 'base64'));
}
