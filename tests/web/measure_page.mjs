// Browser figures for docs/performance.md (a benchmark, not a test):
// node measure_page.mjs SITE_FOLDER
// - load: navigation to the first drawn frame, cold cache, loopback server;
// - pacing: frames shown over 20 s of play (fire held, weaving).
import { startServer } from './static_server.mjs';
import { launchChromium, openPage, sleep, tap } from './browser.mjs';

const server = await startServer(process.argv[2]);
const chromium = await launchChromium();
try {
  const context = await chromium.browser.createBrowserContext();
  const { page, errors } = await openPage(context, server.url + 'shooter.html?seed=5');
  const firstFrame = await page.evaluate(async () => {
    while (!Module.kestrelPage.firstFrameAt) await new Promise((r) => setTimeout(r, 10));
    return Module.kestrelPage.firstFrameAt;  // performance.now() counts from navigation
  });
  console.log(`load: first drawn frame ${firstFrame.toFixed(0)} ms after navigation`);
  await sleep(7000);
  await tap(page, 'Enter');
  await sleep(800);
  await tap(page, 'Enter');
  await sleep(1000);
  await page.keyboard.down('Space');
  const frames = () => page.evaluate(() => Module.kestrelPage.framesShown);
  const before = await frames();
  const started = Date.now();
  for (let i = 0; Date.now() - started < 20000; i++) await tap(page, i % 2 ? 'ArrowLeft' : 'ArrowRight', 500);
  const seconds = (Date.now() - started) / 1000;
  const shown = (await frames()) - before;
  console.log(`pacing: ${shown} frames in ${seconds.toFixed(1)} s of play = ${(shown / seconds).toFixed(1)} FPS`);
  const heap = await page.evaluate(() => Module.kestrelPage.heapBytes());
  console.log(`wasm heap after play: ${(heap / 1048576).toFixed(1)} MB; page errors: ${errors.length}`);
} finally {
  await chromium.close();
  await server.close();
}
