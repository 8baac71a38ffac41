// Test support for the web build: a static server over the built site, headless Chromium, typing a
// key script into a program's page, and the reference pictures from the headless runner.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
export const siteDir = process.env.DRILL_SITE || path.join(root, 'build-web/site');
export const drillRun = process.env.DRILL_RUN || path.join(root, 'build/tools/drill-run/drill-run');

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml',
};

// Serves the site folder as any static web server would, on a free port of 127.0.0.1, sending
// the build's brotli or gzip copy of a file to a browser that takes it. While `offline.on` is
// set, it answers nothing but errors, as a school's line that is down. `contentTypes` may be
// changed, as a server that does not know a kind of file.
export async function serveSite() {
  const offline = { on: false };
  const contentTypes = { ...types };
  const traffic = { bytes: 0, requests: 0 };  // what the server sent, bodies only
  const replaced = new Map();  // path -> text served instead of the file (a newer site)
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (!offline.on && replaced.has(name)) {
      response.writeHead(200, { 'Content-Type': contentTypes[path.extname(name)] || 'text/plain' });
      response.end(replaced.get(name));
      return;
    }
    const file = path.join(siteDir, name === '/' ? 'index.html' : name);
    if (offline.on || !file.startsWith(siteDir) || !fs.existsSync(file) ||
        fs.statSync(file).isDirectory()) {
      response.writeHead(offline.on ? 503 : 404).end();
      return;
    }
    // Like any static server: the file's time, and "not modified" to a browser that has it.
    const modified = fs.statSync(file).mtime;
    modified.setMilliseconds(0);
    const since = Date.parse(request.headers['if-modified-since'] || '');
    if (!Number.isNaN(since) && since >= modified.getTime()) {
      response.writeHead(304).end();
      traffic.requests += 1;
      return;
    }
    const headers = {
      'Content-Type': contentTypes[path.extname(file)] || 'application/octet-stream',
      'Last-Modified': modified.toUTCString(),
    };
    const accepted = request.headers['accept-encoding'] || '';
    let body = file;
    for (const [encoding, suffix] of [['br', '.br'], ['gzip', '.gz']]) {
      if (accepted.includes(encoding) && fs.existsSync(file + suffix)) {
        headers['Content-Encoding'] = encoding;
        headers.Vary = 'Accept-Encoding';
        body = file + suffix;
        break;
      }
    }
    response.writeHead(200, headers);
    traffic.bytes += fs.statSync(body).size;
    traffic.requests += 1;
    fs.createReadStream(body).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    server, offline, traffic, replaced, contentTypes, base: `http://127.0.0.1:${server.address().port}`,
  };
}

// Debian's Chromium, never a downloaded one, with a fresh profile.
export async function launchBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'drill-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: { width: 1440, height: 900 },
  });
  return {
    context,
    profile,
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Waits until the drill waits for a key with everything it drew shown on the canvas.
export async function settled(page) {
  await page.waitForFunction(() => window.Module && window.Module.drillWaiting === true, null,
                             { timeout: 30000 });
}

// A program's page in a new tab. The tab starts without the sessions earlier tests left kept
// (a reload in the same tab keeps them), so every test starts at a plain main menu.
export async function openProgram(context, url) {
  const page = await context.newPage();
  await page.addInitScript(() => {
    if (sessionStorage.getItem('drill-test-tab')) return;
    sessionStorage.setItem('drill-test-tab', '1');
    localStorage.clear();
  });
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  await page.goto(url);
  await settled(page);
  return { page, errors };
}

// The browser's key for each braced name of a key script.
const browserKeys = {
  Enter: 'Enter', Space: ' ', BS: 'Backspace', Del: 'Delete', Clear: 'Escape', Left: 'ArrowLeft',
  Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown',
};

// The keys of a key script, one by one, as the headless runner reads them.
export function scriptKeys(script) {
  const keys = [];
  for (let i = 0; i < script.length;) {
    if (script.startsWith('{{', i)) { keys.push({ text: '{' }); i += 2; continue; }
    if (script[i] === '{') {
      const close = script.indexOf('}', i);
      const name = script.slice(i + 1, close);
      keys.push({ press: /^F\d+$/.test(name) ? name : browserKeys[name] });
      i = close + 1;
      continue;
    }
    const character = String.fromCodePoint(script.codePointAt(i));
    keys.push({ text: character });
    i += character.length;
  }
  return keys;
}

// Types a key script into the page, each key once the drill waits for it, as the headless
// runner releases scripted keys. Characters are typed on the keyboard, or with `viaInputMethod`
// committed as an input method commits them.
export async function typeScript(page, script, { viaInputMethod = false } = {}) {
  for (const key of scriptKeys(script)) {
    if (key.press) await page.keyboard.press(key.press);
    else if (viaInputMethod) await page.keyboard.insertText(key.text);
    else await page.keyboard.type(key.text);
    await settled(page);
  }
}

// The canvas's own pixels (not a scaled screenshot) as RGB bytes, row after row.
export async function canvasRgb(page) {
  const encoded = await page.evaluate(() => {
    const canvas = document.getElementById('screen');
    const rgba = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const rgb = new Uint8Array(rgba.length / 4 * 3);
    for (let i = 0, j = 0; i < rgba.length; i += 4) {
      rgb[j++] = rgba[i]; rgb[j++] = rgba[i + 1]; rgb[j++] = rgba[i + 2];
    }
    let binary = '';
    for (let i = 0; i < rgb.length; i += 0x8000) binary += String.fromCharCode(...rgb.subarray(i, i + 0x8000));
    return btoa(binary);
  });
  return Buffer.from(encoded, 'base64');
}

// Runs the headless runner with the same clock and keys: its trace, and its final screen as RGB
// bytes (the PNG it writes, unpacked by ImageMagick).
export function reference(program, clock, keys, { date } = {}) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'drill-reference-'));
  const png = path.join(dir, 'screen.png');
  const sheet = path.join(dir, 'sheet.csv');
  const trace = execFileSync(drillRun, [program, '--clock', clock, '--keys', keys, '--trace', '-',
                                        '--png', png, '--sheet', sheet,
                                        ...(date ? ['--date', date] : [])], { encoding: 'utf8' });
  const csv = fs.readFileSync(sheet);
  const rgb = execFileSync('convert', [png, '-depth', '8', 'rgb:-'], { maxBuffer: 1 << 24 });
  fs.rmSync(dir, { recursive: true, force: true });
  return { trace, rgb, png, csv };
}

// How many pixels differ, and where the first one is.
export function difference(actual, expected, width = 1440) {
  let count = 0;
  let first = null;
  for (let i = 0; i < Math.max(actual.length, expected.length); i += 3) {
    if (actual[i] !== expected[i] || actual[i + 1] !== expected[i + 1] || actual[i + 2] !== expected[i + 2]) {
      if (first === null) first = { x: (i / 3) % width, y: Math.floor(i / 3 / width) };
      count += 1;
    }
  }
  return { count, first };
}
