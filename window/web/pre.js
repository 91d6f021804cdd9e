// SPDX-License-Identifier: MIT
// The page's own part of the program, put at the head of diruvari.js: the
// moment the first board has been painted, for whoever measures it.
Module['onBoardShown'] = () => {
    requestAnimationFrame(() => setTimeout(() => performance.mark('board-painted')));
};
