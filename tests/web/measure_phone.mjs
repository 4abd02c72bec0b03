// Phone figures for docs/performance.md (a benchmark, not a test; about two
// minutes a run): node measure_phone.mjs SITE_FOLDER [RUNS, default 3]
// The node build beside the site (SITE/../node/shooter.js) reads the pools
// back; it runs in KESTREL_NATIVE_RUN (default build/dev/run), which holds the
// pictures and sounds. Each run prints the load average beside its figures.
//
// - Touch to key, first: Pixel 5 landscape, Chromium's CPU throttled 4x from
//   the first frame of play, ten finger presses. A capturing listener notes
//   the frames shown when each touch event arrives, the page's touch queue
//   notes when the backend takes the record (and sets the keys), and the
//   game's recording says after how many frames the key reached it.
// - Pacing, still throttled, in the same recorded touch game (?record=):
//   the stick held (fire held) and swept wide, keypad + held for the first
//   2 s (boss cycles bring the waves sooner), 10 s of play, then 20 s
//   measured: frames the game showed over the page's clock, and the main
//   thread's time a frame (Chromium's Performance domain). The pools of that
//   very game are read afterwards: the node build replays the recording cut
//   at every other second of the window with --timedemo, whose closing line
//   counts each pool's live entries; --verify checks the whole recording.
// - Warm start: navigation to the first drawn frame on a reload, served by
//   the service worker's cache, against a reload with no service worker
//   (the loopback server sends every file again); nine reloads each.
// - Pacing with every pool full: the busy page beside the site
//   (build/web/bench), throttled the same way, 20 s measured.
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { cpus, loadavg, tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { startServer } from './static_server.mjs';
import { canvasStats, launchChromium, sleep, tap, waitFor } from './browser.mjs';
import { openPhonePage, tapScreen } from './touch.mjs';
import { exited, isMenu, isPaused, isTitle, kCorner, readSaved } from './shooter_screens.mjs';

const site = process.argv[2];
const runs = Number(process.argv[3] || 3);
const nodeShooter = resolve(site, '..', 'node', 'shooter.js');
const nativeRun = resolve(process.env.KESTREL_NATIVE_RUN || 'build/dev/run');
const kPools = ['surface', 'aircraft', 'explosions', 'pickups', 'shots'];
const kCapacity = { surface: 100, aircraft: 100, explosions: 100, pickups: 100, shots: 200 };
const menuItem = (i) => [319, Math.round(203 + 18.25 * i)];  // START GAME .. EXIT
const kPauseExit = [320, 277];
const kMiddle = [320, 240];
const kWarmUpMs = Number(process.env.KESTREL_WARM_UP_MS || 10000);  // from the first frame of play to the measured 20 s
const kPresses = 10;
const kBoostMs = 2000;    // keypad + held, from the first frame of play
const isInstructions = async (page) => !(await isMenu(page)) && (await canvasStats(page)).black > 0.85;
const isGame = async (page) => !(await isMenu(page)) && (await canvasStats(page, kCorner)).blue > 0.3;

const load = () => loadavg().map((x) => x.toFixed(2)).join(' ');
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const firstFrame = (page) => page.evaluate(async () => {
  while (!(window.Module && Module.kestrelPage && Module.kestrelPage.firstFrameAt)) await new Promise((r) => setTimeout(r, 5));
  return Module.kestrelPage.firstFrameAt;
});

// Notes on the page, without changing it: the frames shown at every touch
// start, at every take of a touch start record by the backend, and (once
// `probes.presents` is an array) the time of every shown frame.
function installProbes(page) {
  return page.evaluate(() => {
    const probes = { touched: [], taken: [], presents: null };
    window.kestrelProbes = probes;
    window.addEventListener('touchstart', () => {
      probes.touched.push([performance.now(), Module.kestrelPage.framesShown]);
    }, { capture: true });
    const pagePart = Module.kestrelPage;
    const show = pagePart.showPixels;
    pagePart.showPixels = function (...args) {
      show.apply(this, args);
      if (probes.presents) probes.presents.push([this.framesShown, performance.now()]);
    };
    const queue = Module.kestrelTouch.queue;
    queue.shift = function () {
      const record = Array.prototype.shift.call(this);
      if (record && record[0] === 1) probes.taken.push([performance.now(), Module.kestrelPage.framesShown]);
      return record;
    };
  });
}
const pageClock = (page) => page.evaluate(() => [performance.now(), Module.kestrelPage.framesShown]);

// The recording's frame lines and the frame after which each "down KEY" arrived.
function readRecording(text) {
  const frames = [];  // clock in microseconds of each shown frame
  const downs = [];   // [key, frames shown before it arrived]
  let clock = 0;
  for (const line of text.split('\n')) {
    const frame = line.match(/^(\d+) [0-9a-f]+$/);
    if (frame) { clock += Number(frame[1]); frames.push(clock); continue; }
    const down = line.match(/^down (\S+) /);
    if (down) downs.push([down[1], frames.length]);
  }
  return { frames, downs };
}

// The ten presses: touch starts and takes noted by the page, and the
// recording's "down Space" lines from just before the first touch on.
function presses(probes, touchFrom, rec) {
  const touched = probes.touched.slice(touchFrom[0], touchFrom[0] + kPresses);
  const taken = probes.taken.slice(touchFrom[1], touchFrom[1] + kPresses);
  const first = touched.length ? touched[0][1] - 2 : Infinity;
  const downs = rec.downs.filter(([key, at]) => key === 'Space' && at >= first).slice(0, kPresses);
  return { touched, taken, downs };
}
function touchOffset(probes, touchFrom, rec) {
  const { taken, downs } = presses(probes, touchFrom, rec);
  return taken.length && downs.length ? taken[0][1] - downs[0][1] : 1;
}

// The live pools after `frames` frames of the recorded game, as the game
// counts them: the recording cut there, replayed by the node build.
function poolsAt(text, frames, work) {
  const lines = text.split('\n');
  const kept = [];
  let shown = 0;
  for (const line of lines) {
    if (/^\d+ [0-9a-f]+$/.test(line) && ++shown > frames) break;
    if (line.startsWith('end')) break;
    kept.push(line);
  }
  kept.push('end state=0');
  const cut = join(work, `cut-${frames}.rec`);
  writeFileSync(cut, kept.join('\n') + '\n');
  // The cut recording's closing figures are not the game's: it says "differs" and exits 1.
  const out = spawnSync('node', [nodeShooter, '--timedemo', cut], { cwd: nativeRun, encoding: 'utf8' }).stdout;
  const pools = { state: Number((out.match(/ state=(\d+)/) || [])[1]) };
  for (const name of kPools) {
    const m = out.match(new RegExp(` ${name}=(\\d+)`));
    if (!m) throw new Error(`no ${name}= in the timedemo line: ${out}`);
    pools[name] = Number(m[1]);
  }
  return pools;
}

async function busyRun(browser, run, work) {
  const { page, errors, fingers } = await openPhonePage(browser, server.url + 'shooter.html?seed=5&record=busy.rec', 'Pixel 5 landscape');
  const cdp = await page.createCDPSession();
  await waitFor('the title', 20000, () => isTitle(page));
  await fingers.tap(20, 20);
  await waitFor('the menu', 15000, () => isMenu(page));
  await installProbes(page);
  await tapScreen(page, fingers, ...menuItem(0));
  await waitFor('the instructions', 5000, () => isInstructions(page));
  await sleep(300);
  await tapScreen(page, fingers, ...kMiddle);
  await waitFor('the game', 5000, () => isGame(page));
  await cdp.send('Performance.enable');
  const busy = async () => Object.fromEntries((await cdp.send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  const [cx0, cy0] = [(await page.evaluate(() => innerWidth)) / 2, (await page.evaluate(() => innerHeight)) / 2];
  // Touch to key, first: ten finger presses a little apart.
  const touchFrom = await page.evaluate(() => { kestrelProbes.presents = []; return [kestrelProbes.touched.length, kestrelProbes.taken.length]; });
  for (let i = 0; i < kPresses; i++) {
    await fingers.start(1, cx0 + (i % 2 ? -40 : 40), cy0);
    await sleep(300 + 37 * i);
    await fingers.end(1);
    await sleep(400);
  }
  await page.evaluate(() => { kestrelProbes.kept = kestrelProbes.presents; kestrelProbes.presents = null; });
  // Keypad + held for the first seconds: the boss comes every other second
  // and each of its cycles brings the waves sooner.
  await page.keyboard.down('NumpadAdd');
  const [cx, cy] = [(await page.evaluate(() => innerWidth)) / 2, (await page.evaluate(() => innerHeight)) / 2];
  await fingers.start(1, cx, cy);
  // Wide sweeps: the stick held to one side for 1.2 s, then the other.
  let side = 0;
  let turnAt = Date.now() + 600;
  await fingers.move(1, cx - 60, cy + 5);
  const sweep = async (ms) => {
    const until = Date.now() + ms;
    while (Date.now() < until) {
      if (Date.now() >= turnAt) {
        await fingers.move(1, cx + ((++side % 2) ? 60 : -60), cy + 5);
        turnAt += 1200;
      }
      await sleep(Math.max(0, Math.min(until, turnAt) - Date.now()));
    }
  };
  await sweep(kBoostMs);
  await page.keyboard.up('NumpadAdd');
  await sweep(kWarmUpMs - kBoostMs);
  const loadBefore = load();
  const busyBefore = await busy();
  const seconds = [await pageClock(page)];
  for (let s = 1; s <= 20; s++) {
    const due = seconds[0][0] + s * 1000;
    while ((await pageClock(page))[0] < due - 250) await sweep(200);
    while ((await pageClock(page))[0] < due) await sleep(10);
    seconds.push(await pageClock(page));
  }
  const busyAfter = await busy();
  const loadAfter = load();
  await fingers.end(1);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 1 });
  const probes = await page.evaluate(() => kestrelProbes);
  // To the menu and EXIT from whatever screen the game is on (it may have
  // ended in the meantime): the recording is written as the program ends.
  for (let step = 0; !(await exited(page)); step++) {
    if (step > 30) throw new Error('the program did not reach EXIT');
    const pause = await page.evaluate(() => {
      const b = document.getElementById('pause').getBoundingClientRect();
      return b.width > 0 ? [b.left + b.width / 2, b.top + b.height / 2] : null;
    });
    if (await isMenu(page)) await tapScreen(page, fingers, ...menuItem(4));
    else if (await isPaused(page)) await tapScreen(page, fingers, ...kPauseExit);
    else if (pause) await fingers.tap(...pause);
    else await tap(page, 'Enter');
    await sleep(700);
  }
  const text = await readSaved(page, 'busy.rec');
  if (errors.length) throw new Error(errors.join('\n'));
  await page.close();

  const [[t0, f0], [t1, f1]] = [seconds[0], seconds[20]];
  // The main thread's time in scripts (the program's wasm and the page's
  // JS) and in all its tasks, a frame, as Chromium's Performance domain counts it.
  const perFrame = (name) => ((busyAfter[name] - busyBefore[name]) * 1000 / (f1 - f0)).toFixed(2);
  const fps = (f1 - f0) / ((t1 - t0) / 1000);
  const perSecond = seconds.slice(1).map(([, f], i) => f - seconds[i][1]);
  const rec = readRecording(text);
  writeFileSync(join(work, `busy-${run}.rec`), text);
  const replay = execFileSync('node', [nodeShooter, '--verify', join(work, `busy-${run}.rec`)], { cwd: nativeRun, encoding: 'utf8' }).trim();
  // The page counts presents the recording does not hold (the loading
  // line's): page frame n is recorded frame n - offset. Each press's take
  // by the backend and its "down Space" line are one event, which gives it.
  const offset = touchOffset(probes, touchFrom, rec);
  const gameClockFps = (f1 - f0) / ((rec.frames[f1 - offset - 1] - rec.frames[f0 - offset - 1]) / 1e6);
  const pools = [];
  for (let s = 0; s <= 20; s += 2) pools.push(poolsAt(text, seconds[s][1] - offset, work));
  console.log(`run ${run}: ${f1 - f0} frames in ${((t1 - t0) / 1000).toFixed(2)} s = ${fps.toFixed(2)} FPS ` +
    `(game clock: ${gameClockFps.toFixed(2)}); frames each second: ${perSecond.join(' ')}; ` +
    `main thread a frame: ${perFrame('ScriptDuration')} ms in scripts, ${perFrame('TaskDuration')} ms in tasks; ` +
    `load average ${loadBefore} before, ${loadAfter} after; ${replay}`);
  console.log(`  screen at every 2nd second (8: playing): ${pools.map((p) => p.state).join(' ')}`);
  for (const name of kPools) {
    const counts = pools.map((p) => p[name]);
    console.log(`  ${name.padEnd(10)} live at every 2nd second (of ${kCapacity[name]}): ${counts.join(' ')}; min ${Math.min(...counts)}, median ${median(counts)}, max ${Math.max(...counts)}`);
  }

  // Each press, in the page's frame numbers: F frames shown when its touch
  // start arrived; the backend took the record (and set the keys) after G
  // shown frames, so frame G + 1 is the first that the game draws with fire
  // held (G + 1 = F + 1: within one frame). The recording's "down Space"
  // after D frames says the same when G - D is the same for every press.
  // Times: from the touch event to the take, and to the present of G + 1.
  const { touched, taken, downs } = presses(probes, touchFrom, rec);
  const presented = new Map(probes.kept);
  if (downs.length !== touched.length || taken.length !== touched.length) {
    console.log(`  touch to key not read: ${touched.length} touch starts, ${taken.length} takes, ${downs.length} "down Space" lines (the game was not in play)`);
    return { fps, latency: [], pools, script: Number(perFrame('ScriptDuration')) };
  }
  const latency = touched.map(([t, f], i) => ({
    frames: taken[i][1] + 1 - f,
    offset: taken[i][1] - downs[i][1],
    takenMs: taken[i][0] - t,
    shownMs: presented.get(taken[i][1] + 1) - t,
  }));
  return { fps, latency, pools, script: Number(perFrame('ScriptDuration')) };
}

// Every pool full, which no real game reaches: the busy page beside the site
// (build/web/bench/busy_shooter.html, bench/busy_page.cpp) runs the game's own
// paced loop with the pools and the game state put back full before every
// frame. Same phone, same throttling; 10 s to settle, then 20 s measured.
async function fullPoolsRun(browser, run) {
  const { page, errors } = await openPhonePage(browser, benchServer.url + 'busy_shooter.html', 'Pixel 5 landscape');
  await waitFor('the busy page drawing', 30000, () => page.evaluate(() => Module.kestrelPage.framesShown > 10));
  const cdp = await page.createCDPSession();
  await cdp.send('Performance.enable');
  const busy = async () => Object.fromEntries((await cdp.send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  await sleep(kWarmUpMs);
  const loadBefore = load();
  const busyBefore = await busy();
  const seconds = [await pageClock(page)];
  for (let s = 1; s <= 20; s++) {
    const due = seconds[0][0] + s * 1000;
    while ((await pageClock(page))[0] < due) await sleep(10);
    seconds.push(await pageClock(page));
  }
  const busyAfter = await busy();
  const [[t0, f0], [t1, f1]] = [seconds[0], seconds[20]];
  const perFrame = (name) => ((busyAfter[name] - busyBefore[name]) * 1000 / (f1 - f0)).toFixed(2);
  const fps = (f1 - f0) / ((t1 - t0) / 1000);
  const perSecond = seconds.slice(1).map(([, f], i) => f - seconds[i][1]);
  // The bench page has no manifest, icons or service worker of its own.
  const faults = errors.filter((e) => !/404|manifest|service_worker|ServiceWorker/i.test(e));
  if (faults.length) throw new Error(faults.join('\n'));
  console.log(`every pool full, run ${run}: ${f1 - f0} frames in ${((t1 - t0) / 1000).toFixed(2)} s = ${fps.toFixed(2)} FPS; ` +
    `frames each second: ${perSecond.join(' ')}; main thread a frame: ${perFrame('ScriptDuration')} ms in scripts, ` +
    `${perFrame('TaskDuration')} ms in tasks; load average ${loadBefore} before, ${load()} after`);
  await page.close();
  return fps;
}

const server = await startServer(site);
const benchFolder = resolve(site, '..', 'bench');
const benchServer = await startServer(benchFolder);
const chromium = await launchChromium();
const work = mkdtempSync(join(tmpdir(), 'kestrel-measure-phone-'));
try {
  console.log(`machine: ${cpus()[0].model}, ${cpus().length} CPUs; Chromium ${await chromium.browser.version()}; load average now ${load()}`);
  const all = [];
  for (let run = 1; run <= runs; run++) {
    const context = await chromium.browser.createBrowserContext();
    all.push(await busyRun(context, run, work));
    await context.close();
  }
  console.log(`phone pacing, CPU throttled 4x, busy touch play: median ${median(all.map((r) => r.fps)).toFixed(2)} FPS ` +
    `over ${runs} runs of 20 s (${all.map((r) => r.fps.toFixed(2)).join(', ')})`);
  const full = [];
  for (let run = 1; run <= runs; run++) {
    const context = await chromium.browser.createBrowserContext();
    full.push(await fullPoolsRun(context, run));
    await context.close();
  }
  console.log(`phone pacing, CPU throttled 4x, every pool full: median ${median(full).toFixed(2)} FPS ` +
    `over ${runs} runs of 20 s (${full.map((f) => f.toFixed(2)).join(', ')})`);
  const lat = all.flatMap((r) => r.latency);
  if (lat.length) {
  const stat = (xs) => `median ${median(xs).toFixed(1)} ms, max ${Math.max(...xs).toFixed(1)} ms`;
  console.log(`touch to key, CPU throttled 4x (${lat.length} presses): the key is in frame F + ${lat.map((l) => l.frames).join(', F + ')} ` +
    `(F: frames shown at the touch); page frame of the take less the recording's frame of the key: ` +
    `${[...new Set(lat.map((l) => l.offset))].join(', ')} (one value: they agree); ` +
    `touch event to keys taken: ${stat(lat.map((l) => l.takenMs))}; to that frame shown: ${stat(lat.map((l) => l.shownMs))}`);
  }

  for (const worker of [true, false]) {
    const context = await chromium.browser.createBrowserContext();
    const noWorker = () => { Object.defineProperty(navigator, 'serviceWorker', { get: () => undefined }); };
    const { page } = await openPhonePage(context, server.url + 'shooter.html?seed=5', 'Pixel 5 landscape',
      worker ? {} : { beforeLoad: noWorker });
    await firstFrame(page);
    if (worker) await waitFor('the service worker', 20000, () => page.evaluate(() => !!navigator.serviceWorker.controller));
    const times = [];
    for (let i = 0; i < 9; i++) {
      await page.reload({ waitUntil: 'load' });
      times.push(await firstFrame(page));
    }
    console.log(`warm start ${worker ? 'from the service worker' : 'without a service worker'}: first frame ${median(times).toFixed(0)} ms ` +
      `(median of ${times.length}: ${times.map((t) => t.toFixed(0)).join(', ')}); load average ${load()}`);
    await context.close();
  }
} finally {
  await chromium.close();
  await server.close();
  await benchServer.close();
  rmSync(work, { recursive: true, force: true });
}
