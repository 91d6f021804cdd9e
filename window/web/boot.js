// SPDX-License-Identifier: MIT
// The page's own part of the program, before the program itself: the moment
// the first board has been painted, for whoever measures it.
var Module = {
    onBoardShown() {
        requestAnimationFrame(() => setTimeout(() => performance.mark('board-painted')));
    },
};
