// The programs without a keyboard: on a touch screen, taps on the drawing and on the page's key
// bar take a problem of each program through a menu, a typed answer, a hint prompt and (in
// prop-graph) points on the plane; with a mouse only, clicks do the same. Every final screen
// equals the headless runner's after the keys the taps stand for. Also the bar's place and size
// on a landscape and a portrait tablet, and the page's own close box.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { chromium } from 'playwright-core';

import { canvasRgb, difference, reference, serveSite, settled } from './drill_page.mjs';

const clock = '10:20:30';

// Each run: steps on the page, and the key script the headless runner is given for them. A step
// is a point of the drawing (surface pixels) or the key script of a key of the bar.
const runs = [
  {
    program: 'prop-apply',
    steps: [[400, 220], '1', [400, 275], '{F10}', '2', '{Enter}', '1', '{Enter}', [700, 100]],
    keys: '11{Enter}{F10}2{Enter}1{Enter}{Space}',
  },
  {
    program: 'inverse-prop',
    steps: [[400, 220], [400, 275], '0', '{Enter}', [700, 100]],
    keys: '11{Enter}0{Enter}{Space}',
  },
  {
    program: 'func-prop',
    steps: [[400, 220], '2', '{Enter}', '{F1}', '3', '{Enter}', '{Enter}', [5, 5]],
    keys: '12{Enter}{F1}3{Enter}{Enter}{Space}',
  },
  {
    // The origin fixed, a grid point two right and two up, back to the origin and fixed again.
    program: 'prop-graph',
    steps: [[400, 220], '5', '{Enter}', [800, 340], [832, 308], [800, 340], [801, 339], [5, 5]],
    keys: '15{Enter}{Enter}{Right}{Right}{Up}{Up}{Left}{Left}{Down}{Down}{Enter}{Space}',
  },
];

let site;
let browser;

before(async () => {
  site = await serveSite();
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
});

after(async () => {
  await browser?.close();
  site?.server.close();
});

async function open(context, program) {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  await page.goto(`${site.base}/${program}.html?clock=${clock}`);
  await settled(page);
  return { page, errors };
}

// Where a point of the drawing is on the page.
async function onPage(page, [x, y]) {
  const box = await page.locator('#screen').boundingBox();
  return { x: box.x + (x + 0.5) * box.width / 1440, y: box.y + (y + 0.5) * box.height / 900 };
}

async function takeSteps(page, steps, touch) {
  for (const step of steps) {
    if (typeof step === 'string') {
      const key = page.locator(`#keybar button[data-keys="${step}"]`);
      if (touch) await key.tap();
      else await key.click();
    } else {
      const at = await onPage(page, step);
      if (touch) await page.touchscreen.tap(at.x, at.y);
      else await page.mouse.click(at.x, at.y);
    }
    await settled(page);
  }
}

async function assertSameAsHeadless(page, run) {
  const expected = reference(run.program, clock, run.keys);
  const { count, first } = difference(await canvasRgb(page), expected.rgb);
  assert.equal(count, 0, `${run.program}: ${count} pixels differ from drill-run's after ` +
                         `${run.keys}, the first at ${JSON.stringify(first)}`);
}

test('taps on the drawing and the key bar take a problem of each program through', async () => {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 }, hasTouch: true });
  for (const run of runs) {
    const { page, errors } = await open(context, run.program);
    assert.ok(await page.locator('#keybar').isVisible(), 'the key bar shows on a touch screen');
    assert.equal(await page.locator('#typing').getAttribute('inputmode'), 'none');
    await takeSteps(page, run.steps, true);
    await assertSameAsHeadless(page, run);
    assert.deepEqual(errors, []);
    await page.close();
  }
  await context.close();
});

test('with a mouse only, clicks do the same once the bar is shown', async () => {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
  for (const run of runs) {
    const { page, errors } = await open(context, run.program);
    assert.equal(await page.locator('#keybar').isVisible(), false, 'no bar without a touch screen');
    await page.locator('#page-tools button', { hasText: 'キー' }).click();
    await takeSteps(page, run.steps, false);
    await assertSameAsHeadless(page, run);
    assert.deepEqual(errors, []);
    await page.close();
  }
  await context.close();
});

test('the bar stands under the drawing with keys of 44 pixels at least, the buttons beside it', async () => {
  for (const viewport of [{ width: 1024, height: 768 }, { width: 768, height: 1024 },
                          { width: 1366, height: 768 }]) {
    const context = await browser.newContext({ viewport, hasTouch: true });
    const { page } = await open(context, 'prop-apply');
    const screen = await page.locator('#screen').boundingBox();
    const bar = await page.locator('#keybar').boundingBox();
    const keys = await page.locator('#keybar button').evaluateAll((buttons) => buttons.map((b) => {
      const r = b.getBoundingClientRect();
      return { width: r.width, height: r.height, bottom: r.bottom, right: r.right };
    }));
    const name = `${viewport.width} × ${viewport.height}`;
    console.log(`${name}: drawing ${Math.round(screen.width)} × ${Math.round(screen.height)}, ` +
                `bar ${Math.round(bar.width)} × ${Math.round(bar.height)} with ${keys.length} keys`);
    assert.ok(bar.y >= screen.y + screen.height - 0.5, `${name}: the bar is under the drawing`);
    for (const tool of await page.locator('#page-tools button').all()) {
      const box = await tool.boundingBox();
      const apart = box.x >= screen.x + screen.width - 0.5 || box.y + box.height <= screen.y + 0.5;
      assert.ok(apart, `${name}: a button of the page over the drawing`);
    }
    for (const key of keys) {
      assert.ok(key.width >= 44 && key.height >= 44, `${name}: a key of ${key.width} × ${key.height}`);
      assert.ok(key.bottom <= viewport.height + 0.5 && key.right <= viewport.width + 0.5,
                `${name}: a key off the screen`);
    }
    if (viewport.width < viewport.height)
      assert.ok(Math.abs(screen.width - viewport.width) < 1, `${name}: the drawing takes the width`);
    await context.close();
  }
});

test('the page\'s close box ends the program as closing its window does', async () => {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
  const { page, errors } = await open(context, 'func-prop');
  await page.locator('#page-tools button.close').click();
  await page.waitForSelector('.notice', { timeout: 30000 });
  assert.equal(await page.locator('.notice').textContent(), 'このタブを閉じてください。');
  assert.deepEqual(errors, []);
  await context.close();
});
