// The page's own keys for pupils without a keyboard (tablets) or without function keys: a bar
// of every key the drill uses under the drawing, never over it; a toggle that shows or hides it
// (shown from the start on touch screens); and a close box at the top right that does what
// closing the program's window does. The drawing is fitted to the room the bar leaves.
(function () {
  'use strict';

  // [label as the pupil reads it, the keyboard's key beside it, the keys it types].
  var KEYS = [
    ['1', '', '1'], ['2', '', '2'], ['3', '', '3'], ['4', '', '4'], ['5', '', '5'],
    ['6', '', '6'], ['7', '', '7'], ['8', '', '8'], ['9', '', '9'], ['0', '', '0'],
    ['－', '-', '-'], ['．', '.', '.'], ['＋', '+', '+'], ['×', '*', '*'], ['＝', '=', '='],
    ['＜', '<', '<'], ['＞', '>', '>'], ['，', ',', ','], ['（', '(', '('], ['）', ')', ')'],
    ['：', ':', ':'],
    ['χ', 'X', 'x'], ['ｙ', 'Y', 'y'], ['ａ', 'A', 'a'], ['ｂ', 'B', 'b'], ['ｃ', 'C', 'c'],
    ['ｌ', 'L', 'l'], ['ｍ', 'M', 'm'], ['ｎ', 'N', 'n'], ['ｊ', 'J', 'j'], ['ｋ', 'K', 'k'],
    ['分数', 'S / F10', '{F10}'], ['√', 'Q / F1', '{F1}'], ['√分数', 'V / F11', '{F11}'],
    ['²', 'W / F2', '{F2}'], ['³', 'E / F3', '{F3}'], ['⁴', 'R / F4', '{F4}'],
    ['⁵', 'T / F5', '{F5}'], ['π', '@ / F6', '{F6}'], ['±', 'I / F7', '{F7}'],
    ['≦', '[ / F8', '{F8}'], ['≧', '] / F9', '{F9}'],
    ['1字消す', 'BS', '{BS}'], ['全部消す', 'Esc', '{Clear}'], ['スペース', 'Space', '{Space}'],
    ['Enter', 'Enter', '{Enter}'],
    ['←', '', '{Left}'], ['→', '', '{Right}'], ['↑', '', '{Up}'], ['↓', '', '{Down}'],
  ];

  var style = document.createElement('style');
  style.textContent = [
    'body.keybar-page { flex-direction: column; justify-content: flex-start; }',
    '#page-tools { position: fixed; top: 0; right: 0; height: 48px; display: flex; gap: 8px;',
    '  padding: 2px 8px; box-sizing: border-box; }',
    '#page-tools button, #keybar button { min-width: 44px; min-height: 44px; margin: 0;',
    '  border: 1px solid #5a6a85; border-radius: 6px; background: #1e2a40; color: #ffffff;',
    '  font: 18px sans-serif; touch-action: manipulation; user-select: none;',
    '  -webkit-user-select: none; }',
    '#page-tools .close { font-size: 26px; line-height: 1; }',
    '#page-tools button[aria-pressed="true"] { background: #3a5a8a; }',
    // A finger on the drawing taps it: no zoom on a double tap, no selection or callout on a long one.
    'body.keybar-page #screen { flex: none; touch-action: manipulation; user-select: none;',
    '  -webkit-user-select: none; -webkit-touch-callout: none; }',
    '#keybar { flex: none; width: 100%; display: none; flex-wrap: wrap; justify-content: center;',
    '  gap: 4px; padding: 4px; box-sizing: border-box; }',
    '#keybar.shown { display: flex; }',
    '#keybar button { display: flex; flex-direction: column; align-items: center;',
    '  justify-content: center; padding: 0 4px; line-height: 1.1; }',
    '#keybar button small { font-size: 10px; color: #9fb0cc; }',
  ].join('\n');
  document.head.appendChild(style);

  var canvas = Module.canvas;
  var typing = Module.typing;
  var tools = document.createElement('div');
  tools.id = 'page-tools';
  var toggle = document.createElement('button');
  toggle.type = 'button';
  toggle.textContent = 'キー';
  toggle.title = '画面のキーを出す・しまう';
  var close = document.createElement('button');
  close.type = 'button';
  close.className = 'close';
  close.textContent = '×';
  close.title = '終わる';
  close.setAttribute('aria-label', '終わる');
  tools.append(toggle, close);

  var bar = document.createElement('div');
  bar.id = 'keybar';
  bar.setAttribute('role', 'group');
  bar.setAttribute('aria-label', '画面のキー');
  KEYS.forEach(function (key) {
    var button = document.createElement('button');
    button.type = 'button';
    button.dataset.keys = key[2];
    button.append(key[0]);
    if (key[1]) {
      var hint = document.createElement('small');
      hint.textContent = key[1];
      button.append(hint);
    }
    bar.appendChild(button);
  });

  document.body.classList.add('keybar-page');
  document.body.insertBefore(tools, canvas);
  canvas.after(bar);

  function send(keys) {
    if (Module.drillKeys) Module.drillKeys(keys);
  }
  bar.addEventListener('click', function (event) {
    var button = event.target.closest('button');
    if (button) send(button.dataset.keys);
  });
  canvas.addEventListener('contextmenu', function (event) { event.preventDefault(); });
  close.addEventListener('click', function () {
    if (Module.drillClose) Module.drillClose();
  });

  // The drawing keeps its aspect in the room above the bar. The tools stand at the top right,
  // beside the drawing when it leaves them room there, else above it.
  function fit() {
    var ratio = window.devicePixelRatio || 1;
    // The results sheet's bar, where the page has one, keeps its room below the key bar too.
    var sheetBar = document.getElementById('bar');
    var room = window.innerHeight - bar.offsetHeight - (sheetBar ? sheetBar.offsetHeight : 0);
    function scaleFor(height) {
      return Math.min(window.innerWidth * ratio / canvas.width,
                      Math.max(height, 1) * ratio / canvas.height);
    }
    var scale = scaleFor(room);
    var top = 0;
    if ((window.innerWidth - canvas.width * scale / ratio) / 2 < tools.offsetWidth) {
      top = tools.offsetHeight;
      scale = scaleFor(room - top);
    }
    canvas.style.marginTop = top + 'px';
    canvas.style.width = (canvas.width * scale / ratio) + 'px';
    canvas.style.height = (canvas.height * scale / ratio) + 'px';
    canvas.classList.toggle('enlarged', scale >= 1);
  }

  // While the bar is shown the system's own on-screen keyboard stays down: the hidden text field
  // keeps the focus (a hardware keyboard still types) but asks for no keyboard.
  function show(shown) {
    bar.classList.toggle('shown', shown);
    toggle.setAttribute('aria-pressed', shown ? 'true' : 'false');
    if (shown) typing.setAttribute('inputmode', 'none');
    else typing.removeAttribute('inputmode');
    fit();
  }
  toggle.addEventListener('click', function () {
    show(!bar.classList.contains('shown'));
  });
  window.addEventListener('resize', fit);

  var touch = navigator.maxTouchPoints > 0 || window.matchMedia('(pointer: coarse)').matches;
  show(touch);
})();
