// shooter on phones, by touch alone, in Chromium's device emulation: the
// stick, the pause button, menu taps, a recorded touch game that replays,
// the options, typing a name on the phone's keyboard, the picture's fit in
// both orientations; and a game pad through a stand-in navigator.getGamepads.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { canvasStats, openPage, sleep, tap, waitFor } from './browser.mjs';
import { elementCentre, openPhonePage, tapScreen } from './touch.mjs';
import { exited, isMenu, isNameEntry, isPaused, isTitle, kCorner, kLowTable, kScore, readSaved, expectNameKeptAfterReload } from './shooter_screens.mjs';

// Centres of tappable items, in 640x480 screen pixels.
const menuItem = (i) => [319, Math.round(203 + 18.25 * i)];  // START GAME, OPTIONS, CREDITS, HIGH SCORES, EXIT
const kOptionsResolution = [320, 88];
const kOptionsAccept = [320, 268];
const kPauseExit = [320, 277];
const kMiddle = [320, 240];

const isInstructions = async (page) => !(await isMenu(page)) && (await canvasStats(page)).black > 0.85;
const isGame = async (page) => !(await isMenu(page)) && (await canvasStats(page, kCorner)).blue > 0.3;
const scoreDigits = async (page) => Math.round((await canvasStats(page, kScore)).orange * 1440);

// Flies with the stick (finger 1 held, swept left and right) until `until`.
async function flyByTouch(page, fingers, what, ms, until) {
  const [cx, cy] = [(await page.evaluate(() => innerWidth)) / 2, (await page.evaluate(() => innerHeight)) / 2];
  await fingers.start(1, cx, cy);
  let side = 0;
  try {
    await waitFor(what, ms, async () => {
      // Wide sweeps, so that the volleys cross the columns the waves fly down.
      await fingers.move(1, cx + ((side++ % 2) ? -60 : 60), cy + 5);
      await sleep(800);
      return until();
    });
  } finally {
    await fingers.end(1);
  }
}

async function startByTouch(page, fingers) {
  await waitFor('the title', 20000, () => isTitle(page));
  await fingers.tap(20, 20);  // the title ignores touches, but the page has now seen one
  await waitFor('the menu', 15000, () => isMenu(page));
}

export function phoneChecks(check, { nodeShooter, nativeRun }) {
  check('phone: a whole game by touch alone, recorded, replays exactly', async (browser, url) => {
    const { page, errors, fingers } = await openPhonePage(browser, url + 'shooter.html?seed=5&record=touch.rec', 'Pixel 5 landscape');
    await startByTouch(page, fingers);
    assert.equal(await elementCentre(page, '#pause'), null, 'no pause button on the menu');
    await tapScreen(page, fingers, ...menuItem(0));  // START GAME
    await waitFor('the instructions', 5000, () => isInstructions(page));
    await sleep(300);
    await tapScreen(page, fingers, ...kMiddle);
    await waitFor('the game', 5000, () => isGame(page));
    const before = await scoreDigits(page);
    assert.ok(before > 0, 'the score is drawn');
    await flyByTouch(page, fingers, 'the score to change', 90000, async () => (await scoreDigits(page)) !== before);
    const pause = await elementCentre(page, '#pause');
    assert.ok(pause && pause.width >= 44 && pause.height >= 44, `a pause button of 44 CSS px or more: ${JSON.stringify(pause)}`);
    await sleep(400);
    await fingers.tap(pause.x, pause.y);
    await waitFor('the pause box', 3000, () => isPaused(page));
    await sleep(1000);
    assert.ok(await isPaused(page), 'the pause box stays up (no fire left held)');
    await tapScreen(page, fingers, ...kPauseExit);
    await waitFor('the menu again', 5000, () => isMenu(page));
    await sleep(300);
    await tapScreen(page, fingers, ...menuItem(4));  // EXIT
    await waitFor('the program to end', 8000, () => exited(page));
    const recording = await readSaved(page, 'touch.rec');
    assert.match(recording, /^down Space /m, 'fire came from the touch stick');
    assert.deepEqual(errors, []);

    assert.ok(existsSync(nodeShooter), `the node build ${nodeShooter}`);
    const work = mkdtempSync(join(tmpdir(), 'kestrel-touch-'));
    try {
      writeFileSync(join(work, 'touch.rec'), recording);
      const verdict = execFileSync('node', [nodeShooter, '--verify', join(work, 'touch.rec')], { cwd: nativeRun, encoding: 'utf8' });
      assert.match(verdict, /^replay: matches /);
    } finally {
      rmSync(work, { recursive: true, force: true });
    }
  });

  check('phone: OPTIONS by touch, RESOLUTION and ACCEPT kept after a reload', async (browser, url) => {
    const { page, errors, fingers } = await openPhonePage(browser, url + 'shooter.html?seed=5', 'Pixel 5 landscape');
    await startByTouch(page, fingers);
    await tapScreen(page, fingers, ...menuItem(1));  // OPTIONS
    await waitFor('the options', 5000, async () => !(await isMenu(page)));
    await sleep(300);
    await tapScreen(page, fingers, ...kOptionsResolution);  // 640 X 480 -> 512 X 384
    await sleep(300);
    await tapScreen(page, fingers, ...kOptionsAccept);  // the cursor goes there the short way, then Enter
    await waitFor('the 512x384 canvas', 5000, async () => (await canvasStats(page)).width === 512);
    await waitFor('settings.dat saved', 3000, async () => (await readSaved(page, 'settings.dat')).startsWith('1'));
    await sleep(500);
    await page.reload({ waitUntil: 'load' });
    await waitFor('the program again', 10000, () => page.evaluate(() => Module.kestrelPage.framesShown > 0));
    const after = await canvasStats(page);
    assert.equal(`${after.width}x${after.height}`, '512x384');
    assert.deepEqual(errors, []);
  });

  check('phone: a name typed on the phone keyboard is in the table after a reload', async (browser, url) => {
    const { page, errors, fingers } = await openPhonePage(browser, url + 'shooter.html?seed=5', 'Pixel 5 landscape');
    await waitFor('the title', 20000, () => isTitle(page));
    await page.evaluate((table) => { Module.FS.writeFile('/save/high_scores.dat', table); Module.kestrelSaved(); }, kLowTable);
    await sleep(500);
    await page.reload({ waitUntil: 'load' });
    await startByTouch(page, fingers);
    await tapScreen(page, fingers, ...menuItem(0));
    await waitFor('the instructions', 5000, () => isInstructions(page));
    await sleep(300);
    await tapScreen(page, fingers, ...kMiddle);
    await waitFor('the game', 5000, () => isGame(page));
    for (let i = 0; i < 12; i++) await tap(page, 'NumpadAdd', 80);  // the boss at once
    await flyByTouch(page, fingers, 'the name entry', 120000, () => isNameEntry(page));
    await waitFor('the text field focused', 3000, () => page.evaluate(() => document.activeElement.id === 'typing'));
    // A phone's keyboard inserts text with no key codes, and deletes likewise.
    // The screen takes a key every 0.175 s, as from a desktop keyboard.
    const typed = async (action) => { await action(); await sleep(300); };
    for (const ch of 'KEX') await typed(() => page.keyboard.sendCharacter(ch));
    await typed(() => page.evaluate(() => document.execCommand('delete')));
    await typed(() => page.keyboard.sendCharacter('S'));
    await page.keyboard.press('Enter');
    await expectNameKeptAfterReload(page);
    assert.deepEqual(errors, []);
  });

  check('phone: the picture fits in whole device pixels, both orientations, three phones', async (browser, url) => {
    for (const device of ['Pixel 5', 'iPhone 13', 'Galaxy S9+']) {
      for (const orientation of ['', ' landscape']) {
        const name = device + orientation;
        const { page, errors } = await openPhonePage(browser, url + 'shooter.html?seed=5', name);
        await waitFor('a frame', 20000, () => page.evaluate(() => Module.kestrelPage.framesShown > 0));
        const fit = await page.evaluate(() => {
          const canvas = document.getElementById('screen');
          const box = canvas.getBoundingClientRect();
          return { box: box.toJSON(), ratio: devicePixelRatio, w: innerWidth, h: innerHeight, bar: document.getElementById('bar').offsetHeight,
            pw: canvas.width, ph: canvas.height,
            scrollW: document.scrollingElement.scrollWidth, scrollH: document.scrollingElement.scrollHeight };
        });
        const { box, ratio } = fit;
        const what = `${name}: ${JSON.stringify(fit)}`;
        assert.ok(box.left >= 0 && box.top >= 0 && box.right <= fit.w + 0.01 && box.bottom <= fit.h + 0.01, `inside the viewport, ${what}`);
        const factor = Math.round(box.width * ratio / fit.pw);
        assert.ok(factor >= 1, what);
        assert.ok(Math.abs(box.width * ratio - factor * fit.pw) < 1 && Math.abs(box.height * ratio - factor * fit.ph) < 1,
          `a whole multiple of ${fit.pw}x${fit.ph} device pixels, ${what}`);
        // The bar under the picture keeps its height.
        assert.ok((factor + 1) * fit.pw > fit.w * ratio || (factor + 1) * fit.ph > (fit.h - fit.bar) * ratio, `the largest factor, ${what}`);
        if (!orientation) assert.ok(box.top < 1, `at the top in portrait, ${what}`);
        assert.ok(fit.scrollW <= fit.w && fit.scrollH <= fit.h, `nothing to scroll, ${what}`);
        assert.deepEqual(errors, []);
        await page.close();
      }
    }
  });

  check('phone: a demo page steers by touch and its buttons are its keys', async (browser, url) => {
    const { page, errors, fingers } = await openPhonePage(browser, url + 'flight_test.html?seed=3', 'Pixel 5 landscape');
    await waitFor('a drawn scene', 15000, async () => (await canvasStats(page)).black < 0.98);
    assert.equal(await elementCentre(page, '#buttons'), null, 'no buttons before a touch');
    const [cx, cy] = [(await page.evaluate(() => innerWidth)) / 2, 100];
    const seen = new Set();
    await fingers.start(1, cx, cy);
    for (const dx of [-60, 60, 0]) {
      await fingers.move(1, cx + dx, cy);
      await sleep(600);
      seen.add((await canvasStats(page)).hash);
    }
    await fingers.end(1);
    assert.ok(seen.size > 1, 'the scene must change while the stick is held');
    const button = async (label) => page.evaluate((l) => {
      const b = [...document.querySelectorAll('#buttons button')].find((e) => e.textContent === l);
      const box = b.getBoundingClientRect();
      return box.width ? [box.left + box.width / 2, box.top + box.height / 2] : null;
    }, label);
    const esc = await button('Esc');
    assert.ok(esc, 'the buttons show once touched');
    await fingers.tap(...esc, 150);
    await sleep(1500);
    if (!(await exited(page))) await fingers.tap(...(await button('Space')), 150);  // it waits for a key before leaving
    await waitFor('the program to end', 8000, () => exited(page));
    assert.deepEqual(errors, []);
  });

  check('shooter: a game pad (stand-in getGamepads) chooses, flies and fires', async (browser, url) => {
    const standInPad = () => {
      window.standInPad = { id: 'stand-in pad', index: 0, connected: true, mapping: 'standard', timestamp: 0,
        axes: [0, 0, 0, 0], buttons: Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 })) };
      Object.defineProperty(navigator, 'getGamepads', { configurable: true, value: () => [window.standInPad, null, null, null] });
    };
    const { page, errors } = await openPage(browser, url + 'shooter.html?seed=5', { beforeLoad: standInPad });
    const button = (index, down) => page.evaluate((i, d) => {
      Object.assign(window.standInPad.buttons[i], { pressed: d, touched: d, value: d ? 1 : 0 });
      window.standInPad.timestamp++;
    }, index, down);
    const press = async (index, ms = 150) => { await button(index, true); await sleep(ms); await button(index, false); await sleep(300); };
    const kSouth = 0, kDpadLeft = 14, kDpadRight = 15;
    await waitFor('the title', 20000, () => isTitle(page));
    await waitFor('the menu', 15000, () => isMenu(page));
    await press(kSouth);  // START GAME
    await waitFor('the instructions', 5000, () => isInstructions(page));
    await press(kSouth);
    await waitFor('the game', 5000, () => isGame(page));
    const before = await scoreDigits(page);
    await button(kSouth, true);
    let side = 0;
    await waitFor('the score to change', 90000, async () => {
      await press((side++ % 2) ? kDpadLeft : kDpadRight, 700);
      return (await scoreDigits(page)) !== before;
    });
    await button(kSouth, false);
    assert.equal(await elementCentre(page, '#pause'), null, 'no touch control without a touch');
    assert.deepEqual(errors, []);
  });
}
