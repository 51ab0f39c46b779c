// The last finished games, kept in the browser's IndexedDB as the native programs keep them in
// replays/: listed on the page, downloadable as .kvr files, and played back in the page when one
// is opened or dropped on the game.
'use strict';

const replaysKept = 20;

function openReplays() {
  if (!openReplays.db) {
    openReplays.db = new Promise((resolve, reject) => {
      const request = indexedDB.open(kelvaronFacts.storage.replayDatabase, 1);
      request.onupgradeneeded = () => {
        request.result.createObjectStore('replays', {autoIncrement: true});
      };
      request.onsuccess = () => resolve(request.result);
      request.onerror = () => reject(request.error);
    });
  }
  return openReplays.db;
}

function replayStore(db, mode) { return db.transaction('replays', mode).objectStore('replays'); }

function requestDone(request) {
  return new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

// [{key, name, bytes}], oldest first.
async function storedReplays() {
  const store = replayStore(await openReplays(), 'readonly');
  const [keys, values] = await Promise.all([requestDone(store.getAllKeys()),
                                            requestDone(store.getAll())]);
  return keys.map((key, i) => ({key, ...values[i]}));
}

async function keepReplay(name, bytes) {
  const db = await openReplays();
  await requestDone(replayStore(db, 'readwrite').add({name, bytes}));
  const all = await storedReplays();
  const store = replayStore(db, 'readwrite');
  for (const old of all.slice(0, Math.max(0, all.length - replaysKept))) store.delete(old.key);
  await listReplays();
}

async function listReplays() {
  const list = document.getElementById('replays');
  list.replaceChildren();
  for (const replay of (await storedReplays()).reverse()) {
    const item = document.createElement('li');
    const play = document.createElement('button');
    play.type = 'button';
    play.textContent = 'Play';
    play.addEventListener('click', () => playReplayBytes(replay.name, replay.bytes));
    const save = document.createElement('a');
    save.href = '';
    save.textContent = replay.name;
    save.className = 'replay-download';
    save.addEventListener('click', (event) => {
      event.preventDefault();
      downloadFile(replay.name, new Blob([replay.bytes], {type: 'application/octet-stream'}));
    });
    item.append(save, ' ', play);
    list.append(item);
  }
}

function playReplayBytes(name, bytes) {
  const why = kelvaron.playReplay(bytes);
  showMessage(why ? `Not a replay this game can play: ${name} (${why}).` :
                    `Playing ${name}; Escape ends it.`);
  window.scrollTo(0, 0);
  document.getElementById('screen').focus();
}

async function playReplayFile(file) {
  playReplayBytes(file.name, new Uint8Array(await file.arrayBuffer()));
}

Module.onReplayRecorded = (name, bytes) => {
  keepReplay(name, bytes).catch((error) => showMessage(`The replay was not kept (${error}).`));
};
Module.onReplayEnded = (matched, why) => {
  showMessage(matched ? 'The replay played through as recorded.' :
                        `The replay played back differently: ${why}`);
};

function setUpReplays() {
  document.getElementById('replay-file').addEventListener('change', async (event) => {
    const file = event.target.files[0];
    event.target.value = '';
    if (file) await playReplayFile(file);
  });
  const stage = document.getElementById('stage');
  stage.addEventListener('dragover', (event) => event.preventDefault());
  stage.addEventListener('drop', (event) => {
    event.preventDefault();
    const file = event.dataTransfer.files[0];
    if (file) playReplayFile(file);
  });
  listReplays().catch(() => {});
}

setUpReplays();
