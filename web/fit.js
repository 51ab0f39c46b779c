// Fits the game's canvas into the window (or the screen in fullscreen): the largest size with the
// play field's shape, drawn pixelated. A whole number of device pixels per game pixel keeps every
// pixel the same size, so it is taken whenever it gives up at most 15 % of the largest fit; else
// the largest fit itself (always, when the player's settings say whole_pixels = false, which the
// game tells through window.kelvaronWholePixels). Portrait with the touch overlay keeps the lower
// part of the screen for the controls.
'use strict';

const fieldWidth = kelvaronFacts.field.width;
const fieldHeight = kelvaronFacts.field.height;

// The canvas holds the play field pixel for pixel, and the text below the game is as wide.
function sizeCanvas() {
  const canvas = document.getElementById('screen');
  canvas.width = fieldWidth;
  canvas.height = fieldHeight;
  document.documentElement.style.setProperty('--field-width', `${fieldWidth}px`);
}

// The CSS size of the canvas for an area of width x height CSS pixels at `ratio` device pixels
// per CSS pixel.
function fittedSize(width, height, ratio) {
  const devicePixels = Math.min(width / fieldWidth, height / fieldHeight) * ratio;
  const whole = Math.floor(devicePixels);
  const preferWhole = window.kelvaronWholePixels != false;
  const takeWhole = preferWhole && whole >= 1 && whole >= 0.85 * devicePixels;
  const scale = (takeWhole ? whole : devicePixels) / ratio;
  return {width: fieldWidth * scale, height: fieldHeight * scale};
}

function fitScreen() {
  const stage = document.getElementById('stage');
  const canvas = document.getElementById('screen');
  const width = stage.clientWidth;
  let height = stage.clientHeight;
  const portraitTouch = document.body.dataset.device == 'touch' && height > width;
  if (portraitTouch) height = Math.min(height * 0.6, width * fieldHeight / fieldWidth);
  const size = fittedSize(width, height, window.devicePixelRatio || 1);
  canvas.style.width = `${size.width}px`;
  canvas.style.height = `${size.height}px`;
  canvas.style.left = `${Math.round((width - size.width) / 2)}px`;
  canvas.style.top = portraitTouch ? '0px' : `${Math.round((height - size.height) / 2)}px`;
}

window.addEventListener('resize', fitScreen);
window.addEventListener('orientationchange', fitScreen);
document.addEventListener('fullscreenchange', fitScreen);
// A move to a screen of another pixel density changes the ratio without resizing the window.
(function watchRatio() {
  matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`)
      .addEventListener('change', () => { fitScreen(); watchRatio(); }, {once: true});
})();
sizeCanvas();
fitScreen();
