// The gallery script: the easing curves, `rotate`, and the plugins `qorimgloader`,
// `qorWipe`, `resizer` and `qorslider`, installed on the page's jQuery.
import { installEasing } from './easing.js';
import { installRotate } from './rotate.js';
import { installImgLoader } from './imgloader.js';
import { installWipe } from './wipe.js';
import { installResizer } from './resizer.js';
import { installSlider } from './slider.js';

installEasing($);
installRotate($);
installImgLoader($);
installWipe($);
installResizer($);
installSlider($);
