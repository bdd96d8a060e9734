// The browser build played in headless Chromium, loaded from 127.0.0.1: the main menu, a 4 x 7 match with a
// charged shot, Esc, Esc to the statistics screen and back to the main menu, a setting kept across a reload
// of the page, and Quit's page. Prints the time to the first frame and the work of a match frame.
// Usage: node test_browser.mjs <browser build folder> [folder for screenshots]
import { existsSync, mkdirSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';

import { serve } from '../../web/serve.mjs';
import { Browser } from './browser.mjs';
import { decodePng, differingShare, distinctColours } from './png.mjs';

const [buildFolder, artefactFolder = join(buildFolder ?? '.', 'e2e-artefacts')] = process.argv.slice(2);
if (buildFolder === undefined) {
  console.error('usage: test_browser.mjs <browser build folder> [screenshot folder]');
  process.exit(2);
}
if (!existsSync(join(buildFolder, 'morvatek.html'))) {
  console.log(`no browser build in ${buildFolder} (make web)`);
  process.exit(77); // skipped
}
mkdirSync(artefactFolder, { recursive: true });

const settingsFile = '/home/web_user/.config/morvatek/config.txt';
const matchSettings = ['active_music:True', 'active_sounds:True', 'fullscreen:False', 'scrolling:False',
  'nb_teams:4', 'nb_tumboks:7', 'nb_ai:0', 'nb_explosifs:10', 'game_map:fore_basic.png',
  'game_background:back_day.png'].join('\n') + '\n';

// Before the page's own scripts: every 50 ms wait of the game's loop is one frame, so the time a wait's
// callback runs is the work of one whole frame, and the first wait comes right after the first frame. The
// audio context starts suspended, as a browser that waits for a gesture has it.
const pageHooks = `(() => {
  const frames = { firstAt: null, count: 0, work: [] };
  window.morvatekFrames = frames;
  const setTimeoutOfPage = window.setTimeout;
  window.setTimeout = function (callback, delay, ...rest) {
    if (delay !== 50 || typeof callback !== 'function') {
      return setTimeoutOfPage.call(window, callback, delay, ...rest);
    }
    if (frames.firstAt === null) {
      frames.firstAt = performance.now();
    }
    return setTimeoutOfPage.call(window, function () {
      const start = performance.now();
      try {
        return callback.apply(this, arguments);
      } finally {
        frames.count++;
        frames.work.push(performance.now() - start);
      }
    }, delay, ...rest);
  };
  const AudioContextOfPage = window.AudioContext;
  window.AudioContext = class extends AudioContextOfPage {
    constructor(...options) {
      super(...options);
      this.suspend();
    }
  };
})();`;

class Failure extends Error {}

function check(condition, message) {
  if (!condition) {
    throw new Failure(message);
  }
}

const pause = (ms) => new Promise((done) => setTimeout(done, ms));

// Polls until the probe gives a truthy value; fails after the ceiling, as generous as the end-to-end
// tests' own, so that a loaded machine only makes the test slower.
async function waitFor(what, probe, ceilingMs = 180000) {
  const end = Date.now() + ceilingMs;
  for (;;) {
    const value = await probe();
    if (value) {
      return value;
    }
    check(Date.now() < end, `timed out waiting for ${what}`);
    await pause(50);
  }
}

let browser;
let canvasArea;

async function shot(name) {
  const file = await browser.screenshot(canvasArea);
  writeFileSync(join(artefactFolder, `browser-${name}.png`), file);
  return decodePng(file);
}

// Waits for a frame drawn after this moment: a few more frames of the game's loop.
async function framesLater(count = 3) {
  const start = await browser.evaluate('morvatekFrames.count');
  await waitFor(`${count} more frames`, async () => (await browser.evaluate('morvatekFrames.count')) >= start + count);
}

// Screenshots until the canvas has changed from the given picture by at least the share given.
async function waitForChange(what, from, share) {
  return waitFor(what, async () => {
    const now = await shot(what);
    return differingShare(now, from) >= share ? now : null;
  });
}

// Screenshots until two in a row agree: animations and the loading picture are over.
async function settledShot(name) {
  let previous = await shot(name);
  return waitFor(`${name} to settle`, async () => {
    await framesLater(2);
    const now = await shot(name);
    const settled = differingShare(now, previous) < 0.002;
    previous = now;
    return settled ? now : null;
  });
}

async function loadPage(url) {
  await browser.navigate(url);
  await waitFor('the first frame', () => browser.evaluate('morvatekFrames.firstAt !== null'));
  canvasArea = await browser.evaluate(`(() => {
    const r = document.getElementById('canvas').getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height };
  })()`);
  return browser.evaluate('morvatekFrames.firstAt');
}

// One key press, and the frames that take it in.
async function step(name) {
  await browser.press(name);
  await framesLater(2);
}

// A menu glides to its next row over several frames and takes no key meanwhile.
async function moveInMenu(name) {
  await browser.press(name);
  await settledShot('menu-moving');
}

const gameLines = (line) => browser.consoleLines.filter((printed) => printed === line).length;

// The game screen's "p" lists the game states on the console; waits until the state has been listed.
async function waitForState(state, atLeast = 1) {
  await waitFor(`${state} listed`, async () => {
    await browser.press('p');
    await framesLater(1);
    return gameLines(state) >= atLeast;
  });
}

function statistics(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const at = (share) => sorted[Math.min(sorted.length - 1, Math.floor(share * sorted.length))];
  const mean = sorted.reduce((sum, value) => sum + value, 0) / sorted.length;
  return { mean, median: at(0.5), p95: at(0.95), max: sorted[sorted.length - 1], count: sorted.length };
}

const format = (ms) => `${ms.toFixed(1)} ms`;

async function run() {
  const server = await serve(resolve(buildFolder), 0);
  const url = `http://127.0.0.1:${server.address().port}/morvatek.html`;
  browser = await Browser.start();
  try {
    await browser.send('Page.addScriptToEvaluateOnNewDocument', { source: pageHooks });

    // A first visit, which shows the menu; the player's settings are then placed in the browser's storage
    // as an earlier visit would have left them.
    const firstFrame = await loadPage(url);
    console.log(`first frame ${format(firstFrame)} after the page was requested (goal: 2000 ms)`);
    const menu = await settledShot('main-menu');
    check(distinctColours(menu) > 1000, 'the main menu is not drawn');
    await browser.evaluate(`new Promise((done, fail) => {
      FS.writeFile('${settingsFile}', ${JSON.stringify(matchSettings)});
      FS.syncfs(false, (error) => error ? fail(error) : done(true));
    })`);

    const firstFrameAgain = await loadPage(url);
    console.log(`first frame ${format(firstFrameAgain)} after the page was requested again`);
    check(differingShare(await settledShot('main-menu-again'), menu) < 0.01, 'the reloaded page shows another menu');
    check(await browser.evaluate('Module.SDL2.audioContext.state') === 'suspended', 'sound before any key');
    await browser.press('Enter'); // Local match
    await waitFor('sound at the first key', async () =>
      (await browser.evaluate('Module.SDL2.audioContext.state')) === 'running');
    const panel = await waitForChange('match-setup', menu, 0.3);
    await browser.press('Enter'); // Play !
    const match = await waitForChange('match', panel, 0.3);
    check(differingShare(match, menu) > 0.3, 'the match looks like the menu');
    check(distinctColours(match) > 1000, 'the battlefield is not drawn');

    // The match's first frames load its music and settle the view; the frames after them are measured.
    await framesLater(40);
    await browser.evaluate('morvatekFrames.work.length = 0');
    await framesLater(100);
    const frame = statistics(await browser.evaluate('morvatekFrames.work'));
    console.log(`frame of a 4 x 7 match: median ${format(frame.median)}, mean ${format(frame.mean)}, ` +
      `95th percentile ${format(frame.p95)}, max ${format(frame.max)} of work over ${frame.count} frames ` +
      '(goal: 15 ms)');

    // Aim up, away from the shooter's own feet, then hold Enter: the gauge fills while the key repeats.
    for (let i = 0; i < 5; i++) {
      await step('ArrowUp');
    }
    const aimed = await shot('aimed');
    await browser.keyDown('Enter');
    await waitForState('StateLaunch');
    await framesLater(10);
    const charging = await shot('charging');
    check(differingShare(charging, aimed) > 0.001, 'no gauge while charging');
    await browser.keyUp('Enter');
    await waitForState('StateAfterMotion');
    await shot('after-shot');

    await browser.press('Escape');
    const escapeMenu = await waitForChange('escape-menu', charging, 0.05);
    await browser.press('Escape');
    const statisticsScreen = await waitForChange('statistics', escapeMenu, 0.2);
    const listings = gameLines('TStack.print --->');
    await browser.press('p');
    await framesLater(3);
    check(gameLines('TStack.print --->') === listings, 'still on the game screen after Esc, Esc');
    await browser.press('Escape');
    await waitForChange('back-to-menu', statisticsScreen, 0.2);
    check(differingShare(await settledShot('menu-after-match'), menu) < 0.01, 'not back on the main menu');

    // Settings: Music is the first toggle; Enter switches it. The tab is then reloaded at once, as a player
    // who closes it would: the change must already be kept.
    await moveInMenu('ArrowDown');
    await moveInMenu('ArrowDown');
    await browser.press('Enter');
    const settingsBefore = await waitForChange('settings-before', menu, 0.3);
    await browser.press('Enter');
    const settingsAfter = await waitForChange('settings-after', settingsBefore, 0.002);
    await waitFor('the change kept', () => browser.evaluate(
      `FS.readFile('${settingsFile}', { encoding: 'utf8' }).includes('active_music:False')`));
    await loadPage(url);
    await settledShot('menu-after-reload');
    await moveInMenu('ArrowDown');
    await moveInMenu('ArrowDown');
    await browser.press('Enter');
    const settingsReloaded = await waitForChange('settings-reloaded', menu, 0.3);
    await framesLater(3);
    check(differingShare(await shot('settings-reloaded'), settingsAfter) < 0.002, 'the setting did not come back');
    check(differingShare(settingsReloaded, settingsBefore) >= 0.002, 'the settings show the old value');

    // Quit: back to the menu, where Settings is still the chosen row, and one down; the page says the game
    // has ended.
    await browser.press('Escape');
    await settledShot('menu-before-quit');
    await moveInMenu('ArrowDown');
    await browser.press('Enter');
    await waitFor('the page of the end', () =>
      browser.evaluate("!document.getElementById('ended').hidden && document.getElementById('canvas').hidden"));
    const kept = await browser.evaluate(`new Promise((done) => FS.syncfs(true, () =>
      done(FS.readFile('${settingsFile}', { encoding: 'utf8' }))))`);
    // Had the stored settings not been read at start, the setup panel would have saved its own numbers.
    check(kept.includes('active_music:False') && kept.includes('nb_tumboks:7'), 'Quit lost the settings');
    writeFileSync(join(artefactFolder, 'browser-ended.png'),
      await browser.screenshot({ x: 0, y: 0, width: 1000, height: 760 }));
    console.log('menu, match, charged shot, statistics screen, setting kept across a reload, Quit: all as expected');
  } finally {
    await browser.close();
    server.close();
  }
}

try {
  await run();
} catch (error) {
  console.error(`FAIL: ${error.message}`);
  if (browser) {
    console.error(`--- game output:\n${browser.consoleLines.join('\n')}`);
  }
  process.exit(1);
}
