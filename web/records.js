// The pupil's records on the device: the session in progress (kept as it changes, so that a
// reload or a closed tab loses nothing), the results sheet beside the drawing, printable and
// downloadable as CSV, and the list of past sessions of each program (IndexedDB). Nothing leaves
// the device. Also registers the service worker that keeps the site for use without a network.
'use strict';
(function () {
  const sessionKey = (program) => `drills-session-${program}`;
  let latest = null;  // the sheet of this visit's session: { program, csv, fileName }
  let inProgress = false;

  // --- Past sessions, one list per program, in IndexedDB.
  function openStore() {
    return new Promise((resolve, reject) => {
      const request = indexedDB.open('drills', 1);
      request.onupgradeneeded = () => {
        const store = request.result.createObjectStore('sessions', { keyPath: 'id', autoIncrement: true });
        store.createIndex('program', 'program');
      };
      request.onsuccess = () => resolve(request.result);
      request.onerror = () => reject(request.error);
    });
  }
  async function inStore(mode, work) {
    const db = await openStore();
    return new Promise((resolve, reject) => {
      const transaction = db.transaction('sessions', mode);
      const result = work(transaction.objectStore('sessions'));
      transaction.oncomplete = () => { db.close(); resolve(result.result); };
      transaction.onerror = () => { db.close(); reject(transaction.error); };
    });
  }
  const pastSessions = (program) => inStore('readonly', (store) => store.index('program').getAll(program));
  const addPastSession = (entry) => inStore('readwrite', (store) => store.add(entry));
  async function clearPastSessions(program) {
    const keys = await inStore('readonly', (store) => store.index('program').getAllKeys(program));
    await inStore('readwrite', (store) => { for (const key of keys) store.delete(key); return {}; });
  }

  // --- The sheet: the CSV the drill wrote, read back into rows for the page and for printing.
  function csvRows(csv) {
    const rows = [];
    for (const line of csv.replace(/^\uFEFF/, '').split('\r\n')) {
      if (line === '') continue;
      const fields = [];
      for (let i = 0; i <= line.length;) {
        if (line[i] === '"') {
          let field = '';
          for (i += 1; i < line.length; i += 1) {
            if (line[i] === '"' && line[i + 1] === '"') { field += '"'; i += 1; } else if (line[i] === '"') break;
            else field += line[i];
          }
          fields.push(field);
          i += 2;
        } else {
          const comma = line.indexOf(',', i);
          const end = comma < 0 ? line.length : comma;
          fields.push(line.slice(i, end));
          i = end + 1;
        }
      }
      rows.push(fields);
    }
    return rows;
  }
  function element(tag, text, className) {
    const node = document.createElement(tag);
    if (text !== undefined) node.textContent = text;
    if (className) node.className = className;
    return node;
  }
  function button(text, action) {
    const node = element('button', text);
    node.type = 'button';
    node.addEventListener('click', action);
    return node;
  }
  // The sheet as a heading, the session's times and a table of the problems.
  function sheetView(csv) {
    const rows = csvRows(csv);
    const view = element('div', undefined, 'sheet');
    view.append(element('h2', rows[0][1]));
    const times = element('p', `${rows[1][1]}　${rows[2][1]}～${rows[3][1]}`);
    view.append(times);
    const table = element('table');
    rows.slice(4).forEach((fields, index) => {
      const row = element('tr');
      for (const field of fields) row.append(element(index === 0 ? 'th' : 'td', field));
      table.append(row);
    });
    view.append(table);
    return view;
  }
  function download(csv, fileName) {
    const link = document.createElement('a');
    // The drill's sheet starts with a byte-order mark, which reading its UTF-8 into a string
    // drops: it goes back in front, so the file is the drill's byte for byte.
    const bytes = csv.startsWith('\uFEFF') ? csv : `\uFEFF${csv}`;
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'text/csv' }));
    link.download = fileName;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }
  function print(csv) {
    let area = document.getElementById('print-area');
    if (!area) {
      area = element('div');
      area.id = 'print-area';
      document.body.append(area);
    }
    area.replaceChildren(sheetView(csv));
    window.print();
  }
  function sheetActions(csv, fileName) {
    const actions = element('p', undefined, 'actions');
    actions.append(button('印刷する', () => print(csv)), button('CSVで保存する', () => download(csv, fileName)));
    return actions;
  }
  // The sheet of this session and the list of past ones, into `panel`.
  async function fillPanel(panel, program) {
    panel.replaceChildren();
    if (latest) panel.append(sheetView(latest.csv), sheetActions(latest.csv, latest.fileName));
    else panel.append(element('p', 'まだ記録はありません。'));
    panel.append(element('h3', 'これまでの記録'));
    let past = [];
    try { past = await pastSessions(program); } catch (error) { past = []; }
    if (past.length === 0) panel.append(element('p', 'まだ記録はありません。'));
    const list = element('ul', undefined, 'past');
    for (const entry of past.reverse()) {
      const item = element('li', `${entry.date}　${entry.start}～${entry.end}　`);
      item.append(button('印刷する', () => print(entry.csv)), button('CSVで保存する', () => download(entry.csv, entry.fileName)));
      list.append(item);
    }
    panel.append(list);
    if (past.length > 0) {
      panel.append(button('記録をすべて消す', async () => {
        if (!window.confirm('これまでの記録をすべて消しますか。')) return;
        await clearPastSessions(program);
        fillPanel(panel, program);
      }));
    }
  }

  // --- What the drill calls (through its record keeper).
  window.drillRecords = {
    keep(entry) {
      latest = { program: entry.program, csv: entry.csv, fileName: entry.fileName };
      inProgress = entry.inProgress;
      try {
        if (entry.ended) localStorage.removeItem(sessionKey(entry.program));
        else localStorage.setItem(sessionKey(entry.program), JSON.stringify(entry));
      } catch (error) {
        // Storage full or refused: the drill goes on, and the next change tries again.
      }
      if (entry.ended) {
        const rows = csvRows(entry.csv);
        addPastSession({ program: entry.program, date: rows[1][1], start: rows[2][1], end: rows[3][1],
                         csv: entry.csv, fileName: entry.fileName }).catch(() => {});
      }
    },
    kept(program) {
      try {
        const entry = JSON.parse(localStorage.getItem(sessionKey(program)) || 'null');
        if (!entry) return '';
        latest = { program, csv: entry.csv, fileName: entry.fileName };
        return entry.kept;
      } catch (error) {
        return '';
      }
    },
    csvRows,
  };

  // Leaving in the middle of a problem asks first.
  window.addEventListener('beforeunload', (event) => {
    if (!inProgress) return;
    event.preventDefault();
    event.returnValue = '';
  });

  // The program's page: the sheet button beside the drawing, and the sheet after the program ends.
  function setUpProgramPage() {
    const program = window.Module && window.Module.program;
    const sheetButton = document.getElementById('sheet-button');
    const panel = document.getElementById('sheet-panel');
    if (!program || !sheetButton || !panel) return;
    // The browser opens the page's storage at its first use, which takes a while: opened now,
    // while the module still downloads, the drill's first look for a kept session does not wait.
    try {
      localStorage.getItem(sessionKey(program));
    } catch (error) {
      // Storage refused: the drill starts a new session.
    }
    sheetButton.addEventListener('click', () => {
      if (panel.hidden) {
        panel.hidden = false;
        fillPanel(panel, program);
      } else {
        panel.hidden = true;
      }
    });
    // After the session ended (choice 3), its sheet; a program left without practice has none.
    window.Module.onNotice = (notice) => {
      if (!latest) return;
      const after = element('div', undefined, 'sheet-panel');
      notice.after(after);
      fillPanel(after, program);
    };
  }
  setUpProgramPage();

  // The service worker keeps the site for use without a network (not for pages opened as files).
  // Keeping the site fetches every file again: on a program's page it starts once the drill has
  // shown its first frame, so that it neither slows the opening nor fetches the module twice;
  // elsewhere once the page has loaded.
  if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
    const register = () => navigator.serviceWorker.register('sw.js').catch(() => {});
    if (window.Module && window.Module.program) window.addEventListener('drill-shown', () => setTimeout(register, 0), { once: true });
    else if (document.readyState === 'complete') register();
    else window.addEventListener('load', register);
  }
})();
