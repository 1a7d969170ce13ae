// A static HTTP server on 127.0.0.1 for a folder: for tools that refuse file pages
// (Lighthouse) and for measurements over a network.
import { createServer } from 'node:http';
import { existsSync, readFileSync, statSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';

const types = { '.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript', '.jpg': 'image/jpeg', '.png': 'image/png' };

// Resolves to { url, close }; url ends with a slash.
export function serveFolder(root) {
    const server = createServer((req, res) => {
        const file = normalize(join(root, decodeURIComponent(req.url.split('?')[0])));
        if (!file.startsWith(root) || !existsSync(file) || !statSync(file).isFile()) {
            res.writeHead(404);
            return res.end();
        }
        res.writeHead(200, { 'content-type': types[extname(file)] || 'application/octet-stream', 'cache-control': 'no-store' });
        res.end(readFileSync(file));
    });
    return new Promise((resolve) =>
        server.listen(0, '127.0.0.1', () => resolve({ url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() }))
    );
}
