// Serves the browser build's folder on 127.0.0.1 and prints the address: make web-run, and the browser test.
// Usage: node serve.mjs <folder> [port]   (port 0 picks a free one)
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, sep } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
};

// The file a request names, only inside the folder; null for anything else.
function fileOf(folder, url) {
  const path = decodeURIComponent(new URL(url, 'http://localhost').pathname);
  const file = normalize(join(folder, path === '/' ? 'morvatek.html' : path));
  if (!file.startsWith(folder + sep)) {
    return null;
  }
  try {
    return statSync(file).isFile() ? file : null;
  } catch {
    return null;
  }
}

export function serve(folder, port = 0) {
  const root = normalize(folder);
  const server = createServer((request, response) => {
    const file = request.method === 'GET' ? fileOf(root, request.url) : null;
    if (file === null) {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('Not found\n');
      return;
    }
    response.writeHead(200, {
      'Content-Type': types[extname(file)] ?? 'application/octet-stream',
      'Cache-Control': 'no-cache',
    });
    createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [folder, port] = process.argv.slice(2);
  if (folder === undefined) {
    console.error('usage: serve.mjs <folder> [port]');
    process.exit(2);
  }
  const server = await serve(join(process.cwd(), folder).replace(/\/$/, ''), Number(port ?? 8080));
  console.log(`Morvatek is served at http://127.0.0.1:${server.address().port}/morvatek.html (Ctrl+C stops it)`);
}
