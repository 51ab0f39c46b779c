// The highscore table's files: download, and a chosen highscores.csv read and checked before it may
// replace the table, so that a wrong file never costs the player's records. Stored text the game
// could not read is kept aside under a second key, and said so once.
'use strict';

const tableKey = kelvaronFacts.storage.highscores;
const tableAsideKey = kelvaronFacts.storage.highscoresAside;
// The game reads ten short lines; a file much bigger than that is read only this far.
const tableBytesRead = 1 << 20;

function downloadFile(name, blob) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// Module.onStoredTableAside is called by the game at start when the stored table had lines it
// could not read.
Module.onStoredTableAside = (records, skipped) => {
  // An earlier text kept aside stays; a different one goes under the next free number.
  let key = tableAsideKey;
  try {
    const text = localStorage.getItem(tableKey);
    for (let n = 2; localStorage.getItem(key) != null && localStorage.getItem(key) != text; ++n) {
      key = `${tableAsideKey}.${n}`;
    }
    if (text != null) localStorage.setItem(key, text);
  } catch (refused) {
  }
  const lines = `${skipped} unreadable line${skipped == 1 ? '' : 's'}`;
  const kept = `${records} record${records == 1 ? '' : 's'} kept`;
  showMessage(`The stored highscore table had ${lines} (${kept}); the stored text is kept aside ` +
              `as "${key}" in this site's local storage.`, 12);
};

async function loadTableFile(file) {
  const bytes = new Uint8Array(await file.slice(0, tableBytesRead).arrayBuffer());
  const check = kelvaron.checkHighscores(bytes);
  if (check.records == 0) {
    showMessage(`Not loaded: ${file.name} holds no readable highscore line (score,lives,date). ` +
                'The table is unchanged.', 10);
    return;
  }
  const skipped = check.lines - check.records;
  const summary = `${check.records} record${check.records == 1 ? '' : 's'} loaded, ${skipped} ` +
                  `line${skipped == 1 ? '' : 's'} skipped`;
  const held = kelvaron.tableRecords();
  if (held > 0 && !confirm(`${file.name}: ${summary}. Replace the ${held} record` +
                           `${held == 1 ? '' : 's'} of the table with them?`)) {
    showMessage('The table is unchanged.');
    return;
  }
  kelvaron.loadHighscores(bytes);
  showMessage(`${file.name}: ${summary}.`);
}

function setUpTables() {
  document.getElementById('download').addEventListener('click', () => {
    downloadFile('highscores.csv', new Blob([kelvaron.highscoresCsv()], {type: 'text/csv'}));
    document.getElementById('screen').focus();
  });
  document.getElementById('upload').addEventListener('change', async (event) => {
    const file = event.target.files[0];
    event.target.value = '';
    if (file) await loadTableFile(file);
    document.getElementById('screen').focus();
  });
}

setUpTables();
