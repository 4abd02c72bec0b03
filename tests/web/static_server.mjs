// A static file server for the site folder, on the loopback address only.
// Used by the Chromium checks (which start and stop it) and by scripts/web.sh.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Resolves the address's path inside the folder; null for anything outside it.
export function fileFor(root, urlPath) {
  let path;
  try {
    path = decodeURIComponent(urlPath.split('?')[0]);
  } catch {
    return null;
  }
  if (path.endsWith('/')) path += 'index.html';
  const full = normalize(join(root, path));
  return full === root || full.startsWith(root + sep) ? full : null;
}

export function startServer(folder, port = 0) {
  const root = resolve(folder);
  const server = createServer(async (request, response) => {
    const file = fileFor(root, request.url || '/');
    try {
      if (!file || !(await stat(file)).isFile()) throw new Error('not found');
      const body = await readFile(file);
      response.writeHead(200, {
        'Content-Type': kTypes[extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-store',
      });
      response.end(body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('not found\n');
    }
  });
  return new Promise((done, failed) => {
    server.once('error', failed);
    server.listen(port, '127.0.0.1', () => {
      const address = server.address();
      // Closing also drops the open connections: the site is gone at once.
      const close = () => new Promise((c) => { server.close(c); server.closeAllConnections(); });
      done({ server, port: address.port, url: `http://127.0.0.1:${address.port}/`, close });
    });
  });
}

// node static_server.mjs FOLDER [PORT]: serve until stopped.
if (import.meta.url === `file://${process.argv[1]}`) {
  const { url } = await startServer(process.argv[2] || '.', Number(process.argv[3] || 8000));
  console.log(`Kestrel is served on ${url} (Ctrl+C stops)`);
}
