// SPDX-License-Identifier: MIT
// The board as the browser tests see it: the design's colours, a board to
// paint on the test page by letters, and the client-area pixels that tell a
// card's colour and whether its ring shows.
export const orange = '#ffc080';
export const black = '#000000';
export const palette = ['#ff0000', '#00ff00', '#0000ff', '#ffff00', '#ff00ff', '#00ffff'];
export const letters = 'RGBYMC';
// Cards 5 and 6 make a pair, as do 14 and 15; no other neighbours match.
export const board = 'RGBR GRRG BGBR RGBB';
export const draws = (text) => [...text.replace(/ /g, '')].map((c) => letters.indexOf(c));

// The gap left of card k, where the frame's ring shows exactly while k is
// selected, and the card's centre.
export const gapLeft = (shot, k) => shot.at(33 * (k % 4) + 1, 33 * Math.floor(k / 4) + 18);
export const centre = (shot, k) => shot.at(33 * (k % 4) + 18, 33 * Math.floor(k / 4) + 18);
