// SPDX-License-Identifier: MIT
// A static web server of a folder on 127.0.0.1, as any intranet server serves the site; it notes
// each request it answers. Started and stopped by the test that uses it.

import { createServer } from "node:http";
import { existsSync, readFileSync } from "node:fs";
import { extname, join } from "node:path";

const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript",
                ".webmanifest": "application/manifest+json", ".png": "image/png" };

// A static web server of the site's folder on 127.0.0.1; each request it answered is noted.
export async function serve(folder) {
  const asked = [];
  const server = createServer((request, response) => {
    const path = new URL(request.url, "http://x").pathname;
    asked.push(path);
    const file = join(folder, path.endsWith("/") ? path + "index.html" : path);
    if (!file.startsWith(folder) || !existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "Content-Type": TYPES[extname(file)] ?? "application/octet-stream" });
    response.end(readFileSync(file));
  });
  const sockets = new Set();
  server.on("connection", (socket) => {
    sockets.add(socket);
    socket.on("close", () => sockets.delete(socket));
  });
  await new Promise((done) => server.listen(0, "127.0.0.1", done));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    asked,
    stop: () => new Promise((done) => {
      server.close(done);
      for (const socket of sockets) socket.destroy();
    }),
  };
}

