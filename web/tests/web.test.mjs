// The four programs in headless Chromium: menus, a typed answer with a fraction, input-method
// text and compositions, keys kept from the browser, point entry, the end notice and the site
// opened as files, and served without the WebAssembly type.
// Every picture is compared pixel for pixel with the headless runner's after the same keys.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';

import {
  canvasRgb, difference, launchBrowser, openProgram, reference, serveSite, settled, siteDir,
  typeScript,
} from './drill_page.mjs';

const clock = '10:20:30';
const programs = ['prop-apply', 'inverse-prop', 'func-prop', 'prop-graph'];

// A problem answered with the marker on the plane: the arrow keys move it, Enter fixes a point.
// Problem 5 of prop-graph asks for two points of y = a x: the origin fixed, the marker moved
// away and back, and the origin fixed again is right whatever a is.
const pointEntry = {
  program: 'prop-graph',
  keys: '15{Enter}{Enter}{Right}{Right}{Up}{Left}{Left}{Down}{Enter}{Space}',
};

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

async function assertSameAsHeadless(page, program, keys) {
  const expected = reference(program, clock, keys);
  const { count, first } = difference(await canvasRgb(page), expected.rgb);
  assert.equal(count, 0, `${count} pixels differ from drill-run's, the first at ${JSON.stringify(first)}`);
  return expected;
}

function programUrl(program) {
  return `${site.base}/${program}.html?clock=${clock}`;
}

test('each program loads and shows its menu as the headless runner draws it', async () => {
  for (const program of programs) {
    const { page, errors } = await openProgram(browser.context, programUrl(program));
    const firstFrame = await page.evaluate(() => window.drillFirstFrame);
    console.log(`${program}: first frame ${Math.round(firstFrame)} ms after navigation`);
    assert.equal(await page.title(), (await page.evaluate(() => document.title)));
    await assertSameAsHeadless(page, program, '');
    assert.deepEqual(errors, []);
    await page.close();
  }
});

test('the start page opens every program', async () => {
  const page = await browser.context.newPage();
  await page.goto(`${site.base}/`);
  const links = await page.$$eval('a', (anchors) => anchors.map((a) => a.getAttribute('href')));
  assert.deepEqual(links, programs.map((p) => `${p}.html`));
  await page.click('a[href="func-prop.html"]');
  await settled(page);
  assert.equal(await page.title(), '1年関数・比例');
  await page.close();
});

test('a problem is answered right with typed keys, a fraction among them', async () => {
  // Problem 3 at this clock: 40 km/h for 3 hours, so 12/5 hours at 50 km/h (F10 starts the
  // fraction, denominator first).
  const keys = '13{Enter}{F10}5{Enter}12{Enter}{Enter}';
  const { page, errors } = await openProgram(browser.context, programUrl('prop-apply'));
  await typeScript(page, keys);
  const expected = await assertSameAsHeadless(page, 'prop-apply', keys);
  assert.match(expected.trace, /^judge 2 12\/5$/m);
  assert.deepEqual(errors, []);
  await page.close();
});

test('full-width text from an input method arrives as half-width', async () => {
  const keys = '13{Enter}{F10}5{Enter}12{Enter}{Enter}';
  const { page } = await openProgram(browser.context, programUrl('prop-apply'));
  // The menu choice and start number committed as full-width digits by an input method.
  const session = await browser.context.newCDPSession(page);
  for (const text of ['１', '３']) {
    await session.send('Input.imeSetComposition', { text, selectionStart: 1, selectionEnd: 1 });
    await session.send('Input.insertText', { text });
    await settled(page);
  }
  await typeScript(page, '{Enter}{F10}５{Enter}１２{Enter}{Enter}', { viaInputMethod: true });
  await assertSameAsHeadless(page, 'prop-apply', keys);
  await page.close();
});

test('answers composed with a Japanese input method count as the keys typed with it off', async () => {
  // At this clock func-prop 4 asks for 3 ≦ x ≦ 4 and −3 < x < 1, func-prop 5 for y = 3.1x and
  // 3.1. In kana mode the minus key composes 「ー」, the full stop 「。」, "[" 「「」.
  const cases = [
    { problem: 4, blanks: ['３「ｘ「４', 'ー３＜ｘ＜１'], keys: '3[x[4{Enter}-3<x<1{Enter}',
      judged: 'judge 2 3[X[4-3<X<1' },
    { problem: 5, blanks: ['ｙ＝３。１ｘ', '３。１'], keys: 'y=3.1x{Enter}3.1{Enter}',
      judged: 'judge 2 Y=3.1X3.1' },
  ];
  for (const c of cases) {
    const { page, errors } = await openProgram(browser.context, programUrl('func-prop'));
    await typeScript(page, `1${c.problem}{Enter}`);
    const session = await browser.context.newCDPSession(page);
    for (const blank of c.blanks) {
      // The composition grows key by key; the Enter that commits it is the input method's.
      const characters = [...blank];
      for (let n = 1; n <= characters.length; n += 1) {
        await session.send('Input.imeSetComposition',
                           { text: characters.slice(0, n).join(''), selectionStart: n, selectionEnd: n });
      }
      await session.send('Input.dispatchKeyEvent',
                         { type: 'rawKeyDown', key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 229 });
      await session.send('Input.insertText', { text: blank });
      await settled(page);
      await page.keyboard.press('Enter');
      await settled(page);
    }
    const expected = await assertSameAsHeadless(page, 'func-prop', `1${c.problem}{Enter}${c.keys}`);
    assert.ok(expected.trace.split('\n').includes(c.judged), c.judged);
    assert.deepEqual(errors, []);
    await page.close();
  }
});

test('the keys the drill takes are kept from the browser, others are left to it', async () => {
  const { page } = await openProgram(browser.context, programUrl('inverse-prop'));
  await page.evaluate(() => {
    window.prevented = {};
    window.addEventListener('keydown', (event) => {
      window.prevented[(event.ctrlKey ? 'Control+' : '') + event.key] = event.defaultPrevented;
    });
  });
  const taken = ['F1', 'F5', 'F10', 'F11', 'ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown',
                 'Enter', 'Backspace', 'Delete', ' ', 'Escape', 'Home', 'Control+l'];
  const left = ['F12', 'a', '5', 'Tab'];
  for (const key of [...taken, ...left]) await page.keyboard.press(key === ' ' ? 'Space' : key);
  const prevented = await page.evaluate(() => window.prevented);
  for (const key of taken) assert.equal(prevented[key], true, `${key} reached the browser`);
  for (const key of left) assert.equal(prevented[key], false, `${key} was kept from the browser`);
  await page.close();
});

test('a point is entered on the plane with the arrow keys', async () => {
  const { program, keys } = pointEntry;
  const expected = reference(program, clock, keys);
  assert.match(expected.trace, /^judge 2 \(0,0\)\(0,0\)$/m);
  const { page } = await openProgram(browser.context, programUrl(program));
  await typeScript(page, keys);
  await assertSameAsHeadless(page, program, keys);
  await page.close();
});

test('choice 3 ends the program and says the tab can be closed', async () => {
  const { page } = await openProgram(browser.context, programUrl('prop-graph'));
  await page.keyboard.type('3');
  await page.waitForSelector('.notice');
  assert.equal(await page.textContent('body'), 'このタブを閉じてください。');
  await page.close();
});

test('the site works opened as files', async () => {
  const url = `${pathToFileURL(path.join(siteDir, 'prop-apply.html'))}?clock=${clock}`;
  assert.ok(fs.existsSync(path.join(siteDir, 'prop-apply.html')));
  const { page, errors } = await openProgram(browser.context, url);
  await assertSameAsHeadless(page, 'prop-apply', '');
  assert.deepEqual(errors, []);
  await page.close();
});

test('a server that sends the WebAssembly file as plain bytes still runs the programs', async () => {
  // A fresh profile: nothing kept from the visits above answers in the server's place.
  const fresh = await launchBrowser();
  site.contentTypes['.wasm'] = 'application/octet-stream';
  try {
    const { page, errors } = await openProgram(fresh.context, programUrl('func-prop'));
    await assertSameAsHeadless(page, 'func-prop', '');
    assert.deepEqual(errors, []);
  } finally {
    site.contentTypes['.wasm'] = 'application/wasm';
    await fresh.close();
  }
});
