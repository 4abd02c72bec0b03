// The browser pages in a real headless Chromium: node chromium_checks.mjs SITE_FOLDER
// Serves the folder on 127.0.0.1 for the run, then checks shooter (title,
// menu, a game, the pause box, options and scores kept across reloads, the
// no-storage case) and each demo page, with no page errors anywhere.
import assert from 'node:assert/strict';
import { resolve } from 'node:path';
import { startServer } from './static_server.mjs';
import { canvasStats, launchChromium, openPage, sleep, tap, waitFor } from './browser.mjs';
import { offlineChecks } from './offline_checks.mjs';
import { phoneChecks } from './phone_checks.mjs';
import { isMenu, isNameEntry, isPaused, isTitle, exited, kCorner, kLowTable, kScore, readSaved, expectNameKeptAfterReload } from './shooter_screens.mjs';

const site = process.argv[2];
if (!site) {
  console.error('usage: node chromium_checks.mjs SITE_FOLDER');
  process.exit(2);
}

const checks = [];
const check = (name, body) => checks.push({ name, body });

async function startShooter(browser, url, options) {
  const opened = await openPage(browser, url + 'shooter.html?seed=5', options);
  await waitFor('the title', 20000, () => isTitle(opened.page));
  return opened;
}

async function toMenu(page) {
  await waitFor('the menu', 15000, () => isMenu(page));
}

check('shooter: title, menu, a game with a score, the pause box', async (browser, url) => {
  const { page, errors } = await startShooter(browser, url);
  await toMenu(page);
  await tap(page, 'Enter');
  await sleep(800);
  await tap(page, 'Enter');
  await waitFor('the game', 5000, async () => !(await isMenu(page)) && (await canvasStats(page, kCorner)).blue > 0.3);
  // The digits are the only orange in that strip of sea.
  const digits = async () => Math.round((await canvasStats(page, kScore)).orange * 1440);
  const before = await digits();
  assert.ok(before > 0, 'the score is drawn');
  await page.keyboard.down('Space');
  let changed = 0;
  // The plane sweeps wide, so that its volleys cross the columns the waves
  // fly down; the waves are random on the page's real clock, so a slow
  // machine may need a while.
  await waitFor('the score to change', 90000, async () => {
    await tap(page, (changed++ % 2) ? 'ArrowLeft' : 'ArrowRight', 700);
    const a = await digits();
    await sleep(150);
    return a !== before && a === (await digits());
  });
  await page.keyboard.up('Space');
  await sleep(400);
  assert.equal(await page.$eval('#pause', (b) => getComputedStyle(b).display), 'none', 'no touch control without a touch');
  await tap(page, 'Escape');
  await waitFor('the pause box', 3000, () => isPaused(page));
  await sleep(1000);
  assert.ok(await isPaused(page), 'the pause box stays up');
  assert.deepEqual(errors, []);
});

check('shooter: RESOLUTION 512x384 with ACCEPT survives a reload', async (browser, url) => {
  const { page, errors } = await startShooter(browser, url);
  await toMenu(page);
  await tap(page, 'ArrowDown');
  await tap(page, 'Enter');  // OPTIONS, the cursor where the menu's was
  await sleep(500);
  await tap(page, 'ArrowUp');
  await tap(page, 'Enter');  // RESOLUTION: 640 X 480 -> 512 X 384
  for (let i = 0; i < 6; i++) await tap(page, 'ArrowDown');
  await tap(page, 'Enter');  // ACCEPT
  await waitFor('the 512x384 canvas', 3000, async () => (await canvasStats(page)).width === 512);
  await waitFor('settings.dat saved', 3000, async () => (await readSaved(page, 'settings.dat')).startsWith('1'));
  await sleep(500);  // the save's write to IndexedDB
  await page.reload({ waitUntil: 'load' });
  await waitFor('the program again', 10000, () => page.evaluate(() => Module.kestrelPage.framesShown > 0));
  const after = await canvasStats(page);
  assert.equal(`${after.width}x${after.height}`, '512x384');
  const scale = await page.evaluate(() => Module.canvasScale);
  assert.ok(scale >= 1 && Number.isInteger(scale), `whole CSS scale factor, got ${scale}`);
  assert.deepEqual(errors, []);
});

check('shooter: a name entered after a game is in the table after a reload', async (browser, url) => {
  const { page, errors } = await startShooter(browser, url);
  // A table every score beats, then a fresh start on it.
  await page.evaluate((table) => { Module.FS.writeFile('/save/high_scores.dat', table); Module.kestrelSaved(); }, kLowTable);
  await sleep(500);
  await page.reload({ waitUntil: 'load' });
  await waitFor('the title', 20000, () => isTitle(page));
  await toMenu(page);
  await tap(page, 'Enter');
  await sleep(800);
  await tap(page, 'Enter');
  await sleep(1000);
  await page.keyboard.down('Space');
  for (let i = 0; i < 12; i++) await tap(page, 'NumpadAdd', 80);  // the boss at once
  let side = 0;
  await waitFor('the name entry', 120000, async () => {
    await tap(page, (side++ % 2) ? 'ArrowLeft' : 'ArrowRight', 700);
    return isNameEntry(page);
  });
  await page.keyboard.up('Space');
  await sleep(500);
  for (const key of ['KeyK', 'KeyE', 'KeyS']) await tap(page, key);
  await tap(page, 'Enter');
  await expectNameKeptAfterReload(page);
  assert.deepEqual(errors, []);
});

check('shooter: without storage it says so once and still plays', async (browser, url) => {
  const blockStorage = () => {
    Object.defineProperty(window, 'indexedDB', { get() { throw new DOMException('blocked', 'SecurityError'); } });
  };
  const { page, errors } = await startShooter(browser, url, { beforeLoad: blockStorage });
  const note = await page.$eval('#notes', (n) => n.textContent);
  assert.match(note, /will not be kept/);
  assert.equal((note.match(/will not be kept/g) || []).length, 1);
  await toMenu(page);
  await tap(page, 'Enter');
  await sleep(800);
  await tap(page, 'Enter');
  await waitFor('the game', 5000, async () => !(await isMenu(page)) && (await canvasStats(page, kCorner)).blue > 0.3);
  assert.deepEqual(errors, []);
});

// Each demo: its scene is drawn, its keys change it, Esc ends it and the
// page offers to start it again with the exit lines still shown.
for (const demo of ['flight_test', 'flight_test_plain', 'timing_test', 'collision_test']) {
  check(`${demo}: draws its scene, answers its keys, ends on Esc`, async (browser, url) => {
    const { page, errors } = await openPage(browser, url + demo + '.html?seed=3');
    await waitFor('a drawn scene', 15000, async () => (await canvasStats(page)).black < 0.98);
    const keys = demo === 'collision_test' ? ['KeyB', 'KeyN', 'ArrowLeft'] : ['ArrowLeft', 'ArrowRight', 'ArrowUp'];
    const seen = new Set();
    for (const key of keys) {
      await page.keyboard.down(key);
      await sleep(600);
      seen.add((await canvasStats(page)).hash);
      await page.keyboard.up(key);
    }
    assert.ok(seen.size > 1, 'the scene must change while keys are held');
    assert.equal(await page.$eval('#buttons', (b) => getComputedStyle(b).display), 'none', 'no touch buttons without a touch');
    await tap(page, 'Escape');
    await sleep(1500);
    if (!(await exited(page))) await tap(page, 'Space');  // programs that wait for a key before leaving
    await waitFor('the program to end', 8000, () => exited(page));
    assert.equal(await page.$eval('#again', (b) => b.hidden), false, 'the page offers to start again');
    assert.ok((await canvasStats(page)).black < 1, 'the exit lines stay visible');
    assert.deepEqual(errors, []);
  });
}

// The node build beside the site replays the touch game's recording in the
// native run folder, which holds the pictures and sounds.
offlineChecks(check, { site });
phoneChecks(check, { nodeShooter: resolve(site, '..', 'node', 'shooter.js'), nativeRun: process.env.KESTREL_NATIVE_RUN || '.' });

const only = process.env.KESTREL_WEB_ONLY;
const server = await startServer(site);
const chromium = await launchChromium();
let failed = 0;
try {
  for (const { name, body } of checks) {
    if (only && !name.includes(only)) continue;
    const started = Date.now();
    const context = await chromium.browser.createBrowserContext();
    try {
      await body(context, server.url);
      console.log(`ok   ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
    } catch (e) {
      failed++;
      console.log(`FAIL ${name}: ${e.message}`);
      // What the page showed, for the CI log and the artefacts.
      for (const [i, p] of (await context.pages()).entries()) {
        const shot = `${process.env.KESTREL_WEB_FAILURES || '/tmp'}/kestrel-web-failure-${failed}-${i}.png`;
        await p.screenshot({ path: shot }).catch(() => {});
        const state = await p.evaluate(() => ({ printed: (Module.printed || []).slice(-5), exited: !!Module.exited,
          notes: document.getElementById('notes').textContent, frames: Module.kestrelPage && Module.kestrelPage.framesShown }))
          .catch((err) => String(err));
        console.log(`     page ${p.url()}: ${JSON.stringify(state)} (screenshot ${shot})`);
      }
    } finally {
      await context.close();
    }
  }
} finally {
  await chromium.close();
  await server.close();
}
console.log(failed ? `chromium checks: ${failed} failed` : 'chromium checks: all passed');
process.exit(failed ? 1 : 0);
