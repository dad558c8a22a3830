// The checking half of tools/chordpro-crosscheck: reads what the script gathered for each
// song (the exported .cho and .txt, how trovale-cli reads the .txt back, chordii's messages)
// and compares where ChordSheetJS sees each chord with where the text export puts it.
//
//     node tools/chordpro-crosscheck.mjs CACHE_DIR MANIFEST.tsv

import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';

const [cacheDir, manifestPath] = process.argv.slice(2);
const require = createRequire(path.join(cacheDir, 'node_modules', 'noop.js'));
const csj = require('chordsheetjs');
const csjVersion = JSON.parse(
  readFileSync(path.join(cacheDir, 'node_modules', 'chordsheetjs', 'package.json'), 'utf8')).version;

const SHOWN = 5; // mismatches listed in the summary
const NBSP = '\u00a0';

// Windows-1252's 0x80-0x9F; the rest of the bytes are Latin-1.
const CP1252_HIGH = [
  0x20ac, 0x81, 0x201a, 0x192, 0x201e, 0x2026, 0x2020, 0x2021, 0x2c6, 0x2030, 0x160, 0x2039,
  0x152, 0x8d, 0x17d, 0x8f, 0x90, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014,
  0x2dc, 0x2122, 0x161, 0x203a, 0x153, 0x9d, 0x17e, 0x178,
];

function decodeWindows1252(bytes) {
  let text = '';
  for (const b of bytes)
    text += String.fromCharCode(b >= 0x80 && b < 0xa0 ? CP1252_HIGH[b - 0x80] : b);
  return text;
}

const fileLines = (text) => {
  const lines = text.split(/\r?\n/);
  if (lines.length && lines[lines.length - 1] === '') lines.pop();
  return lines;
};
const isBlank = (s) => /^ *$/.test(s);
const isRoom = (c) => c === ' ' || c === NBSP;
const trimEnd = (s) => s.replace(/ +$/, '');
// Where the lyric's last character stands: chords from there on stand past it.
const lyricEnd = (s) => s.replace(/[ \u00a0]+$/, '').length;
// The variant tag ("G*", "G*c") tells the program's voicings apart; a ChordPro file may leave
// it out, since other programs take it for a piece of the chord's name.
const withoutVariant = (symbol) => symbol.replace(/\*[a-z]?$/, '');

// A lyric that ChordPro would read as chords, a directive or a comment: the export writes it
// in a tab block, under a line of its chords.
const needsTab = (lyric) => {
  const first = lyric.replace(/^ +/, '')[0];
  return first === '{' || first === '#' || lyric.includes('[');
};

// The symbols of a chord line with their 0-based text columns.
function chordsOfLine(line) {
  const chords = [];
  for (const m of line.matchAll(/[^ ]+/g)) chords.push({ symbol: m[0], index: m.index });
  return chords;
}

// Takes out the room the program opens in a crowded lyric: the non-breaking spaces right
// before a chord's character, and the hyphen it adds inside a word, told by an odd number of
// them. Chords keep their characters; those past the lyric keep their distance from it.
function withoutRoom(lyric, chords) {
  const end = lyricEnd(lyric);
  const removed = new Array(lyric.length).fill(false);
  for (const { index: c } of chords) {
    if (c >= end) continue;
    let s = c;
    while (s > 0 && lyric[s - 1] === NBSP) removed[--s] = true;
    const addedHyphen = (c - s) % 2 === 1 && s >= 2 && lyric[s - 1] === '-' &&
      !isRoom(lyric[s - 2]) && !isRoom(lyric[c]);
    if (addedHyphen) removed[s - 1] = true;
  }
  let text = '';
  const kept = [0]; // characters kept before each index
  for (let i = 0; i < lyric.length; ++i) {
    if (!removed[i]) text += lyric[i];
    kept.push(kept[i] + (removed[i] ? 0 : 1));
  }
  const taken = lyric.length - text.length;
  return {
    lyric: text,
    chords: chords.map((ch) => ({
      ...ch,
      index: ch.index < lyric.length ? kept[ch.index] : ch.index - taken,
    })),
  };
}

// The song as the text export has it: title, author, and the lyric lines with their chords
// ("units"), each with the .txt line it comes from.
function fromText(txtPath, interpretPath) {
  const lines = fileLines(decodeWindows1252(readFileSync(txtPath)));
  const read = JSON.parse(readFileSync(interpretPath, 'utf8')).lines;
  if (read.length !== lines.length)
    throw new Error(`trovale-cli interpret gives ${read.length} lines, the .txt has ${lines.length}`);
  for (let i = 0; i < lines.length; ++i)
    if (trimEnd(read[i].text) !== trimEnd(lines[i]))
      throw new Error(`.txt line ${i + 1} reads back as "${read[i].text}"`);
  const song = { title: null, author: null, units: [] };
  const push = (line, lyric, chords) => song.units.push({ line, lyric, chords });
  for (let i = 0; i < lines.length; ++i) {
    const { kind, chordLine } = read[i];
    if (kind === -2) { song.title ??= lines[i].trim(); continue; }
    if (kind === -1) { song.author ??= lines[i].trim(); continue; }
    if (!chordLine) {
      if (!isBlank(lines[i])) push(i + 1, lines[i], []);
      continue;
    }
    const chords = chordsOfLine(lines[i]);
    const next = lines[i + 1];
    const lyricBelow = next !== undefined && !read[i + 1].chordLine && read[i + 1].kind >= 0 &&
      !isBlank(next);
    if (lyricBelow && !needsTab(next)) {
      const open = withoutRoom(next, chords);
      push(i + 2, open.lyric, open.chords);
      ++i;
    } else {
      push(i + 1, '', chords);
    }
  }
  return song;
}

const COMMENT_TAGS = new Set(['comment', 'comment_italic', 'comment_box', 'highlight']);

// The same from ChordSheetJS's reading of the .cho.
function fromChordPro(text) {
  const parser = new csj.ChordProParser();
  const parsed = parser.parse(text);
  const song = {
    title: parsed.title ?? null,
    author: parsed.subtitle ?? parsed.metadata.get('artist') ?? null,
    authors: [parsed.subtitle, parsed.metadata.get('artist')].flat().filter((a) => a != null),
    warnings: parser.warnings ?? [],
    units: [],
  };
  for (const line of parsed.lines) {
    const number = line.lineNumber + 1;
    let lyric = '';
    const chords = [];
    let content = false;
    for (const item of line.items) {
      if (item instanceof csj.ChordLyricsPair) {
        if (item.chords) chords.push({ symbol: item.chords, index: lyric.length });
        lyric += item.lyrics ?? '';
        content = true;
      } else if (item instanceof csj.Literal) {
        lyric += item.string;
        content = true;
      } else if (item instanceof csj.Tag && COMMENT_TAGS.has(item.name)) {
        lyric += item.value;
        content = true;
      }
    }
    if (content && (chords.length || !isBlank(lyric))) song.units.push({ line: number, lyric, chords });
  }
  return song;
}

const show = (lyric, index) =>
  index < lyric.length ? `"${lyric[index]}" (character ${index + 1})` : `past the lyric (column ${index + 1})`;

// Chords over the lyric must stand on the same characters. Past its end, where there is no
// character, a chord just clearing the one before may be written closer to it.
function compareChords(t, c, variantsDropped) {
  const problems = [];
  const endT = lyricEnd(t.lyric);
  const endC = lyricEnd(c.lyric);
  const count = Math.max(t.chords.length, c.chords.length);
  for (let k = 0; k < count; ++k) {
    const a = t.chords[k];
    const b = c.chords[k];
    if (!a || !b) {
      const [which, ch, lyric] = a ? ['missing', a, t.lyric] : ['extra', b, c.lyric];
      problems.push(`${which} chord ${ch.symbol} at ${show(lyric, ch.index)}`);
      break;
    }
    // The text export keeps the program's "º"; ChordPro carries the degree sign other
    // programs read as the same chord.
    const sameName = (x, y) => x.replaceAll('º', '°') === y.replaceAll('º', '°');
    if (!sameName(a.symbol, b.symbol) && !sameName(withoutVariant(a.symbol), b.symbol)) {
      problems.push(`chord ${k + 1}: expected ${a.symbol}, found ${b.symbol}`);
      break;
    }
    if (!sameName(a.symbol, b.symbol)) variantsDropped.add(a.symbol);
    const pastT = a.index >= endT;
    const pastC = b.index >= endC;
    let same = a.index === b.index && pastT === pastC;
    if (!same && pastT && pastC && k > 0) {
      const prevT = t.chords[k - 1];
      const prevC = c.chords[k - 1];
      const clears = a.index === prevT.index + prevT.symbol.length + 1;
      same = clears && b.index > Math.max(prevC.index, endC - 1) && b.index <= a.index;
    }
    if (!same) {
      problems.push(`chord ${b.symbol}: expected at ${show(t.lyric, a.index)}, found at ${show(c.lyric, b.index)}`);
      break;
    }
  }
  return problems;
}

// chordii writes "WARNING: text" and then "in file "x", line N".
function chordiiWarnings(logPath) {
  const lines = fileLines(readFileSync(logPath, 'latin1'));
  const warnings = [];
  for (let i = 0; i < lines.length; ++i) {
    const m = lines[i].match(/^\s*(WARNING|ERROR|Error|error)\b:?\s*(.*)$/);
    if (!m) continue;
    const where = (lines[i + 1] ?? '').match(/line (\d+)/);
    warnings.push(`${where ? `line ${where[1]}: ` : ''}${m[1]}: ${m[2].trim()}`);
  }
  return warnings;
}

const readIfAny = (p) => (p ? readFileSync(p, 'utf8').trim() : '');

const results = [];
for (const record of fileLines(readFileSync(manifestPath, 'utf8'))) {
  const [name, cho, txt, interpret, chordiiLog, chordiiRc, errorsPath, messagesPath] = record.split('\t');
  const r = {
    name, failures: readIfAny(errorsPath).split('\n').filter(Boolean),
    messages: readIfAny(messagesPath), chordii: [], parseErrors: [], csjWarnings: [],
    mismatches: [], chordsChecked: 0, variants: new Set(),
  };
  results.push(r);
  if (chordiiLog) {
    r.chordii = chordiiWarnings(chordiiLog);
    if (chordiiRc !== '0') r.failures.push(`chordii exited with ${chordiiRc}`);
  }
  if (!cho || !txt || !interpret) continue;
  let expected, found;
  try {
    expected = fromText(txt, interpret);
  } catch (e) {
    r.failures.push(`.txt not understood: ${e.message}`);
    continue;
  }
  try {
    found = fromChordPro(readFileSync(cho, 'utf8'));
    r.csjWarnings = found.warnings.map((w) => `line ${w.lineNumber ?? '?'}: ${w.message ?? w}`);
  } catch (e) {
    const where = e.location ? `line ${e.location.start.line}, column ${e.location.start.column}: ` : '';
    r.parseErrors.push(where + e.message);
    continue;
  }
  const mismatch = (kind, where, text) => r.mismatches.push({ kind, where, text });
  if ((found.title ?? '') !== (expected.title ?? ''))
    mismatch('title', '', `expected "${expected.title ?? ''}", found "${found.title ?? ''}"`);
  if (expected.author !== null ? !found.authors.includes(expected.author) : found.authors.length)
    mismatch('author', '', `expected "${expected.author ?? ''}", found "${found.authors.join('", "')}"`);
  // Walked side by side; a line only one side has is reported once and the walk goes on.
  const T = expected.units;
  const C = found.units;
  const sameLyric = (t, c) => trimEnd(t.lyric) === trimEnd(c.lyric);
  const missing = (t) => mismatch('lyric', `txt line ${t.line}`, `missing in the .cho: "${trimEnd(t.lyric)}"`);
  const extra = (c) => mismatch('lyric', `cho line ${c.line}`, `not in the .txt: "${trimEnd(c.lyric)}"`);
  for (let i = 0, j = 0; i < T.length || j < C.length;) {
    const t = T[i];
    const c = C[j];
    if (!t) { extra(c); ++j; continue; }
    if (!c) { missing(t); ++i; continue; }
    const where = `txt line ${t.line}, cho line ${c.line}`;
    if (sameLyric(t, c)) {
      r.chordsChecked += t.chords.length;
      for (const p of compareChords(t, c, r.variants)) mismatch('chord', where, `"${trimEnd(t.lyric)}": ${p}`);
      ++i, ++j;
      continue;
    }
    const skipT = T.slice(i + 1, i + 4).findIndex((u) => sameLyric(u, c));
    const skipC = C.slice(j + 1, j + 4).findIndex((u) => sameLyric(t, u));
    if (skipT >= 0 && (skipC < 0 || skipT <= skipC)) {
      for (const u of T.slice(i, i + skipT + 1)) missing(u);
      i += skipT + 1;
    } else if (skipC >= 0) {
      for (const u of C.slice(j, j + skipC + 1)) extra(u);
      j += skipC + 1;
    } else {
      mismatch('lyric', where, `expected "${trimEnd(t.lyric)}", found "${trimEnd(c.lyric)}"`);
      ++i, ++j;
    }
  }
}

// The report: each song's findings, then the totals.
const sum = (f) => results.reduce((n, r) => n + f(r), 0);
const byKind = (kind) => (r) => r.mismatches.filter((m) => m.kind === kind).length;
console.log(`ChordSheetJS ${csjVersion}; chordii ${process.env.CHORDII_VERSION ?? ''}`.trim());
for (const r of results) {
  const notes = [];
  for (const f of r.failures) notes.push(`failed: ${f}`);
  for (const e of r.parseErrors) notes.push(`ChordSheetJS parse error: ${e}`);
  for (const w of r.csjWarnings) notes.push(`ChordSheetJS warning: ${w}`);
  for (const w of r.chordii) notes.push(`chordii: ${w}`);
  for (const m of r.mismatches) notes.push(`${m.kind} mismatch${m.where ? ` (${m.where})` : ''}: ${m.text}`);
  if (r.variants.size)
    notes.push(`note: ${[...r.variants].join(' ')} written without the variant tag`);
  if (r.messages) for (const m of r.messages.split('\n')) notes.push(`trovale-cli: ${m}`);
  console.log(`\n${r.name}: ${r.chordsChecked} chords checked`);
  for (const n of notes) console.log(`  ${n}`);
}

const rows = [
  ['songs checked', results.length],
  ['conversion failures', sum((r) => r.failures.length)],
  ['chordii warnings', sum((r) => r.chordii.length)],
  ['ChordSheetJS parse errors', sum((r) => r.parseErrors.length)],
  ['ChordSheetJS warnings', sum((r) => r.csjWarnings.length)],
  ['chords checked', sum((r) => r.chordsChecked)],
  ['chord position mismatches', sum(byKind('chord'))],
  ['lyric mismatches', sum(byKind('lyric'))],
  ['title or author mismatches', sum(byKind('title')) + sum(byKind('author'))],
];
const width = Math.max(...rows.map(([label]) => label.length));
console.log('\nSummary');
for (const [label, n] of rows) console.log(`  ${label.padEnd(width)}  ${String(n).padStart(5)}`);

const warningKinds = new Map();
for (const r of results) for (const w of r.chordii) {
  const text = w.replace(/^line \d+: /, '');
  warningKinds.set(text, (warningKinds.get(text) ?? 0) + 1);
}
if (warningKinds.size) {
  console.log('\nchordii warnings by message');
  for (const [text, n] of [...warningKinds].sort((a, b) => b[1] - a[1])) console.log(`  ${String(n).padStart(4)}  ${text}`);
}

const all = results.flatMap((r) => r.mismatches.map((m) => ({ ...m, name: r.name })));
if (all.length) {
  console.log(`\nFirst mismatches (${Math.min(SHOWN, all.length)} of ${all.length})`);
  for (const m of all.slice(0, SHOWN))
    console.log(`  ${m.name}${m.where ? ` (${m.where})` : ''}: ${m.kind}: ${m.text}`);
}

const failed = all.length || sum((r) => r.failures.length + r.parseErrors.length);
process.exit(failed ? 1 : 0);
