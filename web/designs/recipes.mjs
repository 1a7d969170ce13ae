// The ready-made designs: the factory standard "stdSetting.qor" (the settings dialog's
// initial values) and the templates of the resource folder's samples, each written as the
// properties it changes over the factory standard.

// Colour values are the platform's: red in the low byte, then green, then blue.
export function colourValue(rrggbb) {
    const n = parseInt(rrggbb, 16);
    return ((n & 0xff) << 16) | (n & 0xff00) | ((n >> 16) & 0xff);
}

export const factoryStandard = {
    Identifier: 'qorcss117.0',
    PageTitle: 'QorSlider',
    ImageWidth: 720,
    ImageHeight: 270,
    ThumbWidth: 112,
    ThumbHeight: 44,
    ControllerType: 0,
    FrameType: 2,
    GalleryFrameColorHex: 'F0F0F0',
    CtrlPosition: 0,
    TransitIndex: 0,
    TransitDuration: 1,
    SlideshowInterval: 4,
    AutoSlideShow: false,
    BackGroundColorHex: 'FFFFFF',
    ColorCommentText: 'FFFFFF64',
    ColorCommentShadow: '10000014',
    ColorCommentBG: '8080001E',
    CommentPosIndex: 1,
    ShowTopic: true,
    ColorTopicText: 'FFFFFF64',
    ColorTopicShadow: '10000014',
    ColorTopicBG: '00000032',
    ProgressBar: true,
    ColorProgressBar: 'FF990064',
    Responsive: false,
    MinScale: 60,
    MouseEmulateFlick: false,
    PrevArrowFile: '00-prev.png',
    NextArrowFile: '00-next.png',
    ImageQuality: 80,
    ShowButton: true,
    WrapperMarginY: 10,
    ShowThumbTitle: false,
    ThumbPolaroid: false,
    ColorThumbTitleText: '00000064',
    ColorThumbTitleShadow: '10000014',
    ThumbTitleHeight: 28,
    ThumbTitleOffsetY: 0,
    ThumbBorderWidth: 2,
    ThumbBorderColorHex: 'F0FBFF',
    StartColor: colourValue('FFFFFF'),
    EndColor: colourValue('C0C0C0'),
    AutoHideCtrl: true,
    CtrlWidth: 100,
    ShowQorHeader: 0,
    SlideIdentifier: 1,
};

const dark = {
    BackGroundColorHex: '202020',
    GalleryFrameColorHex: '3A3A3A',
    StartColor: colourValue('4A4A4A'),
    EndColor: colourValue('161616'),
    ThumbBorderColorHex: '9A9A9A',
    ColorCommentBG: '00000046',
    ColorTopicBG: 'C8143C50',
    ColorProgressBar: '33CCFF64',
    PrevArrowFile: '01-prev.png',
    NextArrowFile: '01-next.png',
};

const blue = {
    BackGroundColorHex: 'EAF2FA',
    GalleryFrameColorHex: 'FFFFFF',
    StartColor: colourValue('F4F9FF'),
    EndColor: colourValue('A9C6E4'),
    ThumbBorderColorHex: 'FFFFFF',
    ColorCommentBG: '1E50A046',
    ColorTopicBG: '1E78D250',
    ColorProgressBar: '1E78D264',
};

const pink = {
    BackGroundColorHex: 'FFF0F5',
    GalleryFrameColorHex: 'FFE4EC',
    StartColor: colourValue('FFF5F8'),
    EndColor: colourValue('F2B8CB'),
    ThumbBorderColorHex: 'FFFFFF',
    ColorCommentBG: 'B4285046',
    ColorTopicBG: 'E6508C50',
    ColorProgressBar: 'FF69B464',
};

// name, caption of the template list, properties over the factory standard.
export const templates = [
    ['sample01_thumb', '標準:サムネイル表示', {}],
    ['sample02_num', '標準:番号表示', { ControllerType: 1, CtrlPosition: 3 }],
    ['sample03_dot', '標準:ドット表示', { ControllerType: 2, CtrlPosition: 4 }],
    ['sample04_none', '標準:コントローラなし', { ControllerType: 3, FrameType: 1 }],
    ['sample05_polaroid', 'ポラロイド:サムネイル表示', { ShowThumbTitle: true, ThumbPolaroid: true, ThumbBorderColorHex: 'FFFFFF', ThumbTitleHeight: 22, ColorThumbTitleText: '33333364', ColorThumbTitleShadow: 'FFFFFF1E', StartColor: colourValue('707070'), EndColor: colourValue('3C3C3C') }],
    ['sample06_shadow', '影付き:サムネイル表示', { FrameType: 1, CommentPosIndex: 4 }],
    ['sample07_noframe', '枠なし:番号表示', { FrameType: 0, ControllerType: 1, CtrlPosition: 1, CommentPosIndex: 3 }],
    ['sample08_dark', 'ダーク:サムネイル表示', Object.assign({}, dark)],
    ['sample09_dark_num', 'ダーク:番号表示', Object.assign({ ControllerType: 1, CtrlPosition: 3 }, dark)],
    ['sample10_blue', 'ブルー:サムネイル表示', Object.assign({ ShowThumbTitle: true, ColorThumbTitleText: '1E3C6464' }, blue)],
    ['sample11_thumbh1', 'ヘッダー付:サムネイル表示', { ShowQorHeader: 1 }],
    ['sample12_numh1', 'ヘッダー付:番号表示', { ShowQorHeader: 1, ControllerType: 1, CtrlPosition: 3 }],
    ['sample13_pink_dot', 'ピンク:ドット表示', Object.assign({ ControllerType: 2, CtrlPosition: 4, CommentPosIndex: 5 }, pink)],
    ['sample14_slideall', '横スクロール:ドット表示', { TransitIndex: 1, ControllerType: 2, CtrlPosition: 1, CommentPosIndex: 2, ShowTopic: false }],
    ['sample21_col1_thumb', '1段サイト:サムネイル表示', { ShowQorHeader: 2 }],
    ['sample22_col2_thumb', '2段サイト:サムネイル表示', { ShowQorHeader: 3 }],
    ['sample23_col3_num', '3段サイト:番号表示', { ShowQorHeader: 4, ControllerType: 1, CtrlPosition: 3 }],
];

export function designOf(overrides) {
    return Object.assign({}, factoryStandard, overrides);
}

export function setArguments(design) {
    return Object.entries(design).flatMap(([name, value]) => ['--set', name + '=' + (typeof value === 'boolean' ? String(value) : value)]);
}
