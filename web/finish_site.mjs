// Finishes the built site: writes the service worker with this build's list of files and a
// version made from their contents, then writes a gzip and a brotli copy beside every file that
// compresses, for web servers that send such copies as they are.
// Usage: node finish_site.mjs SITE_DIR SW_TEMPLATE
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

const [siteDir, template] = process.argv.slice(2);
const compressed = /\.(gz|br)$/;

for (const name of fs.readdirSync(siteDir)) {
  if (compressed.test(name)) fs.rmSync(path.join(siteDir, name));
}
// The module with the WebAssembly inside serves only pages opened as files: no server sends it,
// and the service worker does not keep it.
const files = fs.readdirSync(siteDir)
  .filter((name) => name !== 'sw.js' && name !== 'drills-file.js' && !compressed.test(name)).sort();

const hash = crypto.createHash('sha256');
for (const name of files) hash.update(name).update('\0').update(fs.readFileSync(path.join(siteDir, name)));
const version = hash.digest('hex').slice(0, 16);
const worker = fs.readFileSync(template, 'utf8')
  .replace('@VERSION@', version)
  .replace('@FILES@', ['./', ...files].map((name) => JSON.stringify(name)).join(', '));
fs.writeFileSync(path.join(siteDir, 'sw.js'), worker);

for (const name of [...files, 'sw.js']) {
  const bytes = fs.readFileSync(path.join(siteDir, name));
  const gzip = zlib.gzipSync(bytes, { level: 9 });
  const brotli = zlib.brotliCompressSync(bytes, {
    params: { [zlib.constants.BROTLI_PARAM_QUALITY]: 11, [zlib.constants.BROTLI_PARAM_SIZE_HINT]: bytes.length },
  });
  if (gzip.length < bytes.length) fs.writeFileSync(path.join(siteDir, `${name}.gz`), gzip);
  if (brotli.length < bytes.length) fs.writeFileSync(path.join(siteDir, `${name}.br`), brotli);
}
console.log(`site version ${version}: ${files.length + 1} files`);
