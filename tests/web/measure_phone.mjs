// Phone figures for docs/performance.md (a benchmark, not a test):
// node measure_phone.mjs SITE_FOLDER
// - pacing on a phone-class CPU: Pixel 5 landscape, Chromium's CPU throttled
//   4x, 20 s of touch play (stick held and swept, fire held, the boss called);
// - warm start: navigation to the first drawn frame on a reload, served by
//   the service worker's cache, against a reload with no service worker
//   (the loopback server sends every file again).
import { startServer } from './static_server.mjs';
import { launchChromium, sleep, tap, waitFor } from './browser.mjs';
import { openPhonePage, tapScreen } from './touch.mjs';
import { isMenu, isTitle } from './shooter_screens.mjs';

const firstFrame = (page) => page.evaluate(async () => {
  while (!(window.Module && Module.kestrelPage && Module.kestrelPage.firstFrameAt)) await new Promise((r) => setTimeout(r, 5));
  return Module.kestrelPage.firstFrameAt;
});
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

const server = await startServer(process.argv[2]);
const chromium = await launchChromium();
try {
  {
    const context = await chromium.browser.createBrowserContext();
    const { page, fingers } = await openPhonePage(context, server.url + 'shooter.html?seed=5', 'Pixel 5 landscape');
    const cdp = await page.createCDPSession();
    await waitFor('the title', 20000, () => isTitle(page));
    await fingers.tap(20, 20);
    await waitFor('the menu', 15000, () => isMenu(page));
    await tapScreen(page, fingers, 319, 203);
    await sleep(600);
    await tapScreen(page, fingers, 320, 240);
    await sleep(1000);
    for (let i = 0; i < 12; i++) await tap(page, 'NumpadAdd', 80);
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
    const frames = () => page.evaluate(() => Module.kestrelPage.framesShown);
    const before = await frames();
    const started = Date.now();
    await fingers.start(1, 425, 200);
    for (let i = 0; Date.now() - started < 20000; i++) {
      await fingers.move(1, 425 + (i % 2 ? -50 : 50), 200);
      await sleep(500);
    }
    await fingers.end(1);
    const seconds = (Date.now() - started) / 1000;
    const shown = (await frames()) - before;
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: 1 });
    console.log(`phone pacing, CPU throttled 4x: ${shown} frames in ${seconds.toFixed(1)} s of touch play = ${(shown / seconds).toFixed(1)} FPS`);
    await context.close();
  }
  for (const worker of [true, false]) {
    const context = await chromium.browser.createBrowserContext();
    const noWorker = () => { Object.defineProperty(navigator, 'serviceWorker', { get: () => undefined }); };
    const { page } = await openPhonePage(context, server.url + 'shooter.html?seed=5', 'Pixel 5 landscape',
      worker ? {} : { beforeLoad: noWorker });
    await firstFrame(page);
    if (worker) await waitFor('the service worker', 20000, () => page.evaluate(() => !!navigator.serviceWorker.controller));
    const times = [];
    for (let i = 0; i < 5; i++) {
      await page.reload({ waitUntil: 'load' });
      times.push(await firstFrame(page));
    }
    console.log(`warm start ${worker ? 'from the service worker' : 'without a service worker'}: first frame ${median(times).toFixed(0)} ms (median of 5: ${times.map((t) => t.toFixed(0)).join(', ')})`);
    await context.close();
  }
} finally {
  await chromium.close();
  await server.close();
}
