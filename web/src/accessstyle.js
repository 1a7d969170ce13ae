// The focus ring and the reduced-motion rules, added by the script to the page it runs in
// (the gallery's own style sheet stays as written). A two-tone ring, amber around near
// black, stands out on light and dark pictures alike; on controls that a clipping box
// holds tightly it is drawn inside the control.
const amber = '#FFD400';
const ink = '#1A1A1A';

function rules(w) {
    const inside = [w + ' .qo_thumb li[role=button]', w + ' .qo_navi_btn', w + ' .qo_play'];
    const ring = inside.map((s) => s + ':focus-visible::after').join(',');
    return [
        w + ':focus-visible {outline:2px solid ' + amber + '; outline-offset:0; box-shadow:0 0 0 5px ' + ink + ';}',
        inside.map((s) => s + ':focus-visible').join(',') + ' {outline:none;}',
        ring + ' {content:""; position:absolute; left:0; top:0; right:0; bottom:0; z-index:1; pointer-events:none;' +
            ' border:3px solid ' + amber + '; box-shadow:inset 0 0 0 2px ' + ink + '; border-radius:inherit;}',
        w + ' #control_body li:focus-visible {outline:3px solid ' + amber + '; outline-offset:2px; box-shadow:0 0 0 2px ' + ink + ';}',
        w + ' .qo_slides li > img:focus-visible {outline:3px solid ' + amber + '; outline-offset:-3px;}',
        w + ' .qo_play {position:absolute; right:4px; width:36px; height:36px; z-index:700; border-radius:50%;' +
            ' background:rgba(0,0,0,0.6); cursor:pointer; opacity:0;}',
        w + ' .qo_play:focus-visible {opacity:1 !important;}',
        w + ' .qo_play::before {content:""; position:absolute; left:14px; top:10px; border-style:solid;' +
            ' border-width:8px 0 8px 13px; border-color:transparent transparent transparent #FFFFFF;}',
        w + ' .qo_play.qo_playing::before {left:12px; top:11px; width:4px; height:14px; border-width:0 4px;' +
            ' border-color:#FFFFFF;}',
        '@media (prefers-reduced-motion: reduce) {' + w + ', ' + w + ' * {transition:none !important; animation:none !important;}}',
    ].join('\n');
}

export function addFocusStyle($, g) {
    const mark = 'qorslider' + g.serial;
    g.$wrap.attr('data-qorslider', mark);
    $('<style></style>').text(rules('[data-qorslider="' + mark + '"]')).appendTo(document.head || document.documentElement);
}
