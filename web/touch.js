// The touch overlay: shown once the screen is touched, hidden again once a key or a gamepad is
// used. Everything it does reaches the game as the same eight controls a keyboard gives:
// - a finger moving anywhere but on the buttons flies the ship by its motion (the game turns the
//   motion into held arrows, one 3-pixel step per update, so the ship follows the finger);
// - Fire holds Z, Auto holds Z until switched off again, Bomb holds X, II does what P does;
// - on the title a tap on an entry selects it by Up / Down presses and a tap on the selected entry
//   confirms it with Z; on a result screen a tap is Space.
'use strict';

const touchBits = kelvaronFacts.controls;
const touchState = {shown: false, auto: false, fire: new Set(), bomb: new Set(), drag: null,
                    menuTarget: null, menuUntil: 0};

function touchReady() { return !!Module.gameStarted; }

function showTouch(shown) {
  if (touchState.shown == shown) return;
  touchState.shown = shown;
  document.getElementById('touch').hidden = !shown;
  document.body.dataset.device = shown ? 'touch' : 'keyboard';
  if (!shown) {
    touchState.auto = false;
    touchState.fire.clear();
    touchState.bomb.clear();
    touchState.drag = null;
    document.querySelector('#touch [data-touch="auto"]').classList.remove('on');
    if (touchReady()) Module._kelvaron_touch_clear();
  }
  fitScreen();
}

function holdTouchButtons() {
  if (!touchReady()) return;
  const fire = touchState.auto || touchState.fire.size > 0;
  Module._kelvaron_touch_hold((fire ? touchBits.z : 0) | (touchState.bomb.size ? touchBits.x : 0));
}

// Play-field pixels per CSS pixel of the fitted canvas.
function fieldScale() {
  return fieldWidth / document.getElementById('screen').getBoundingClientRect().width;
}

// How far from the frame the title draws round an entry a tap still counts for that entry, in
// play-field pixels: a finger's width above and below (rows 50 apart meet), and to the right over
// the entry's text and beyond.
const menuReach = {left: 36, right: 180, vertical: 12};

// The title menu's entry under a point of the page, or null. The game says where its entries are.
function menuEntryAt(clientX, clientY) {
  const box = document.getElementById('screen').getBoundingClientRect();
  const x = (clientX - box.left) * fieldScale();
  const y = (clientY - box.top) * fieldScale();
  const entry = kelvaron.titleEntries().findIndex(
      (frame) => x >= frame.left - menuReach.left && x <= frame.right + menuReach.right &&
                 y >= frame.top - menuReach.vertical && y < frame.bottom + menuReach.vertical);
  return entry >= 0 ? entry : null;
}

function tapMenu(entry) {
  const now = performance.now();
  const selected = touchState.menuTarget != null && now < touchState.menuUntil ?
                       touchState.menuTarget : kelvaron.titleSelected();
  if (entry == selected) {
    Module._kelvaron_touch_press(touchBits.z, 3);
  } else {
    const control = entry > selected ? touchBits.down : touchBits.up;
    for (let i = Math.abs(entry - selected); i > 0; --i) Module._kelvaron_touch_press(control, 2);
  }
  touchState.menuTarget = entry;
  touchState.menuUntil = now + 300;
}

function onTouchDown(event) {
  if (!touchReady()) return;
  event.preventDefault();
  const button = event.target.closest('[data-touch]');
  event.target.setPointerCapture?.(event.pointerId);
  if (button) {
    const what = button.dataset.touch;
    if (what == 'pause') kelvaron.togglePause();
    if (what == 'auto') button.classList.toggle('on', touchState.auto = !touchState.auto);
    if (what == 'fire') touchState.fire.add(event.pointerId);
    if (what == 'bomb') touchState.bomb.add(event.pointerId);
    holdTouchButtons();
    return;
  }
  const screen = kelvaron.screen();
  if (screen == 'title') {
    const entry = menuEntryAt(event.clientX, event.clientY);
    if (entry != null) tapMenu(entry);
  } else if (screen == 'result') {
    Module._kelvaron_touch_press(touchBits.space, 3);
  } else if (screen == 'fight') {
    touchState.drag = {id: event.pointerId, x: event.clientX, y: event.clientY};
  }
}

function onTouchMove(event) {
  const drag = touchState.drag;
  if (!drag || drag.id != event.pointerId) return;
  event.preventDefault();
  const scale = fieldScale();
  Module._kelvaron_touch_drag((event.clientX - drag.x) * scale, (event.clientY - drag.y) * scale);
  drag.x = event.clientX;
  drag.y = event.clientY;
}

function onTouchUp(event) {
  if (touchState.drag && touchState.drag.id == event.pointerId) touchState.drag = null;
  touchState.fire.delete(event.pointerId);
  touchState.bomb.delete(event.pointerId);
  holdTouchButtons();
}

// Browsers announce a gamepad only once, so while the overlay is up its buttons are watched: a
// gamepad in use hides the overlay as a key does.
function watchGamepads() {
  if (touchState.shown && navigator.getGamepads) {
    const pads = [...navigator.getGamepads()].filter((pad) => pad);
    if (pads.some((pad) => pad.buttons.some((button) => button.pressed))) showTouch(false);
  }
  requestAnimationFrame(watchGamepads);
}

function setUpTouch() {
  const overlay = document.getElementById('touch');
  const stage = document.getElementById('stage');
  // The first touch anywhere brings the overlay up.
  document.addEventListener('pointerdown', (event) => {
    if (event.pointerType == 'touch' || event.pointerType == 'pen') showTouch(true);
  }, {capture: true});
  window.addEventListener('keydown', () => showTouch(false), {capture: true});
  window.addEventListener('gamepadconnected', () => showTouch(false));
  requestAnimationFrame(watchGamepads);
  overlay.addEventListener('pointerdown', onTouchDown);
  overlay.addEventListener('pointermove', onTouchMove);
  overlay.addEventListener('pointerup', onTouchUp);
  overlay.addEventListener('pointercancel', onTouchUp);
  // No long-press menu, no double-tap zoom, no page pinch on the game.
  stage.addEventListener('contextmenu', (event) => event.preventDefault());
  stage.addEventListener('dblclick', (event) => event.preventDefault());
  stage.addEventListener('touchstart', (event) => {
    if (event.touches.length > 1 || event.target.closest('#touch')) event.preventDefault();
  }, {passive: false});
  if (matchMedia('(pointer: coarse)').matches && !matchMedia('(pointer: fine)').matches) {
    document.body.dataset.device = 'touch';
  }
}

setUpTouch();
