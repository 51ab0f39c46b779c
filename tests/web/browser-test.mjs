// The browser build in headless Chromium: the page shows the same pixels as kelvaron-sim for the
// same input and clock, keeps its highscore table in local storage as highscores.csv text, refuses
// a damaged stored table, runs 100 updates per second of wall time, and pauses a fight on P,
// Escape or a hidden page. On a phone it plays by touch alone; the canvas fits any window; once
// visited it starts offline; a bad highscore file never replaces the table; a finished game can
// be downloaded as a replay that the runner verifies, and played back in the page. Its sound
// starts on the first key.
//
// Usage: node tests/web/browser-test.mjs SITE_DIR KELVARON_SIM [--measure] [--base /PATH/]
//   --measure  also prints the page's load time and the cost of update + drawing per level
//   --base     serves the folder under that path only, as a web host may (default /)
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import vm from 'node:vm';
import {after, before, test} from 'node:test';
import puppeteer from 'puppeteer-core';

const args = process.argv.slice(2);
const baseAt = args.indexOf('--base');
const base = baseAt >= 0 ? args.splice(baseAt, 2)[1] : '/';
const [siteDir, simBinary] = args.filter((a) => !a.startsWith('--'));
const measuring = args.includes('--measure');
const browserBinary = process.env.KELVARON_BROWSER || '/usr/bin/chromium-headless-shell';
const clockStart = 1700000000;
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'kelvaron-web-'));
// The game's constants as the page has them: facts.js, which the build writes from the C++.
const facts = vm.runInNewContext(
    `${fs.readFileSync(path.join(siteDir, 'facts.js'), 'utf8')}\nkelvaronFacts`);
const storageKey = facts.storage.highscores;
const field = facts.field;

// Static files under `base` and nothing elsewhere, served cross-origin isolated so that
// performance.now() is precise enough to time single frames (the page itself needs nothing of a
// server but the files).
const types = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
               '.png': 'image/png', '.webmanifest': 'application/manifest+json'};
let offline = false;  // the server answers nothing, as with no network
function serve() {
  const server = http.createServer((request, response) => {
    if (offline) return request.socket.destroy();
    const url = new URL(request.url, 'http://x').pathname;
    const name = url.startsWith(base) ? url.slice(base.length) || 'index.html' : '';
    const file = path.join(siteDir, name);
    if (!/^[\w.-]+$/.test(name) || !fs.existsSync(file)) return response.writeHead(404).end();
    response.writeHead(200, {
      'Content-Type': types[path.extname(name)] || 'application/octet-stream',
      'Cross-Origin-Opener-Policy': 'same-origin',
      'Cross-Origin-Embedder-Policy': 'require-corp',
    });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// A timeline as kelvaron-sim reads it: [frame, controls] pairs, from that frame on exactly these
// controls held.
const keyOf = {up: 'ArrowUp', down: 'ArrowDown', left: 'ArrowLeft', right: 'ArrowRight', z: 'KeyZ',
               x: 'KeyX', space: 'Space'};

// The runner's picture after `frames` frames (and its highscores.csv, if it wrote one).
function simulate(name, frames, timeline = [], table = null) {
  const dir = path.join(scratch, name);
  fs.mkdirSync(dir);
  if (table !== null) fs.writeFileSync(path.join(dir, 'highscores.csv'), table);
  const input = path.join(dir, 'input.txt');
  fs.writeFileSync(input, timeline.map(([f, keys]) => `${f} ${keys.join(',') || '-'}\n`).join(''));
  const png = path.join(dir, 'frame.png');
  execFileSync(simBinary, ['--frames', String(frames), '--input', input, '--workdir', dir,
                           '--clock-start', String(clockStart), '--png', png],
               {env: {...process.env, TZ: 'UTC'}});
  const csv = path.join(dir, 'highscores.csv');
  return {png, csv: fs.existsSync(csv) ? fs.readFileSync(csv, 'utf8') : null};
}

// Scripted play in the page: real key events change what is held, the page steps the frames.
class ScriptedPlay {
  constructor(page, timeline) {
    this.page = page;
    this.timeline = timeline;
    this.frame = 0;
    this.held = new Set();
  }

  // Runs the frames up to `frames` and shows the last one.
  async runTo(frames) {
    for (const [at, keys] of this.timeline.filter(([f]) => f >= this.frame && f < frames)) {
      await this.stepTo(at);
      for (const key of [...this.held].filter((k) => !keys.includes(k))) {
        await this.page.keyboard.up(keyOf[key]);
        this.held.delete(key);
      }
      for (const key of keys.filter((k) => !this.held.has(k))) {
        await this.page.keyboard.down(keyOf[key]);
        this.held.add(key);
      }
    }
    await this.stepTo(frames);
    await this.page.evaluate(() => kelvaron.present());
  }

  async stepTo(frame) {
    if (frame > this.frame) this.frame += await this.page.evaluate((n) => kelvaron.step(n, false),
                                                                   frame - this.frame);
  }
}

// Pixels of the page's canvas that differ from a PNG (alpha aside).
async function differingPixels(page, png) {
  const base64 = fs.readFileSync(png).toString('base64');
  return page.evaluate(async (base64) => {
    const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const picture = await createImageBitmap(new Blob([bytes], {type: 'image/png'}),
                                            {colorSpaceConversion: 'none'});
    const scratch = new OffscreenCanvas(picture.width, picture.height).getContext('2d');
    scratch.drawImage(picture, 0, 0);
    const want = scratch.getImageData(0, 0, picture.width, picture.height).data;
    const screen = document.getElementById('screen');
    const got = screen.getContext('2d').getImageData(0, 0, screen.width, screen.height).data;
    if (want.length !== got.length) return -1;
    let differing = 0;
    for (let i = 0; i < want.length; i += 4) {
      if (want[i] !== got[i] || want[i + 1] !== got[i + 1] || want[i + 2] !== got[i + 2]) ++differing;
    }
    return differing;
  }, base64);
}

// The page's first-visit card closed, as its Play button does.
async function closeIntro(page) {
  await page.evaluate(() => { document.getElementById('intro').hidden = true; });
}

async function waitForTitle(page) {
  await page.waitForFunction(() => window.kelvaron && kelvaron.framesShown() > 0, {timeout: 20000});
}

let server;
let browser;
let page;
let address;
const requested = [];

before(async () => {
  server = await serve();
  address = `http://127.0.0.1:${server.address().port}${base}`;
  browser = await puppeteer.launch({
    executablePath: browserBinary,
    headless: 'shell',
    userDataDir: path.join(scratch, 'profile'),
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
  page = await browser.newPage();
  await page.emulateTimezone('UTC');  // the title's dates, as the runner prints them with TZ=UTC
  page.on('pageerror', (error) => console.error('page error:', error.message));
  page.on('request', (request) => requested.push(request.url()));
});

after(async () => {
  await browser?.close();
  server?.close();
  fs.rmSync(scratch, {recursive: true, force: true});
});

test('the title comes up as the runner draws it, and the game runs 100 updates a second',
     async () => {
  await page.goto(address);
  await waitForTitle(page);
  const loadedAt = await page.evaluate(() => kelvaron.firstFrameAt());
  assert.equal(await differingPixels(page, simulate('title', 1).png), 0);
  // Everything the page loaded came from its own folder.
  assert.deepEqual(requested.filter((url) => !url.startsWith(address) && !/^(data|blob):/.test(url)),
                   []);

  // Counted at animation frames, whose time stamp is the one the game's frame ran on.
  const beat = () => page.evaluate(() => new Promise((resolve) => requestAnimationFrame(
      (time) => resolve({time, updates: kelvaron.updates(), dropped: kelvaron.droppedUpdates()}))));
  const first = await beat();
  await new Promise((resolve) => setTimeout(resolve, 5000));
  const last = await beat();
  const rate = ((last.updates - first.updates) * 1000) / (last.time - first.time);
  console.log(`# title shown ${loadedAt.toFixed(0)} ms after page load; ${rate.toFixed(2)} ` +
              `updates/s over ${((last.time - first.time) / 1000).toFixed(2)} s, ` +
              `${last.dropped - first.dropped} dropped`);
  assert.ok(Math.abs(rate - 100) <= 1, `${rate} updates per second`);

  // A stall of 300 ms: at most 5 updates of catch-up (and those of a frame or so around the
  // stall), the rest dropped.
  const stalled = await beat();
  await page.evaluate(() => { for (const end = performance.now() + 300; performance.now() < end;); });
  const resumed = await beat();
  assert.ok(resumed.updates - stalled.updates <= 10, `${resumed.updates - stalled.updates} updates`);
  assert.ok(resumed.dropped - stalled.dropped >= 20, `${resumed.dropped - stalled.dropped} dropped`);
});

test('real key events play the same frames as the runner, and the record lands in local storage',
     async () => {
  // Down and Up on the menu, New Game, firing and moving, then sitting still to the game over;
  // Space leaves it and the game is recorded.
  const timeline = [[0, []], [5, ['down']], [6, []], [7, ['up']], [8, []], [9, ['z']],
                    [300, ['left', 'z']], [400, []], [1600, ['space']], [1610, []]];
  const upTo = (frames) => timeline.filter(([f]) => f < frames);
  await page.evaluate(() => localStorage.clear());
  await page.reload();
  await waitForTitle(page);
  await page.evaluate((start) => kelvaron.script(start), clockStart);

  const play = new ScriptedPlay(page, timeline);
  for (const checkpoint of [7, 400, 1000, 1700]) {
    await play.runTo(checkpoint);
    const expected = simulate(`play-${checkpoint}`, checkpoint, upTo(checkpoint));
    assert.equal(await differingPixels(page, expected.png), 0, `frame ${checkpoint}`);
    if (checkpoint === 1700) {
      assert.match(expected.csv, /^0,-1,1700000016\n$/);
      assert.equal(await page.evaluate((key) => localStorage.getItem(key), storageKey),
                   expected.csv);
    }
  }
});

test('a damaged stored table is refused: the title shows an empty table and the menu works',
     async () => {
  const damaged = '<html>no table</html>\n' + '9'.repeat(80) + '\n1,2\n\u00e9,0,0\n';
  await page.evaluate((key, text) => localStorage.setItem(key, text), storageKey, damaged);
  await page.reload();
  await waitForTitle(page);
  assert.equal(await differingPixels(page, simulate('damaged', 1, [], damaged).png), 0);
  assert.equal(await differingPixels(page, simulate('empty', 1).png), 0);
  // The stored text is kept aside, not lost.
  assert.equal(await page.evaluate((key) => localStorage.getItem(key),
                                   facts.storage.highscoresAside), damaged);

  await page.keyboard.down('ArrowDown');
  const moved = simulate('moved', 1, [[0, ['down']]]).png;
  await page.waitForFunction(() => kelvaron.updates() > 0);
  const deadline = Date.now() + 2000;
  while ((await differingPixels(page, moved)) !== 0) {
    assert.ok(Date.now() < deadline, 'the menu did not move');
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  await page.keyboard.up('ArrowDown');
});

test('P and Escape pause a fight and resume it, and a hidden page pauses it by itself', async () => {
  await page.reload();
  await waitForTitle(page);
  const paused = () => page.evaluate(() => kelvaron.paused());
  const updatesIn = async (ms) => {
    const before = await page.evaluate(() => kelvaron.updates());
    await new Promise((resolve) => setTimeout(resolve, ms));
    return (await page.evaluate(() => kelvaron.updates())) - before;
  };
  await page.keyboard.press('KeyP');
  assert.equal(await paused(), false, 'the title does not pause');
  await page.keyboard.down('KeyZ');  // "New Game", held over a few updates
  await updatesIn(100);
  await page.keyboard.up('KeyZ');

  await page.keyboard.press('KeyP');
  assert.equal(await paused(), true);
  assert.equal(await updatesIn(500), 0);
  // Only the words are pure white on the dimmed picture.
  const white = await page.evaluate(() => {
    const data = document.getElementById('screen').getContext('2d')
                     .getImageData(297, 255, 200, 60).data;
    let count = 0;
    for (let i = 0; i < data.length; i += 4) {
      if (data[i] === 255 && data[i + 1] === 255 && data[i + 2] === 255) ++count;
    }
    return count;
  });
  assert.ok(white >= 100, `${white} white pixels of PAUSED`);
  await page.keyboard.press('Escape');
  assert.equal(await paused(), false);
  assert.ok(await updatesIn(500) >= 40);

  await page.evaluate(() => {
    Object.defineProperty(document, 'visibilityState', {value: 'hidden', configurable: true});
    Object.defineProperty(document, 'hidden', {value: true, configurable: true});
    document.dispatchEvent(new Event('visibilitychange'));
    delete document.visibilityState;
    delete document.hidden;
  });
  assert.equal(await paused(), true, 'a hidden page pauses');
  assert.equal(await updatesIn(300), 0, 'and stays paused when shown again');
  await page.keyboard.press('KeyP');
  assert.equal(await paused(), false);
});

// Opens the page afresh with `text` as the player's stored settings.
async function openWithSettings(text) {
  await page.evaluate((key, value) => localStorage.setItem(key, value), facts.storage.settings,
                      text);
  await page.reload();
  await waitForTitle(page);
}

test('with fire bound to J in the stored settings, Z no longer chooses and J starts a game', async () => {
  const settingsKey = facts.storage.settings;
  await openWithSettings('[controls]\nfire = ["J"]\npause = ["Q"]\n');
  const holdOver = async (code) => {
    await page.keyboard.down(code);
    const from = await page.evaluate(() => kelvaron.updates());
    await page.waitForFunction((n) => kelvaron.updates() > n + 5, {}, from);
    await page.keyboard.up(code);
  };
  await holdOver('KeyZ');
  assert.equal(await page.evaluate(() => kelvaron.screen()), 'title');
  await holdOver('KeyJ');
  assert.equal(await page.evaluate(() => kelvaron.screen()), 'fight');
  await page.keyboard.press('KeyQ');
  assert.equal(await page.evaluate(() => kelvaron.paused()), true);
  await page.evaluate((key) => localStorage.removeItem(key), settingsKey);
});

test('the sound starts on the first key, stored settings apply, and M keeps its choice', async () => {
  const settingsKey = facts.storage.settings;
  // Settings with the sound off and a key of another program's, stored before the page opens.
  await openWithSettings('[sound]\non = false\n[mods]\nx = 1\n');
  const stored = () => page.evaluate((key) => localStorage.getItem(key), settingsKey);
  assert.equal(await page.evaluate(() => kelvaron.soundOn()), false, 'stored settings: sound off');
  assert.equal(await page.evaluate(() => kelvaron.audioState()), 'not started');
  await page.keyboard.press('KeyM');
  await page.waitForFunction(() => kelvaron.audioState() === 'running', {timeout: 5000});
  assert.equal(await page.evaluate(() => kelvaron.soundOn()), true);
  assert.match(await stored(), /^on = true$/m);
  assert.match(await stored(), /^x = 1$/m, 'a key the game does not know is kept');
  await page.keyboard.press('KeyM');
  assert.match(await stored(), /^on = false$/m);
  await page.evaluate((key) => localStorage.removeItem(key), settingsKey);
});

// Touches through the browser's own input: each call names every finger still on the screen.
class Fingers {
  constructor(cdp) { this.cdp = cdp; }
  send(type, points) {
    return this.cdp.send('Input.dispatchTouchEvent',
                         {type, touchPoints: points.map(({x, y, id}) => ({x, y, id}))});
  }
  async tap(x, y) {
    await this.send('touchStart', [{x, y, id: 9}]);
    await this.send('touchEnd', []);
  }
}

// A point of the play field, in page coordinates of the fitted canvas.
function fieldPoint(page, x, y) {
  return page.evaluate((x, y, field) => {
    const box = document.getElementById('screen').getBoundingClientRect();
    return {x: box.left + (x * box.width) / field.width,
            y: box.top + (y * box.height) / field.height, scale: box.width / field.width};
  }, x, y, field);
}

// The middle of a title menu entry's frame, where the game says it draws it.
async function titleEntryPoint(page, entry) {
  const frame = (await page.evaluate(() => kelvaron.titleEntries()))[entry];
  return fieldPoint(page, (frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
}

test('on a phone, touch alone starts a game, moves the ship and holds fire', async () => {
  for (const [width, height] of [[844, 390], [390, 844]]) {
    const phone = await browser.newPage();
    await phone.emulate({
      viewport: {width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true,
                 isLandscape: width > height},
      userAgent: (await browser.userAgent()) + ' Mobile',
    });
    await phone.goto(address);
    await waitForTitle(phone);
    await closeIntro(phone);
    // The ship ignores hits, so that it is still there to fire.
    await phone.evaluate((start) => kelvaron.script(start, 0, true), clockStart);
    const fingers = new Fingers(await phone.createCDPSession());
    const step = (frames) => phone.evaluate((n) => kelvaron.step(n), frames);

    // The first touch brings the controls up (in portrait the game moves to the top for them);
    // then a tap on Continue selects it, one on New Game goes back, and a second one on New Game
    // starts the game.
    await fingers.tap(width / 2, height / 2);
    assert.equal(await phone.evaluate(() => document.getElementById('touch').hidden), false);
    const newGame = await titleEntryPoint(phone, 0);
    const cont = await titleEntryPoint(phone, 1);
    await fingers.tap(cont.x, cont.y);
    await step(10);
    assert.equal(await phone.evaluate(() => kelvaron.titleSelected()), 1);
    await fingers.tap(newGame.x, newGame.y);
    await step(10);
    assert.equal(await phone.evaluate(() => kelvaron.titleSelected()), 0);
    await fingers.tap(newGame.x, newGame.y);
    await step(10);
    assert.equal(await phone.evaluate(() => kelvaron.screen()), 'fight', `${width} x ${height}`);

    // A finger drags 30 x -20 CSS pixels; the ship follows by as many play-field pixels.
    const from = await phone.evaluate(() => kelvaron.ship());
    const start = await fieldPoint(phone, 150, 450);
    const finger = {x: start.x, y: start.y, id: 1};
    await fingers.send('touchStart', [finger]);
    finger.x += 30;
    finger.y -= 20;
    await fingers.send('touchMove', [finger]);
    let latency = 1;
    for (; latency <= 10; ++latency) {
      await step(1);
      if ((await phone.evaluate(() => kelvaron.ship().x)) != from.x) break;
    }
    await step(60);
    const to = await phone.evaluate(() => kelvaron.ship());
    assert.ok(Math.abs(to.x - from.x - 30 / start.scale) <= 3, `moved ${to.x - from.x} across`);
    assert.ok(Math.abs(to.y - from.y + 20 / start.scale) <= 3, `moved ${to.y - from.y} down`);

    // Fire held by a second finger while the first stays down (the new ship fires once it has
    // fully appeared).
    const fire = await phone.evaluate(() => {
      const box = document.querySelector('[data-touch="fire"]').getBoundingClientRect();
      return {x: box.left + box.width / 2, y: box.top + box.height / 2, bottom: box.bottom};
    });
    await fingers.send('touchStart', [finger, {x: fire.x, y: fire.y, id: 2}]);
    await step(100);
    assert.ok(await phone.evaluate(() => kelvaron.playerShots()) > 0, 'no shot fired');
    await fingers.send('touchEnd', []);

    const canvas = await phone.evaluate(
        () => document.getElementById('screen').getBoundingClientRect().toJSON());
    if (height > width) {
      assert.equal(canvas.top, 0, 'portrait: the game at the top');
      assert.ok(fire.y > canvas.bottom, 'portrait: the controls below it');
    }
    console.log(`# ${width} x ${height}: the ship moved ${latency} frame(s) after the touch`);

    // A key takes over from the touch controls.
    await phone.keyboard.press('ArrowLeft');
    assert.equal(await phone.evaluate(() => document.getElementById('touch').hidden), true);
    await phone.close();
  }
});

test('the canvas fits the window with its shape kept', async () => {
  const sizes = [[800, 500, 1], [1280, 720, 1], [1100, 1400, 2]];
  for (const [width, height, deviceScaleFactor] of sizes) {
    await page.setViewport({width, height, deviceScaleFactor});
    // Re-fitted on the resize event, by the next frame.
    await page.evaluate(() => new Promise(
        (resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
    const box = await page.evaluate(
        () => document.getElementById('screen').getBoundingClientRect().toJSON());
    const largest = Math.min(width / field.width, height / field.height);
    assert.ok(Math.abs(box.width / box.height - field.width / field.height) < 0.005,
              `${box.width} x ${box.height}`);
    assert.ok(box.left >= 0 && box.top >= 0 && box.right <= width && box.bottom <= height);
    assert.ok(box.width >= 0.85 * largest * field.width,
              `${box.width} wide in ${width} x ${height}`);
  }
  await page.setViewport({width: 800, height: 600});
});

test('once visited, the page starts with no network and shows the title', async () => {
  await page.goto(address);
  await waitForTitle(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  offline = true;
  try {
    await page.reload();
    await waitForTitle(page);
    const loadedAt = await page.evaluate(() => kelvaron.firstFrameAt());
    console.log(`# offline: title shown ${loadedAt.toFixed(0)} ms after page load`);
    assert.equal(await differingPixels(page, simulate('offline', 1).png), 0);
  } finally {
    offline = false;
  }
});

test('a highscore file with no readable line is refused, the table and storage unchanged',
     async () => {
  const table = '5000,-1,1700000000\n';
  await page.evaluate((key, text) => localStorage.setItem(key, text), storageKey, table);
  await page.reload();
  await waitForTitle(page);
  const upload = await page.$('#upload');
  const message = () => page.evaluate(() => document.getElementById('message').textContent);
  for (const [name, bytes] of [['binary.csv', Buffer.from([0, 159, 146, 150, 255, 10, 1])],
                               ['semicolons.csv', Buffer.from('5000;1;1700000000\n')]]) {
    fs.writeFileSync(path.join(scratch, name), bytes);
    await upload.uploadFile(path.join(scratch, name));
    await page.waitForFunction(() => !document.getElementById('message').hidden);
    assert.match(await message(), /^Not loaded/);
    assert.equal(await page.evaluate((key) => localStorage.getItem(key), storageKey), table);
    assert.equal(await page.evaluate(() => kelvaron.highscoresCsv()), table);
  }

  // Readable lines replace a table only once the player agrees.
  fs.writeFileSync(path.join(scratch, 'good.csv'), '9000,2,1700000500\nnot a line\n');
  page.once('dialog', (dialog) => dialog.accept());
  await upload.uploadFile(path.join(scratch, 'good.csv'));
  await page.waitForFunction(() => /loaded/.test(document.getElementById('message').textContent));
  assert.match(await message(), /1 record loaded, 1 line skipped/);
  assert.equal(await page.evaluate((key) => localStorage.getItem(key), storageKey),
               '9000,2,1700000500\n');
});

test('a finished game downloads as a replay that the runner verifies, and plays in the page',
     async () => {
  await page.goto(address);
  await waitForTitle(page);
  await closeIntro(page);
  const kept = () => page.evaluate(() => document.querySelectorAll('#replays li').length);
  const before = await kept();
  await page.evaluate((start) => kelvaron.script(start), clockStart);
  await new ScriptedPlay(page, [[0, []], [9, ['z']], [300, ['left', 'z']], [400, []],
                                [1600, ['space']], [1610, []]]).runTo(1700);
  await page.waitForFunction((n) => document.querySelectorAll('#replays li').length > n, {}, before);

  const downloads = path.join(scratch, 'downloads');
  fs.mkdirSync(downloads);
  const cdp = await browser.target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
  await page.click('#replays .replay-download');
  let file;
  for (const deadline = Date.now() + 10000; !file; await new Promise((r) => setTimeout(r, 100))) {
    assert.ok(Date.now() < deadline, 'no replay downloaded');
    file = fs.readdirSync(downloads).find((name) => name.endsWith('.kvr'));
  }
  execFileSync(simBinary, ['--replay', path.join(downloads, file)], {stdio: 'pipe'});

  const shown = await page.evaluate(() => kelvaron.framesShown());
  await (await page.$('#replay-file')).uploadFile(path.join(downloads, file));
  await page.waitForFunction((n) => kelvaron.replaying() && kelvaron.framesShown() > n, {}, shown);
  // The mark stands in the lower right corner.
  const marked = await page.evaluate(() => {
    const data = document.getElementById('screen').getContext('2d').getImageData(730, 545, 60, 14)
                     .data;
    let lit = 0;
    for (let i = 0; i < data.length; i += 4) lit += data[i] + data[i + 1] + data[i + 2] > 0 ? 1 : 0;
    return lit;
  });
  assert.ok(marked > 20, `${marked} pixels of REPLAY`);
  await page.keyboard.press('Escape');
  assert.equal(await page.evaluate(() => kelvaron.replaying()), false);
});

// Update + drawing of each frame around the busiest one of each level, in scripted play with the
// ship invincible, sitting still and firing.
test('cost of a frame at the busiest frame of each level', {skip: !measuring}, async () => {
  await page.goto(address);
  await waitForTitle(page);
  await page.keyboard.down('KeyZ');  // held through the page's keyboard for every run
  for (let level = 1; level <= 5; ++level) {
    const result = await page.evaluate((level, start) => {
      const fight = () => kelvaron.script(start, level, true);
      fight();
      let busiest = 0;
      let most = -1;
      for (let frame = 0; frame < 6000; ++frame) {
        kelvaron.step(1, false);
        const count = kelvaron.spriteCount();
        if (count > most) [most, busiest] = [count, frame];
      }
      // Each frame of the stretch is timed in five runs; its cost is the fastest of them, since
      // on a shared machine the slower ones mostly measure other processes.
      const from = Math.max(0, busiest - 100);
      const fastest = [];
      const samples = [];
      for (let round = 0; round < 5; ++round) {
        fight();
        kelvaron.step(from, false);
        for (let frame = from; frame <= busiest + 100; ++frame) {
          const started = performance.now();
          kelvaron.step(1, false);
          const took = performance.now() - started;
          samples.push(took);
          fastest[frame - from] = Math.min(fastest[frame - from] ?? Infinity, took);
        }
      }
      const showing = [];
      for (let i = 0; i < 200; ++i) {
        const started = performance.now();
        kelvaron.present();
        showing.push(performance.now() - started);
      }
      const at = (list, q) => list.sort((a, b) => a - b)[Math.floor(q * (list.length - 1))];
      return {busiest, most, median: at(fastest, 0.5), p99: at(fastest, 0.99),
              rawP99: at(samples, 0.99), show: at(showing, 0.5), isolated: crossOriginIsolated};
    }, level, clockStart);
    console.log(`# level ${level}: busiest frame ${result.busiest} (${result.most} sprites): ` +
                `update + drawing median ${(result.median * 1000).toFixed(0)} us, p99 ` +
                `${(result.p99 * 1000).toFixed(0)} us (of every run ` +
                `${(result.rawP99 * 1000).toFixed(0)} us); showing a frame ` +
                `${(result.show * 1000).toFixed(0)} us (precise timer: ${result.isolated})`);
  }
});
