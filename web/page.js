// The page around the game: its hooks into the game (for its own controls and for tests), the
// first-visit card, fullscreen, messages, no scrolling while a game runs, and the service worker
// that lets it start offline.
'use strict';

// Module.gameStarted: the game has started and answers the calls below.
var Module = {
  onRuntimeInitialized() {
    document.getElementById('status').textContent = '';
    if (document.getElementById('intro').hidden) document.getElementById('screen').focus();
  },
  postRun: [() => { Module.gameStarted = true; }],
};

// Scripted play (script, step) replaces the wall clock by one that reads clockStart + frame / 100
// seconds and runs frames only when asked, with the controls the page's key and touch events hold:
// the same frames as kelvaron-sim --clock-start clockStart [--start-level level] [--invincible]
// gives.
window.kelvaron = {
  script(clockStart = 1700000000, level = 0, invincible = false) {
    Module._kelvaron_begin_script(clockStart, level, invincible ? 1 : 0);
  },
  step(frames = 1, show = true) { return Module._kelvaron_step(frames, show ? 1 : 0); },
  present() { Module._kelvaron_present(); },
  updates() { return Module._kelvaron_updates(); },
  droppedUpdates() { return Module._kelvaron_dropped_updates(); },
  spriteCount() { return Module._kelvaron_sprite_count(); },
  paused() { return Module._kelvaron_paused() != 0; },
  // 'not started' until the first key, touch or click, then the AudioContext's state.
  audioState() { return Module.audio ? Module.audio.state : 'not started'; },
  soundOn() { return Module._kelvaron_sound_on() != 0; },
  togglePause() { Module._kelvaron_toggle_pause(); },
  // New key bindings, "control=Name[,Name]" pairs ("fire=J;pause=Q,Escape"); false when refused.
  framesShown() { return (Module.screen && Module.screen.framesShown) || 0; },
  firstFrameAt() { return Module.screen && Module.screen.firstFrameAt; },
  // 'title', 'fight', 'result' or 'replay'.
  screen() { return ['title', 'fight', 'result', 'replay'][Module._kelvaron_screen()]; },
  titleSelected() { return Module._kelvaron_title_selected(); },
  // The title menu's entries, each as the frame the game draws round it when selected:
  // [{left, top, right, bottom}] in play-field pixels.
  titleEntries() {
    const box = Module._malloc(16);
    const entries = [];
    while (Module._kelvaron_title_entry_frame(entries.length, box)) {
      const [left, top, right, bottom] = Module.HEAP32.subarray(box >> 2, (box >> 2) + 4);
      entries.push({left, top, right, bottom});
    }
    Module._free(box);
    return entries;
  },
  ship() { return {x: Module._kelvaron_ship_x(), y: Module._kelvaron_ship_y()}; },
  playerShots() { return Module._kelvaron_player_shots(); },
  highscoresCsv() { return Module.ccall('kelvaron_highscores_csv', 'string', [], []); },
  tableRecords() { return Module._kelvaron_table_records(); },
  // The bytes of a file (a Uint8Array) in the module's memory for the duration of `use(at)`.
  withBytes(bytes, use) {
    const at = Module._malloc(bytes.length || 1);
    Module.HEAPU8.set(bytes, at);
    try {
      return use(at);
    } finally {
      Module._free(at);
    }
  },
  // What loading a highscores.csv would give: {records, lines}.
  checkHighscores(bytes) {
    return kelvaron.withBytes(bytes, (at) => {
      const lines = Module._malloc(4);
      const records = Module._kelvaron_check_highscores(at, bytes.length, lines);
      const count = Module.HEAP32[lines >> 2];
      Module._free(lines);
      return {records, lines: count};
    });
  },
  // Replaces the table by a highscores.csv's bytes, read as the file is read.
  loadHighscores(bytes) {
    kelvaron.withBytes(bytes, (at) => Module._kelvaron_load_highscores(at, bytes.length));
  },
  // Plays a .kvr's bytes back; returns why they were refused, or '' when playing.
  playReplay(bytes) {
    return kelvaron.withBytes(bytes, (at) => Module.ccall(
        'kelvaron_play_replay', 'string', ['number', 'number'], [at, bytes.length]));
  },
  replaying() { return Module._kelvaron_replaying() != 0; },
};

// A line over the game for a few seconds.
function showMessage(text, seconds = 6) {
  const message = document.getElementById('message');
  message.textContent = text;
  message.hidden = false;
  clearTimeout(showMessage.timer);
  showMessage.timer = setTimeout(() => { message.hidden = true; }, seconds * 1000);
  document.getElementById('status').textContent = text;
}

function focusGame() {
  document.getElementById('intro').hidden = true;
  document.getElementById('screen').focus();
}

// The first visit opens the card that says what the game is and how it is played.
function setUpIntro() {
  const intro = document.getElementById('intro');
  let visited = true;
  try {
    visited = localStorage.getItem(kelvaronFacts.storage.visited) != null;
    localStorage.setItem(kelvaronFacts.storage.visited, '1');
  } catch (refused) {
  }
  intro.hidden = visited;
  document.getElementById('play').addEventListener('click', focusGame);
  document.getElementById('help').addEventListener('click', () => { intro.hidden = false; });
  document.getElementById('screen').addEventListener('click', focusGame);
  // Enter (and Escape on the card) brings the focus to the game.
  window.addEventListener('keydown', (event) => {
    if (event.key == 'Enter' && !event.altKey) focusGame();
    if (event.key == 'Escape' && !intro.hidden) focusGame();
  });
}

// Fullscreen from the button, F11 and Alt+Enter, as the Linux program has them.
function toggleFullscreen() {
  const stage = document.getElementById('stage');
  if (document.fullscreenElement) {
    document.exitFullscreen().catch(() => {});
  } else if (stage.requestFullscreen) {
    stage.requestFullscreen({navigationUI: 'hide'}).then(() => {
      // Landscape is the playing orientation, where the browser lets a page choose.
      if (screen.orientation && screen.orientation.lock) {
        screen.orientation.lock('landscape').catch(() => {});
      }
    }).catch(() => {});
  }
  document.getElementById('screen').focus();
}

function setUpFullscreen() {
  document.getElementById('fullscreen').addEventListener('click', toggleFullscreen);
  window.addEventListener('keydown', (event) => {
    if (event.key == 'F11' || (event.key == 'Enter' && event.altKey)) {
      event.preventDefault();
      toggleFullscreen();
    }
  });
}

// While a fight or a result screen is up, the page stays put at the top.
function watchPlaying() {
  const check = () => {
    if (Module.gameStarted) {
      const playing = kelvaron.screen() != 'title';
      if (playing != document.body.classList.contains('playing')) {
        document.body.classList.toggle('playing', playing);
        if (playing) window.scrollTo(0, 0);
      }
    }
    requestAnimationFrame(check);
  };
  requestAnimationFrame(check);
}

// The service worker keeps this version's files, so that the game starts without a network.
function registerServiceWorker() {
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

setUpIntro();
setUpFullscreen();
watchPlaying();
registerServiceWorker();
