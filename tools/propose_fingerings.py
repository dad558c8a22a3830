#!/usr/bin/env python3
"""Proposes guitar fingerings for every chord type of ACORDES.TIP and every root.

The output is the fingering source (data/digitacoes.txt format): one line per fingering,
root, type number and six frets, low E first. For each chord it lists the voicing a chord
book shows first, then other root-position voicings up the neck, then inversions (the third,
fifth and seventh in the bass); voicings that leave the root out come after all that sound it,
and each bass gets one that sounds the root when a hand can hold one, because the program
offers a slash chord the first fingering with its bass. Every voicing spans at most four frets, needs at most four
fingers (more than four fretted strings are held with a barre on the lowest fret) and plays
the chord by the catalogue's own matching rule: every chord note sounds and nothing else, the
fifth may be left out of chords of four or more notes while the root sounds, the root may be
left out of those chords.

The search is exhaustive and deterministic; the ranking is a handful of rules about what a
hand finds comfortable, and FIRSTS below pins the voicings that every chord book shows.
The output is meant to be read and edited, not shipped blindly.

Usage: propose_fingerings.py ACORDES.TIP > digitacoes.txt
"""

import itertools
import sys

OPEN_PC = {6: 8, 5: 1, 4: 6, 3: 11, 2: 3, 1: 8}  # strings 6..1: E A D G B E (1 = A)
SEMITONES = [0, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10, 11, 13, 14, 15, 17, 18, 20, 21]
DEGREE = [0, 2, 3, 3, 4, 5, 5, 5, 6, 7, 7, 7, 9, 9, 9, 11, 11, 13, 13]
FIFTH = 6
SHARP = ["", "A", "A#", "B", "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#"]
FLAT = ["", "A", "Bb", "B", "C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab"]
# The spelling of each root in the source, as songbooks write keys.
ROOTS = ["C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"]
MAX_STRETCH = 4
MAX_FRET = 15

# What every chord book shows first (root spelling, type number) -> frets, low E first.
FIRSTS = {
    ("C", 1): "x 3 2 0 1 0", ("D", 1): "x x 0 2 3 2", ("E", 1): "0 2 2 1 0 0",
    ("F", 1): "1 3 3 2 1 1", ("G", 1): "3 2 0 0 0 3", ("A", 1): "x 0 2 2 2 0",
    ("B", 1): "x 2 4 4 4 2",
    ("A", 2): "x 0 2 2 1 0", ("D", 2): "x x 0 2 3 1", ("E", 2): "0 2 2 0 0 0",
    ("B", 2): "x 2 4 4 3 2", ("F", 2): "1 3 3 1 1 1", ("C", 2): "x 3 5 5 4 3",
    ("G", 2): "3 5 5 3 3 3",
    ("C", 7): "x 3 2 3 1 0", ("D", 7): "x x 0 2 1 2", ("E", 7): "0 2 0 1 0 0",
    ("G", 7): "3 2 0 0 0 1", ("A", 7): "x 0 2 0 2 0", ("B", 7): "x 2 1 2 0 2",
    ("A", 8): "x 0 2 0 1 0", ("E", 8): "0 2 0 0 0 0", ("D", 8): "x x 0 2 1 1",
    ("C", 9): "x 3 2 0 0 0", ("D", 9): "x x 0 2 2 2", ("E", 9): "0 2 1 1 0 0",
    ("F", 9): "x x 3 2 1 0", ("G", 9): "3 2 0 0 0 2", ("A", 9): "x 0 2 1 2 0",
    ("C", 11): "x 3 2 2 1 0", ("D", 11): "x x 0 2 0 2", ("E", 11): "0 2 2 1 2 0",
    ("G", 11): "3 2 0 0 0 0", ("A", 11): "x 0 2 2 2 2",
    ("A", 12): "x 0 2 2 1 2", ("D", 12): "x x 0 2 0 1", ("E", 12): "0 2 2 0 2 0",
    ("A", 18): "x 0 2 0 3 0", ("D", 18): "x x 0 2 1 3", ("E", 18): "0 2 0 2 0 0",
    ("A", 5): "x 0 2 2 3 0", ("D", 5): "x x 0 2 3 3", ("E", 5): "0 2 2 2 0 0",
    ("A", 6): "x 0 2 2 0 0", ("D", 6): "x x 0 2 3 0", ("C", 20): "x 3 2 0 3 0",
}
# Other voicings chord books show for the chord, listed after the first whatever their rank.
ALSO = [
    ("B", 8, "x 2 4 2 3 2"), ("B", 8, "x 2 0 2 0 2"), ("E", 8, "0 2 2 0 3 0"),
    ("E", 8, "0 2 0 0 3 0"), ("F", 9, "1 x 2 2 1 x"), ("G", 5, "3 3 0 0 1 3"),
    ("G", 18, "3 3 0 0 1 1"), ("B", 18, "x 2 4 2 5 2"), ("C", 18, "x 3 5 3 6 3"),
    ("F#", 14, "2 x 2 2 1 x"), ("E", 14, "0 1 2 0 3 0"), ("C", 22, "x 3 2 3 3 x"),
    ("E", 22, "0 2 0 1 0 2"),
]
# Inversions that chord books show for slash chords: they come first among their bass.
SLASH_FIRSTS = [
    ("C", 1, "0 3 2 0 1 0"), ("C", 1, "3 3 2 0 1 0"), ("G", 1, "x 2 0 0 0 3"),
    ("D", 1, "2 x 0 2 3 2"), ("D", 1, "x 0 0 2 3 2"), ("A", 8, "3 x 2 2 1 0"),
    ("E", 1, "x 2 2 1 0 0"), ("A", 1, "0 0 2 2 2 0"), ("A", 2, "0 0 2 2 1 0"),
    ("E", 2, "x 2 2 0 0 0"), ("E", 2, "3 x 2 0 0 0"), ("D", 2, "x 0 0 2 3 1"),
    ("G", 7, "x 2 0 0 0 1"), ("C", 7, "0 3 2 3 1 0"), ("D", 7, "2 x 0 2 1 2"),
    ("C", 7, "x 1 2 0 1 0"), ("D", 7, "x 3 0 2 1 2"), ("E", 7, "4 x 0 1 0 0"),
    ("D", 8, "x 3 0 2 1 1"), ("B", 8, "x 0 4 4 3 2"), ("C", 9, "x 2 2 0 1 0"),
    ("G", 9, "2 x 0 0 0 3"), ("G", 7, "1 x 0 0 0 1"), ("A", 7, "3 x 2 2 2 0"),
]


def reduce(n):
    n %= 12
    return 12 if n == 0 else n


def pc_name(pc):
    return SHARP[pc]


def parse_frets(text):
    return tuple(-1 if t in "xX" else int(t) for t in text.split())


def frets_text(frets):
    return " ".join("x" if f < 0 else str(f) for f in frets)


# ---- the chord types ------------------------------------------------------------------


class ChordType:
    def __init__(self, number, name, intervals, symbol):
        self.number, self.name, self.intervals, self.symbol = number, name, intervals, symbol


def one_line(elements):
    """The one-line symbol of four positions of (slot1, slot2) elements."""
    def position(slots):
        text = ""
        for e in slots:
            if not e:
                continue
            if e[0] == ">":
                text = e[1:] + (text or "/")
            elif e[0] == "<":
                text = (text or "/") + e[1:]
            else:
                text = e
        return text
    p = [position(elements[i]) for i in range(3)]
    par = position(elements[3])
    if not p[1]:
        p[1], p[2] = p[2], ""
    if not p[0]:
        p = [p[1], p[2], ""]
    s12 = s23 = ""
    if p[1]:
        if "/" in p[1]:
            s12, s23 = "/", "/" if p[2] else ""
        else:
            s12 = "/" if "/" in p[0] else ""
            s23 = "/" if "/" in p[2] else ""
    return p[0] + s12 + p[1] + s23 + p[2] + (f"({par})" if par else "")


def read_types(path):
    lines = open(path, "rb").read().decode("cp1252").split("\r\n")
    count = int(lines[0])
    pos, types = 1, []
    for _ in range(count):
        fields = lines[pos].split()
        values = [int(v) for v in fields[:8]]
        name = lines[pos][24:].strip() if values[7] < 100 else lines[pos][25:].strip()
        elements = [["", ""] for _ in range(4)]
        for k in range(values[5]):
            p, s, text = lines[pos + 1 + k].split(" ", 2)
            elements[int(p) - 1][int(s) - 1] = text
        pos += 1 + values[5] + values[6]
        if values[7]:
            types.append(ChordType(values[7], name, [c for c in values[:5] if c],
                                   one_line(elements)))
    return types


def matches(root, ctype, sounding):
    """The catalogue's matching rule (TestarDigitacao)."""
    root_sounds = root in sounding
    four = len(ctype.intervals) >= 3
    required, fifth = [], None
    for code in ctype.intervals:
        note = reduce(root + SEMITONES[code])
        if four and code == FIFTH and root_sounds and fifth is None:
            fifth = note
            continue
        required.append(note)
    if not (root_sounds or four):
        return False
    if any(n not in sounding for n in required):
        return False
    allowed = set(required) | {root} | ({fifth} if fifth else set())
    return all(n in allowed for n in sounding)


# ---- fingerings -----------------------------------------------------------------------


def build(frets):
    """Start fret, barre (first, last, fret) or None, notes [(string, fret)]; None when the
    shape needs more than four elements or a barre over an open string."""
    fretted = [(6 - i, f) for i, f in enumerate(frets) if f > 0]
    if not fretted:
        return 1, None, []
    low = min(f for _, f in fretted)
    high = max(f for _, f in fretted)
    casa = low if high > 5 else 1
    if casa > 12 or high - casa + 1 > 5:
        return None
    barre = None
    notes = fretted
    if len(fretted) > 4:
        at_low = [s for s, f in fretted if f == low]
        first, last = min(at_low), max(at_low)
        if first == last or any(frets[6 - s] == 0 for s in range(first, last + 1)):
            return None
        barre = (first, last, low)
        notes = [(s, f) for s, f in fretted if not (first <= s <= last and f == low)]
    if len(notes) + (1 if barre else 0) > 4:
        return None
    return casa, barre, notes


def sounding(frets):
    notes = []
    for i in range(6):
        if frets[i] >= 0:
            n = reduce(OPEN_PC[6 - i] + frets[i])
            if n not in notes:
                notes.append(n)
    return notes


def bass_note(frets):
    for i in range(6):
        if frets[i] >= 0:
            return reduce(OPEN_PC[6 - i] + frets[i])
    return 0


def candidates(root, ctype):
    """Every fingering of the chord within a four-fret window."""
    tones = {root} | {reduce(root + SEMITONES[c]) for c in ctype.intervals}
    found = set()
    for low in range(0, MAX_FRET - MAX_STRETCH + 2):
        window = [0] + list(range(max(low, 1), low + MAX_STRETCH)) if low else [0]
        options = []
        for i in range(6):
            opts = [-1] + [f for f in window if reduce(OPEN_PC[6 - i] + f) in tones]
            options.append(opts)
        for frets in itertools.product(*options):
            fretted = [f for f in frets if f > 0]
            if low and (not fretted or min(fretted) != low):
                continue
            if sum(1 for f in frets if f >= 0) < 4:
                continue
            if not matches(root, ctype, sounding(frets)):
                continue
            if build(frets) is None or not playable(frets):
                continue
            found.add(frets)
    return found


# ---- ranking --------------------------------------------------------------------------


def played_strings(frets):
    return [6 - i for i, f in enumerate(frets) if f >= 0]


def gaps(frets):
    """Muted strings between played ones."""
    played = [i for i, f in enumerate(frets) if f >= 0]
    return sum(1 for i in range(played[0], played[-1]) if frets[i] < 0)


def awkward(frets):
    """Shapes a hand refuses or hates: open strings inside a shape away from the nut,
    fingers at one fret with lower-fret fingers between them, the bass at the far end of a
    wide stretch."""
    _, barre, notes = build(frets)
    fretted = [(6 - i, f) for i, f in enumerate(frets) if f > 0]
    if not fretted:
        return 0
    low = min(f for _, f in fretted)
    high = max(f for _, f in fretted)
    strings = [s for s, _ in fretted]
    cost = 0
    for i, f in enumerate(frets):
        inside = min(strings) < 6 - i < max(strings)
        if f == 0 and inside:
            cost += 6 if high > 3 else 1
        elif f == 0 and high > 4:
            cost += 4
    by_fret = {}
    for s, f in notes:
        by_fret.setdefault(f, []).append(s)
    for f, ss in by_fret.items():
        lo, hi = min(ss), max(ss)
        lower = sum(1 for s2 in range(lo + 1, hi) if 0 < frets[6 - s2] < f)
        if lower >= 2 or (lower and hi - lo >= 4):
            cost += 8
    bass = max(strings)
    if dict(fretted)[bass] == high and high - low >= 3:
        cost += 4
    return cost


def playable(frets):
    """Hard limits: one muted string at most inside the chord, no open string beside a shape
    that reaches the fifth fret (except an open bass)."""
    if gaps(frets) > 1:
        return False
    _, barre, notes = build(frets)
    if barre and any(s > barre[1] for s, _ in notes) and any(s < barre[0] for s, _ in notes):
        return False  # a partial barre with fingers reaching round both ends
    fretted = [f for f in frets if f > 0]
    if fretted and max(fretted) >= 5:
        played = [i for i, f in enumerate(frets) if f >= 0]
        if any(f == 0 for i, f in enumerate(frets) if i != played[0]):
            return False
    return True


def near(a, b):
    """b is a with some strings muted, or a with one string changed."""
    if all(y == x or y < 0 for x, y in zip(a, b)):
        return True
    return sum(1 for x, y in zip(a, b) if x != y) <= 1


def score(frets, rich=False):
    """Lower is more common. Chords of four or more notes are mostly played with movable
    shapes, so their open strings cost more."""
    fretted = [f for f in frets if f > 0]
    high = max(fretted) if fretted else 0
    low = min(fretted) if fretted else 0
    stretch = high - low + 1 if fretted else 0
    n = len(played_strings(frets))
    _, barre, notes = build(frets)
    cost = 2.0 * high
    cost += 3.0 * (6 - n)
    cost += 5.0 * gaps(frets)
    cost += {4: 4.0, 3: 1.5}.get(stretch, 0.0)
    cost += 0.5 * (len(notes) + (1 if barre else 0))
    cost += 2.0 if frets[5] < 0 else 0.0  # the top string left out
    cost += awkward(frets)
    bass = max(played_strings(frets))
    cost += {4: 2.0, 3: 5.0}.get(bass, 0.0)
    if rich:
        cost += 2.0 * sum(1 for i, f in enumerate(frets) if f == 0 and 6 - i != bass)
    return cost


def position(frets):
    fretted = [f for f in frets if f > 0]
    return min(fretted) if fretted else 0


def pick(pool, count, first=None, rich=False):
    """The first voicing, then others up the neck: at most two per start fret, none much
    worse than the best, none that is only a chosen one with strings left out."""
    def cost(f):
        return score(f, rich)
    ranked = sorted(pool, key=lambda f: (cost(f), f))
    if not ranked:
        return []
    chosen = [first if first is not None else ranked[0]]
    best = min(cost(ranked[0]), cost(chosen[0]))
    per_position = {position(chosen[0]): 1}
    extra = []
    for f in ranked:
        if len(extra) + 1 >= count:
            break
        p = position(f)
        if f in chosen or per_position.get(p, 0) >= 2 or cost(f) > best + 12:
            continue
        if any(near(c, f) for c in chosen + extra):
            continue
        per_position[p] = per_position.get(p, 0) + 1
        extra.append(f)
    extra.sort(key=lambda f: (position(f), cost(f), f))
    return chosen + extra


def bass_order(ctype, root):
    """Bass notes of the inversions: the chord notes above the root in interval order, the
    third and seventh before the tensions."""
    order = sorted(ctype.intervals, key=lambda c: (DEGREE[c] > 7, DEGREE[c]))
    return [reduce(root + SEMITONES[c]) for c in order]


def limits(ctype):
    """Root-position voicings and voicings per inversion bass for a type."""
    if len(ctype.intervals) <= 3:
        return 5, 1
    return 4, 1


def chord_name(root_name, ctype, bass_pc, root_pc):
    name = root_name + ctype.symbol
    if bass_pc != root_pc:
        name += "/" + spell(root_name, bass_pc, ctype, root_pc)
    return name


def spell(root_name, pc, ctype, root_pc):
    """The spelling a chord tone takes from its degree above the root."""
    for code in ctype.intervals:
        if reduce(root_pc + SEMITONES[code]) != pc:
            continue
        sharp, flat = SHARP[pc], FLAT[pc]
        if sharp == flat:
            return sharp
        want = ("ABCDEFG".index(root_name[0]) + DEGREE[code] - 1) % 7

        def dist(name):
            d = abs("ABCDEFG".index(name[0]) - want) % 7
            return min(d, 7 - d)
        return flat if dist(flat) < dist(sharp) else sharp
    return SHARP[pc]


def chord_lines(root_name, ctype):
    root = FLAT.index(root_name) if root_name in FLAT else SHARP.index(root_name)
    pool = candidates(root, ctype)
    roots = {f for f in pool if bass_note(f) == root}
    first = FIRSTS.get((root_name, ctype.number))
    if first is not None:
        first = parse_frets(first)
        if first not in pool:
            raise SystemExit(f"{root_name} type {ctype.number}: {frets_text(first)} is not a voicing")
    n_root, n_inv = limits(ctype)
    rich = len(ctype.intervals) >= 3
    picked = pick(roots, n_root, first, rich)
    also = [parse_frets(t) for r, n, t in ALSO if r == root_name and n == ctype.number]
    for f in also:
        if f not in roots:
            raise SystemExit(f"{root_name} type {ctype.number}: {frets_text(f)} is not a voicing")
    picked = picked[:1] + [f for f in also if f not in picked] + picked[1:]
    lines = [(f, root) for f in picked]
    pinned = [parse_frets(t) for r, n, t in SLASH_FIRSTS if r == root_name and n == ctype.number]
    for bass in bass_order(ctype, root):
        inversions = {f for f in pool if bass_note(f) == bass}
        head = [f for f in pinned if bass_note(f) == bass]
        for f in head:
            if f not in pool:
                raise SystemExit(f"{root_name} type {ctype.number}: {frets_text(f)} is not a voicing")
        chosen = head + [f for f in pick(inversions - set(head), n_inv, None, rich) if f not in head]
        chosen = chosen[:max(n_inv, len(head))]
        # A slash chord is first offered with its root sounding whenever a hand can hold one.
        with_root = {f for f in inversions if root in sounding(f)}
        if with_root and not any(f in with_root for f in chosen):
            chosen += pick(with_root, 1, None, rich)
        lines += [(f, bass) for f in chosen]
    # The program offers the first fingering that fits the bass: root-less ones go last.
    lines.sort(key=lambda line: root not in sounding(line[0]))
    return [(f, chord_name(root_name, ctype, b, root)) for f, b in lines]


def main():
    types = read_types(sys.argv[1])
    out = sys.stdout
    out.write("# Trovale's shipped fingerings, compiled into POSICOES.DIG by the build.\n")
    out.write("# One fingering a line: root, chord type number (ACORDES.TIP), then the six\n")
    out.write("# strings from the low E: x not struck, 0 open, else the fret. A '#' at the\n")
    out.write("# start of a line or after a blank begins a comment. Each chord lists the voicing\n")
    out.write("# chord books show first, other root-position voicings up the neck, then the\n")
    out.write("# inversions; voicings that leave the root out come last. Made by\n")
    out.write("# tools/propose_fingerings.py; chord-book voicings are pinned there.\n")
    for ctype in types:
        out.write(f"\n# ---- {ctype.number} {ctype.name} ({ctype.symbol or 'maior'})\n")
        for root_name in ROOTS:
            for frets, name in chord_lines(root_name, ctype):
                line = f"{root_name:<3}{ctype.number:>3}   {frets_text(frets):<18}"
                out.write(f"{line}# {name}\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
