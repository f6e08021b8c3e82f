// SPDX-License-Identifier: MIT
// A static web server of a folder on 127.0.0.1, as any intranet server serves the site: each file
// as it is on disk at the request, with its Last-Modified and no Cache-Control, answering a
// conditional request for an unchanged file with 304; it notes each request it answers. Started
// and stopped by the test that uses it.

import { createServer } from "node:http";
import { existsSync, readFileSync, statSync } from "node:fs";
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
    const modified = new Date(Math.floor(statSync(file).mtimeMs / 1000) * 1000);
    const since = Date.parse(request.headers["if-modified-since"] ?? "");
    if (since >= modified.getTime()) {
      response.writeHead(304).end();
      return;
    }
    response.writeHead(200, { "Content-Type": TYPES[extname(file)] ?? "application/octet-stream",
                              "Last-Modified": modified.toUTCString() });
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

