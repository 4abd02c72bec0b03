// The site as an installed web app: after one visit it starts with no
// network at all (its server stopped), and a site built with another
// version replaces the cache rather than mixing with it.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openPage, sleep, tap, waitFor } from './browser.mjs';
import { startServer } from './static_server.mjs';
import { isMenu, isTitle } from './shooter_screens.mjs';

const cacheNames = (page) => page.evaluate(() => caches.keys());
const workerVersion = (site) => readFileSync(join(site, 'service_worker.js'), 'utf8').match(/const kVersion = '([^']+)'/)[1];

export function offlineChecks(check, { site }) {
  check('site: after one visit it plays offline; a new version replaces the cache', async (browser) => {
    const work = mkdtempSync(join(tmpdir(), 'kestrel-site-'));
    let server = null;
    try {
      // A second build of the site: one file changed, hence another version.
      const second = join(work, 'second');
      cpSync(site, second, { recursive: true });
      writeFileSync(join(second, 'kestrel_page.css'), readFileSync(join(site, 'kestrel_page.css'), 'utf8') + '/* second */\n');
      const worker = readFileSync(join(site, 'service_worker.js'), 'utf8');
      writeFileSync(join(second, 'service_worker.js'), worker.replace(workerVersion(site), workerVersion(site) + '-second'));

      server = await startServer(site);
      const { port, url } = server;
      const { page, errors } = await openPage(browser, url + 'shooter.html?seed=5');
      await waitFor('the service worker in control', 15000, () => page.evaluate(() => !!navigator.serviceWorker.controller));
      assert.deepEqual(await cacheNames(page), ['kestrel-' + workerVersion(site)]);

      await server.close();
      server = null;
      await page.reload({ waitUntil: 'load' });
      await waitFor('the title, offline', 20000, () => isTitle(page));
      await waitFor('the menu, offline', 15000, () => isMenu(page));
      await tap(page, 'Enter');
      await sleep(800);
      await tap(page, 'Enter');
      await waitFor('a game, offline', 5000, async () => !(await isMenu(page)));
      assert.deepEqual(errors, []);
      await page.close();

      // The second build on the same address: once no page of the first is
      // open, its worker takes over and the first cache is gone.
      server = await startServer(second, port);
      const updating = await openPage(browser, url + 'index.html');
      await waitFor('the second worker installed', 15000, () => updating.page.evaluate(async () =>
        (await caches.keys()).some((n) => n.endsWith('-second'))));
      await updating.page.close();
      await sleep(500);
      const fresh = await openPage(browser, url + 'index.html');
      await waitFor('only the second cache', 15000, async () => {
        const names = await cacheNames(fresh.page);
        return names.length === 1 && names[0] === 'kestrel-' + workerVersion(second);
      });
      const css = await fresh.page.evaluate(() => fetch('kestrel_page.css').then((r) => r.text()));
      assert.match(css, /second/, 'the second build\'s files');
      assert.deepEqual([...errors, ...updating.errors, ...fresh.errors], []);
    } finally {
      if (server) await server.close();
      rmSync(work, { recursive: true, force: true });
    }
  });
}
