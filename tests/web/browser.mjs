// Debian's Chromium, headless, through puppeteer-core, with helpers that read
// the program's canvas and press keys as a player does.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

export async function launchChromium() {
  const profile = mkdtempSync(join(tmpdir(), 'kestrel-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--window-size=800,600'],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// The shooter page asks its host whether it is a score server
// (GET /api/v1/server); a static host answers 404 or not at all, and Chromium
// logs that failed load. It is the expected answer, not a fault of the page.
function isScoreServerQuestion(message) {
  try {
    return new URL(message.location().url).pathname === '/api/v1/server';
  } catch {
    return false;
  }
}

// Every page error and console error of `page` from now on, in one list.
export function recordErrors(page) {
  const errors = [];
  page.on('pageerror', (e) => errors.push(`page error: ${e.message}`));
  page.on('console', (m) => {
    if (m.type() === 'error' && !isScoreServerQuestion(m)) errors.push(`console error: ${m.text()}`);
  });
  return errors;
}

// Opens a page and records every page error and console error on it.
// `onPage(page)` runs before the address loads (to watch its requests).
export async function openPage(browser, url, { beforeLoad, onPage } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600 });
  const errors = recordErrors(page);
  if (beforeLoad) await page.evaluateOnNewDocument(beforeLoad);
  if (onPage) await onPage(page);
  await page.goto(url, { waitUntil: 'load' });
  return { page, errors };
}

// Counts of the canvas's pixels in a rectangle (the whole canvas by
// default): near black, yellow, orange-ish text, blue sea; plus a hash.
export function canvasStats(page, rect) {
  return page.evaluate((r) => {
    const canvas = document.getElementById('screen');
    const x = r ? r[0] : 0;
    const y = r ? r[1] : 0;
    const w = r ? r[2] - r[0] : canvas.width;
    const h = r ? r[3] - r[1] : canvas.height;
    const data = canvas.getContext('2d').getImageData(x, y, w, h).data;
    let black = 0, yellow = 0, orange = 0, blue = 0, hash = 2166136261;
    for (let i = 0; i < data.length; i += 4) {
      const [red, green, b] = [data[i], data[i + 1], data[i + 2]];
      if (red < 24 && green < 24 && b < 24) black++;
      if (red > 200 && green > 170 && b < 110) yellow++;
      if (red > 200 && green > 90 && b < 90) orange++;
      if (b > 90 && b > red + 40) blue++;
      hash = Math.imul(hash ^ (red | (green << 8) | (b << 16)), 16777619) >>> 0;
    }
    const n = w * h;
    return { width: canvas.width, height: canvas.height, black: black / n, yellow: yellow / n,
      orange: orange / n, blue: blue / n, hash };
  }, rect || null);
}

export const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

// Polls until `test` returns a truthy value; fails with `what` after `ms`.
export async function waitFor(what, ms, test) {
  const until = Date.now() + ms;
  for (;;) {
    const value = await test();
    if (value) return value;
    if (Date.now() > until) throw new Error(`timed out waiting for ${what}`);
    await sleep(100);
  }
}

// A key press long enough for a program that polls its keys once a frame.
export async function tap(page, key, holdMs = 120) {
  await page.keyboard.down(key);
  await sleep(holdMs);
  await page.keyboard.up(key);
  await sleep(180);
}
