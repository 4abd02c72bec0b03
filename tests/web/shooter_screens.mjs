// What shooter's screens look like on its canvas, for the Chromium checks.
import assert from 'node:assert/strict';
import { canvasStats, sleep, waitFor } from './browser.mjs';

// Picture regions of shooter's screens, in 640x480 canvas pixels.
const kMenuBox = [275, 198, 365, 285];    // the yellow menu items
export const kCorner = [0, 0, 40, 40];
const kTitlePicture = [200, 180, 440, 300];
const kPauseBox = [240, 212, 400, 300];   // the dark pause box on the sea
export const kScore = [0, 36, 80, 54];    // the score's digits under "SCORE"
const kNameHint = [130, 308, 510, 324];   // "THEN PRESS ENTER TO SEE HIGH SCORES"

export const isMenu = async (page) => {
  const box = await canvasStats(page, kMenuBox);
  const corner = await canvasStats(page, kCorner);
  return box.yellow > 0.4 && corner.blue > 0.5;
};
export const isTitle = async (page) => {
  const corner = await canvasStats(page, kCorner);
  const picture = await canvasStats(page, kTitlePicture);
  return corner.black > 0.99 && picture.black < 0.5;
};
export const isPaused = async (page) => (await canvasStats(page, kPauseBox)).black > 0.6;
export const isNameEntry = async (page) =>
  (await canvasStats(page)).black > 0.9 && (await canvasStats(page, kNameHint)).orange > 0.05;
export const exited = (page) => page.evaluate(() => !!Module.exited);
export const readSaved = (page, name) => page.evaluate((n) => Module.FS.readFile('/save/' + n, { encoding: 'utf8' }), name);

// A score table every score beats, as the golden replays use.
export const kLowTable = Array.from({ length: 10 }, (_, i) => `PILOT${i + 1}\r\n${11 - i}\r\n`).join('');

// After a name was entered as KES: the table is saved with it at the top,
// and the page reloaded from its storage still has it there.
export async function expectNameKeptAfterReload(page) {
  await waitFor('the table saved', 5000, async () => (await readSaved(page, 'high_scores.dat')).startsWith('KES'));
  await sleep(500);
  await page.reload({ waitUntil: 'load' });
  await waitFor('the title', 20000, () => isTitle(page));
  assert.match(await readSaved(page, 'high_scores.dat'), /^KES\r\n\d+\r\nPILOT1\r\n/);
}
