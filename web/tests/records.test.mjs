// Kept progress, the results sheet, the installed and offline site in headless Chromium: a reload
// in the middle of a session brings the strip back, leaving mid-problem asks first, the sheet's
// CSV after a scripted session is the headless runner's byte for byte, and after one visit to a
// program every program opens with the network off.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';

import {
  canvasRgb, difference, launchBrowser, openProgram, reference, serveSite, settled, siteDir,
  typeScript,
} from './drill_page.mjs';

const clock = '10:20:30';
const programs = ['prop-apply', 'inverse-prop', 'func-prop', 'prop-graph'];
// Problem 3 of prop-apply answered right at once (12/5 hours), then on to problem 4.
const session = '13{Enter}{F10}5{Enter}12{Enter}{Enter}2';

let site;
let browser;

before(async () => {
  site = await serveSite();
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
  site?.server.close();
});

const programUrl = (program) => `${site.base}/${program}.html?clock=${clock}`;

// Pixels that differ inside the results strip (with the series count left of it).
function stripDifference(actual, expected, right = 360) {
  let count = 0;
  for (let y = 0; y < 54; ++y) {
    for (let x = 200; x < right; ++x) {
      const i = (y * 1440 + x) * 3;
      if (actual[i] !== expected[i] || actual[i + 1] !== expected[i + 1] || actual[i + 2] !== expected[i + 2]) count += 1;
    }
  }
  return count;
}

// The dialogs the page opens, each accepted (leaving, confirming).
function acceptDialogs(page) {
  const seen = [];
  page.on('dialog', (dialog) => {
    seen.push(dialog.type());
    dialog.accept();
  });
  return seen;
}

test('a session is kept through reloads, leaving mid-problem asks, and the sheet holds it', async () => {
  const { page, errors } = await openProgram(browser.context, programUrl('prop-apply'));
  const dialogs = acceptDialogs(page);
  await typeScript(page, session);
  const expected = reference('prop-apply', clock, session);
  assert.match(expected.trace, /^judge 2 12\/5$/m);
  assert.equal(stripDifference(await canvasRgb(page), expected.rgb), 0);

  // Problem 4 waits for its answer: leaving asks first; the main menu comes back with the strip.
  await page.reload();
  await settled(page);
  assert.deepEqual(dialogs, ['beforeunload']);
  const menu = await canvasRgb(page);
  assert.equal(stripDifference(menu, expected.rgb), 0, 'the strip is not as it was');
  assert.ok(stripDifference(menu, reference('prop-apply', clock, '').rgb) > 0);

  // The pupil goes on from the main menu, in the same series.
  await typeScript(page, '14{Enter}');
  assert.equal(stripDifference(await canvasRgb(page), expected.rgb), 0);

  // Between problems nothing asks; choice 3 ends the session and shows its sheet.
  await page.reload();
  await settled(page);
  assert.deepEqual(dialogs, ['beforeunload', 'beforeunload']);
  await page.keyboard.type('3');
  await page.waitForSelector('.sheet-panel .sheet table');
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    page.click('.sheet-panel .actions button:nth-child(2)'),
  ]);
  const csv = Buffer.concat(await (async () => {
    const chunks = [];
    for await (const chunk of await download.createReadStream()) chunks.push(chunk);
    return chunks;
  })());
  const date = csv.toString('utf8').split('\r\n')[1].split(',')[1];
  assert.match(date, /^\d{4}\/\d{2}\/\d{2}$/);
  assert.equal(download.suggestedFilename(), `prop-apply_${date.replaceAll('/', '-')}_102030.csv`);
  assert.deepEqual(csv, reference('prop-apply', clock, session, { date }).csv);
  assert.match(csv.toString('utf8'), /\r\n3,○,1\r\n4,,0\r\n/);

  // The ended session is in the list of past sessions, which can be cleared.
  await page.waitForSelector('.sheet-panel .past li');
  assert.equal(await page.locator('.sheet-panel .past li').count(), 1);
  await page.click('.sheet-panel > button');
  await page.waitForFunction(() => document.querySelectorAll('.sheet-panel .past li').length === 0);
  assert.equal(dialogs.at(-1), 'confirm');

  // The next visit starts a new session: the menu has no strip.
  const { page: next } = await openProgram(browser.context, programUrl('prop-apply'));
  assert.equal(stripDifference(await canvasRgb(next), reference('prop-apply', clock, '').rgb), 0);
  assert.deepEqual(errors, []);
  await next.close();
  await page.close();
});

test('the sheet button stands beside the drawing, and the sheet prints on one A4 page', async () => {
  // prop-graph has the most problems: 19 rows. Problem 5 answered with two points.
  const { page } = await openProgram(browser.context, programUrl('prop-graph'));
  const canvas = await page.locator('#screen').boundingBox();
  const button = await page.locator('#sheet-button').boundingBox();
  assert.ok(button.y >= canvas.y + canvas.height || button.x >= canvas.x + canvas.width,
            `${JSON.stringify(button)} overlaps ${JSON.stringify(canvas)}`);
  await typeScript(page, '15{Enter}{Enter}{Right}{Right}{Up}{Left}{Left}{Down}{Enter}');
  await page.evaluate(() => { window.print = () => { window.printed = true; }; });
  await page.click('#sheet-button');
  await page.waitForSelector('#sheet-panel .sheet table');
  assert.equal(await page.locator('#sheet-panel .sheet tr').count(), 20);
  await page.click('#sheet-panel .actions button:nth-child(1)');
  assert.equal(await page.evaluate(() => window.printed), true);
  const pdf = (await page.pdf({ format: 'A4', preferCSSPageSize: true })).toString('latin1');
  assert.equal((pdf.match(/\/Type\s*\/Page[^s]/g) || []).length, 1);
  await page.close();
});

test('after one visit to a program the site installs and every program opens with the network off', async () => {
  // A fresh profile whose one visit is a program's page, as a pupil following a link to it.
  const fresh = await launchBrowser();
  const { page } = await openProgram(fresh.context, programUrl('inverse-prop'));
  const installed = await page.evaluate(() => Promise.race([
    navigator.serviceWorker.ready.then(() => true),
    new Promise((resolve) => setTimeout(() => resolve(false), 30000)),
  ]));
  assert.ok(installed, 'the service worker was not installed');
  const cdp = await fresh.context.newCDPSession(page);
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors, []);

  site.offline.on = true;
  await fresh.context.setOffline(true);
  try {
    for (const program of programs) {
      const { page: opened, errors } = await openProgram(fresh.context, programUrl(program));
      const { count } = difference(await canvasRgb(opened), reference(program, clock, '').rgb);
      assert.equal(count, 0, `${program} differs from drill-run's menu`);
      assert.deepEqual(errors, []);
      await opened.close();
    }
  } finally {
    site.offline.on = false;
    await fresh.close();
  }
});

test('a newer site on the server replaces the kept one at the next visit', async () => {
  const page = await browser.context.newPage();
  await page.goto(`${site.base}/index.html`);
  await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
  const title = await page.title();
  // A newer build: another start page, and so another service worker version.
  const worker = fs.readFileSync(path.join(siteDir, 'sw.js'), 'utf8');
  const index = fs.readFileSync(path.join(siteDir, 'index.html'), 'utf8');
  site.replaced.set('/index.html', index.replace(`<title>${title}</title>`, '<title>新版</title>'));
  site.replaced.set('/sw.js', worker.replace("const version = 'drills-", "const version = 'drills-next-"));
  try {
    // This visit still shows the kept site while the newer one is fetched and takes its place.
    await page.reload();
    assert.equal(await page.title(), title);
    const newerKept = () => page.evaluate(async () => {
      const names = await caches.keys();
      return names.length > 0 && names.every((name) => name.startsWith('drills-next-'));
    });
    for (let tries = 0; !(await newerKept()); ++tries) {
      assert.ok(tries < 150, 'the newer site was not kept');
      await new Promise((resolve) => setTimeout(resolve, 200));
    }
    await page.reload();
    assert.equal(await page.title(), '新版');
  } finally {
    site.replaced.clear();
  }
  await page.close();
});
