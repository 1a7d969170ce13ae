// `qorimgloader`: waits for the pictures inside the selected elements and draws the
// progress. The first check comes 100 ms after the start, then every 60 ms; at the first
// check later than 500 ms the gallery starts anyway, so a slow picture never holds it back.
const firstCheck = 100;
const checkEvery = 60;
const giveUpAfter = 500;

export function progressPercent(loaded, total) {
    return total ? Math.ceil((loaded * 100) / total) : 100;
}

export function installImgLoader($) {
    // settings: { progtext, text (p), bar (span), box, complete }
    $.fn.qorimgloader = function (settings) {
        const pictures = this.find('img').addBack('img').get();
        const started = Date.now();
        const show = (percent) => {
            settings.text.text(settings.progtext + '... ' + percent + ' %');
            settings.bar.css('width', percent + '%');
        };
        const check = () => {
            const loaded = pictures.filter((img) => img.complete).length;
            if (loaded < pictures.length && Date.now() - started <= giveUpAfter) {
                show(progressPercent(loaded, pictures.length));
                setTimeout(check, checkEvery);
                return;
            }
            show(100);
            settings.box.fadeOut(300);
            settings.complete();
        };
        setTimeout(check, firstCheck);
        return this;
    };
}
