// Names of the gallery and its controls for assistive technology, in the page's language:
// Japanese for a page (or gallery) marked lang="ja", English otherwise.
const words = {
    en: {
        gallery: 'Gallery',
        slide: 'Slide',
        previous: 'Previous slide',
        next: 'Next slide',
        play: 'Start slideshow',
        stop: 'Stop slideshow',
    },
    ja: {
        gallery: 'ギャラリー',
        slide: 'スライド',
        previous: '前のスライド',
        next: '次のスライド',
        play: 'スライドショーを開始',
        stop: 'スライドショーを停止',
    },
};

export function languageOf(el) {
    const marked = el.closest ? el.closest('[lang]') : null;
    return marked ? marked.getAttribute('lang').toLowerCase() : '';
}

export function wordsFor(el) {
    const lang = languageOf(el);
    return lang === 'ja' || lang.indexOf('ja-') === 0 ? words.ja : words.en;
}
