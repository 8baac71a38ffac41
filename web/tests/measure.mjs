// Measures the web build, all from one script (script/measure-web): the site's sizes (raw, gzip,
// brotli); the bytes a fresh browser profile fetches to open all four programs from a local
// server that sends the build's compressed copies; the first menu frame, cold (a fresh profile,
// nothing kept) and warm (a program opened again once the site is kept); and the browser's
// processor time while a drill waits at every kind of wait, beside the same browser showing an
// empty page.
import fs from 'node:fs';
import path from 'node:path';

import { launchBrowser, openProgram, serveSite, siteDir, typeScript } from './drill_page.mjs';

const programs = ['prop-apply', 'inverse-prop', 'func-prop', 'prop-graph'];
const coldLoads = 5;
const warmLoads = 10;
const idleSeconds = Number(process.env.IDLE_SECONDS || 10);
const ticksPerSecond = 100;  // Linux's USER_HZ, in which /proc reports processor time
const clock = '10:20:30';

const kilobytes = (bytes) => `${(bytes / 1000).toFixed(0)} KB`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// drills-file.js serves only pages opened as files: no server sends it, so it is left out.
console.log('site files as served (raw, gzip -9, brotli -q 11):');
let raw = 0;
let brotli = 0;
for (const name of fs.readdirSync(siteDir).filter((n) => !/\.(gz|br)$/.test(n) && n !== 'drills-file.js').sort()) {
  const size = (suffix) => {
    const file = path.join(siteDir, name + suffix);
    return fs.existsSync(file) ? fs.statSync(file).size : fs.statSync(path.join(siteDir, name)).size;
  };
  raw += size('');
  brotli += size('.br');
  console.log(`  ${name.padEnd(22)} ${kilobytes(size('')).padStart(8)} ${kilobytes(size('.gz')).padStart(8)} ${kilobytes(size('.br')).padStart(8)}`);
}
console.log(`  ${'whole site'.padEnd(22)} ${kilobytes(raw).padStart(8)} ${''.padStart(8)} ${kilobytes(brotli).padStart(8)}`);

// Processes of the browser started with `profile`, and their processor time in ticks.
function browserProcesses(profile) {
  const table = new Map();
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      // A child may rewrite its command line into one string, so look for words in the whole of it.
      const cmdline = ` ${fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8').replaceAll('\0', ' ')} `;
      table.set(pid, { parent: fields[1], ticks: Number(fields[11]) + Number(fields[12]), cmdline });
    } catch {
      // The process ended while being read.
    }
  }
  const root = [...table.entries()].find(([, p]) =>
    p.cmdline.includes(` --user-data-dir=${profile} `) && !p.cmdline.includes(' --type='));
  if (!root) throw new Error('the browser process was not found');
  const inTree = (pid) => {
    for (let p = pid; p && table.has(p); p = table.get(p).parent) if (p === root[0]) return true;
    return false;
  };
  const processes = new Map();
  for (const [pid, p] of table) if (inTree(pid)) processes.set(pid, p.ticks);
  return processes;
}

// The whole browser's processor time over `seconds`, in percent of one core.
async function cpuOver(profile, seconds) {
  const before = browserProcesses(profile);
  await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
  const after = browserProcesses(profile);
  let used = 0;
  for (const [pid, ticks] of after) used += ticks - (before.get(pid) ?? 0);
  return used / ticksPerSecond / seconds * 100;
}

const site = await serveSite();
try {
  // Bytes fetched: a fresh profile opens the four programs one after another.
  {
    const browser = await launchBrowser();
    site.traffic.bytes = 0;
    site.traffic.requests = 0;
    for (const program of programs) {
      const { page } = await openProgram(browser.context, `${site.base}/${program}.html`);
      await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
      await page.close();
    }
    console.log(`bytes fetched to open all four programs, fresh profile: ${kilobytes(site.traffic.bytes)} in ${site.traffic.requests} requests`);
    await browser.close();
  }

  // First menu frame: cold in fresh profiles, warm when opened again. A frame counts once the
  // browser has painted it (the task after the next animation frame's rendering), not when the
  // drill hands it to the canvas. Cold means nothing of the site in the browser: no cache, no
  // service worker, no storage; the browser itself has started and settled first, as a pupil's
  // has before a link is followed (a fresh profile's own start-up pages are not the site's).
  const cold = [];
  const warm = [];
  let frames = 0;
  const shownAt = async (page) => {
    await page.waitForFunction(() => window.measuredShown !== undefined);
    const [shown, count] = await page.evaluate(() => [window.measuredShown, window.drillFrames]);
    frames = Math.max(frames, count);
    return shown;
  };
  for (let i = 0; i < coldLoads; ++i) {
    const browser = await launchBrowser();
    await browser.context.addInitScript(() => {
      window.addEventListener('drill-shown', () => requestAnimationFrame(() => {
        const channel = new MessageChannel();
        channel.port1.onmessage = () => { window.measuredShown = performance.now(); };
        channel.port2.postMessage(null);
      }), { once: true });
    });
    await new Promise((resolve) => setTimeout(resolve, 2000));
    const first = await openProgram(browser.context, `${site.base}/prop-apply.html`);
    cold.push(await shownAt(first.page));
    await first.page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    await first.page.close();
    for (let j = 0; j < Math.ceil(warmLoads / coldLoads); ++j) {
      const again = await openProgram(browser.context, `${site.base}/${programs[(i + j + 1) % 4]}.html`);
      warm.push(await shownAt(again.page));
      await again.page.close();
    }
    await browser.close();
  }
  // The first frame is the whole menu: the drill draws it before it presents.
  console.log(`first menu frame painted after navigation: cold ${Math.round(median(cold))} ms (${cold.map(Math.round).join(', ')}), warm ${Math.round(median(warm))} ms (${warm.map(Math.round).join(', ')})${frames > 1 ? `; ${frames} frames before the menu waited` : ''}`);

  // Idle processor time at every kind of wait.
  const waits = [
    ['main menu', 'prop-apply', ''],
    ['start-number prompt', 'prop-apply', '1'],
    ['answer prompt', 'prop-apply', '13{Enter}'],
    ['press-space prompt', 'prop-apply', '13{Enter}0{Enter}'],
    ['end-of-problem menu', 'prop-apply', '13{Enter}{F10}5{Enter}12{Enter}{Enter}'],
    ['look-at-problems pause', 'prop-apply', '2'],
    ['point entry', 'prop-graph', '15{Enter}{Enter}'],
  ];
  const browser = await launchBrowser();
  try {
    console.log(`processor time of the whole browser over ${idleSeconds} s, one core = 100 %:`);
    const page = await browser.context.newPage();
    await page.goto('about:blank');
    await new Promise((resolve) => setTimeout(resolve, 3000));
    const empty = await cpuOver(browser.profile, idleSeconds);
    console.log(`  ${'empty page'.padEnd(24)} ${empty.toFixed(2)} %`);
    await page.close();
    for (const [name, program, keys] of waits) {
      const { page: drill } = await openProgram(browser.context, `${site.base}/${program}.html?clock=${clock}`);
      await typeScript(drill, keys);
      // Past the short waits that follow a key, into the long ones of a page left alone.
      await new Promise((resolve) => setTimeout(resolve, 3000));
      const used = await cpuOver(browser.profile, idleSeconds);
      console.log(`  ${name.padEnd(24)} ${used.toFixed(2)} % (${(used - empty >= 0 ? '+' : '')}${(used - empty).toFixed(2)} points)`);
      await drill.close();
    }
  } finally {
    await browser.close();
  }
} finally {
  site.server.close();
}
