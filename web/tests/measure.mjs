// Measures the web build: module sizes (raw and gzip-compressed), the time from navigation to the
// first menu frame, and the processor time of the browser while a drill waits at the answer
// prompt, beside the same browser showing an empty page. Run by script/measure-web.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

import { launchBrowser, openProgram, serveSite, siteDir, typeScript } from './drill_page.mjs';

const programs = ['prop-apply', 'inverse-prop', 'func-prop', 'prop-graph'];
const loads = 5;
const idleSeconds = 10;
const ticksPerSecond = 100;  // Linux's USER_HZ, in which /proc reports processor time

function kilobytes(bytes) {
  return `${(bytes / 1024).toFixed(0)} KiB`;
}

console.log('module sizes (JavaScript with the WebAssembly embedded):');
for (const program of programs) {
  const bytes = fs.readFileSync(path.join(siteDir, `${program}.js`));
  const gzip = zlib.gzipSync(bytes, { level: 9 }).length;
  console.log(`  ${program}.js: ${kilobytes(bytes.length)}, gzip -9 ${kilobytes(gzip)}`);
}

// Processes of the browser started with `profile`, by kind, and their processor time in ticks.
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
  for (const [pid, p] of table) {
    if (inTree(pid)) processes.set(pid, { ticks: p.ticks, renderer: p.cmdline.includes(' --type=renderer ') });
  }
  return processes;
}

async function cpuOver(profile, seconds) {
  const before = browserProcesses(profile);
  await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
  const after = browserProcesses(profile);
  // Processes that ended meanwhile are left out; those that started count from zero.
  let renderer = 0;
  let all = 0;
  for (const [pid, p] of after) {
    const used = p.ticks - (before.get(pid)?.ticks ?? 0);
    all += used;
    if (p.renderer) renderer += used;
  }
  const percent = (ticks) => `${(ticks / ticksPerSecond / seconds * 100).toFixed(2)} %`;
  return `renderers ${percent(renderer)}, whole browser ${percent(all)}`;
}

const site = await serveSite();
const browser = await launchBrowser();
try {
  console.log(`navigation to first menu frame (median of ${loads} loads):`);
  for (const program of programs) {
    const times = [];
    for (let i = 0; i < loads; ++i) {
      const { page } = await openProgram(browser.context, `${site.base}/${program}.html`);
      times.push(await page.evaluate(() => window.drillFirstFrame));
      await page.close();
    }
    times.sort((a, b) => a - b);
    console.log(`  ${program}: ${Math.round(times[Math.floor(loads / 2)])} ms (${times.map(Math.round).join(', ')})`);
  }
  for (const page of browser.context.pages()) await page.close();

  const { page } = await openProgram(browser.context, `${site.base}/prop-apply.html?clock=10:20:30`);
  await typeScript(page, '13{Enter}');
  // Past the short waits that follow a key, into the long ones of a page left alone.
  await new Promise((resolve) => setTimeout(resolve, 3000));
  console.log(`processor time over ${idleSeconds} s, one core = 100 %:`);
  console.log(`  drill at the answer prompt: ${await cpuOver(browser.profile, idleSeconds)}`);
  await page.goto('about:blank');
  await new Promise((resolve) => setTimeout(resolve, 3000));
  console.log(`  empty page:                 ${await cpuOver(browser.profile, idleSeconds)}`);
} finally {
  await browser.close();
  site.server.close();
}
