// Phones in Chromium's device emulation, and real touch events through the
// DevTools protocol: fingers that go down, move and lift one at a time, as
// a touch screen reports them.
import { KnownDevices } from 'puppeteer-core';
import { recordErrors, sleep } from './browser.mjs';

// Opens a page as the named puppeteer device and records its errors.
export async function openPhonePage(browser, url, deviceName, { beforeLoad } = {}) {
  const page = await browser.newPage();
  const device = KnownDevices[deviceName];
  if (!device) throw new Error(`no device profile ${deviceName}`);
  await page.emulate(device);
  const errors = recordErrors(page);
  if (beforeLoad) await page.evaluateOnNewDocument(beforeLoad);
  await page.goto(url, { waitUntil: 'load' });
  return { page, errors, fingers: new Fingers(await page.createCDPSession()) };
}

// The fingers on the screen; each call sends the whole set still down.
export class Fingers {
  constructor(cdp) {
    this.cdp = cdp;
    this.down = new Map();
  }
  send(type) {
    const touchPoints = [...this.down].map(([id, [x, y]]) => ({ x, y, id, radiusX: 4, radiusY: 4, force: 1 }));
    return this.cdp.send('Input.dispatchTouchEvent', { type, touchPoints });
  }
  start(id, x, y) { this.down.set(id, [x, y]); return this.send('touchStart'); }
  move(id, x, y) { this.down.set(id, [x, y]); return this.send('touchMove'); }
  end(id) { this.down.delete(id); return this.send('touchEnd'); }
  async tap(x, y, holdMs = 80) {
    await this.start(99, x, y);
    await sleep(holdMs);
    await this.end(99);
    await sleep(150);
  }
}

// The CSS pixel over a point of the program's screen.
export function cssPoint(page, x, y) {
  return page.evaluate((px, py) => {
    const canvas = document.getElementById('screen');
    const box = canvas.getBoundingClientRect();
    return [box.left + (px + 0.5) * box.width / canvas.width, box.top + (py + 0.5) * box.height / canvas.height];
  }, x, y);
}

// Taps a point of the program's screen.
export async function tapScreen(page, fingers, x, y) {
  const [cx, cy] = await cssPoint(page, x, y);
  await fingers.tap(cx, cy);
}

// The middle of a page element's box, or null when it is not shown.
export function elementCentre(page, selector) {
  return page.evaluate((s) => {
    const e = document.querySelector(s);
    if (!e || getComputedStyle(e).display === 'none') return null;
    const box = e.getBoundingClientRect();
    return { x: box.left + box.width / 2, y: box.top + box.height / 2, width: box.width, height: box.height };
  }, selector);
}
