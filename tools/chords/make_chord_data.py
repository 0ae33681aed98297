#!/usr/bin/env python3
"""Writes the chord library chords/ChordData.txt.

Every chord of a group is taken from the group's usual open voicing when the
root has one, else from the movable shape that lies lowest on the neck, the root in the bass
where a shape allows it. Shapes
are written low E string first (as a guitarist reads a chord box) with frets
relative to the shape's position r; None is a string not played. A barre is
laid at the lowest fret whenever more than four strings are pressed, and the
description of a barre chord ends in ", barre", with shorter words where the
usual ones leave no room for it in the 20 columns.

Run: python3 tools/chords/make_chord_data.py > chords/ChordData.txt
"""

import sys

ROOTS = ["C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"]
OPEN_PITCH = [4, 9, 2, 7, 11, 4]  # low E, A, D, G, B, high E
X = None

# group, chord name suffix, words for the description (with the shorter words
# a barre chord falls back to), open voicings by root (low E first), movable
# shapes.
GROUPS = [
    ("Major", "", "major",
     {"C": "x32010", "D": "xx0232", "E": "022100", "G": "320003", "A": "x02220"},
     [(0, 2, 2, 1, 0, 0), (X, 0, 2, 2, 2, 0)]),
    ("Minor", "m", "minor",
     {"D": "xx0231", "E": "022000", "A": "x02210"},
     [(0, 2, 2, 0, 0, 0), (X, 0, 2, 2, 1, 0)]),
    ("7", "7", "seventh",
     {"C": "x32310", "D": "xx0212", "E": "020100", "G": "320001", "A": "x02020",
      "B": "x21202"},
     [(0, 2, 0, 1, 0, 0), (X, 0, 2, 0, 2, 0)]),
    ("Maj7", "maj7", ("major seventh", "major 7th"),
     {"C": "x32000", "D": "xx0222", "E": "021100", "F": "xx3210", "G": "320002",
      "A": "x02120"},
     [(0, X, 1, 1, 0, X), (X, 0, 2, 1, 2, 0)]),
    ("m7", "m7", ("minor seventh", "minor 7th"),
     {"D": "xx0211", "E": "020000", "A": "x02010"},
     [(0, 2, 0, 0, 0, 0), (X, 0, 2, 0, 1, 0)]),
    ("sus2", "sus2", ("suspended 2nd", "sus2"),
     {"D": "xx0230", "A": "x02200"},
     [(X, 0, 2, 2, 0, 0), (X, X, 0, 2, 3, 0)]),
    ("sus4", "sus4", ("suspended 4th", "sus4"),
     {"D": "xx0233", "E": "022200", "A": "x02230"},
     [(0, 2, 2, 2, 0, 0), (X, 0, 2, 2, 3, 0)]),
    ("7sus4", "7sus4", ("7th suspended 4th", "7sus4"),
     {"D": "xx0213", "E": "020200", "A": "x02030"},
     [(0, 2, 0, 2, 0, 0), (X, 0, 2, 0, 3, 0)]),
    ("6", "6", "sixth",
     {"C": "x32210", "D": "xx0202", "E": "022120", "G": "320000", "A": "x02222"},
     [(0, X, -1, 1, 0, X), (X, 0, 2, -1, 2, X)]),
    ("m6", "m6", "minor sixth",
     {"D": "xx0201", "E": "022020", "A": "x02212"},
     [(0, X, -1, 0, 0, X), (X, 0, 2, -1, 1, X)]),
    ("9", "9", "ninth",
     {"E": "020132", "G": "3x0201", "A": "x02423"},
     [(0, 2, 0, 1, 0, 2), (X, 0, -1, 0, 0, X)]),
    ("add9", "add9", "added ninth",
     {"C": "x32033", "E": "024100", "G": "320203", "A": "x02420"},
     [(X, 0, -1, -3, 0, X), (X, X, 0, -1, -2, 0)]),
    ("dim", "dim", "diminished",
     {"D": "xx0131"},
     [(0, 1, 2, 0, X, X), (X, 0, 1, 2, 1, X), (X, X, 0, 1, 3, 1)]),
    ("dim7", "dim7", "diminished 7th",
     {"D": "xx0101", "E": "012020", "A": "x01212"},
     [(X, X, 0, 1, 0, 1), (X, 0, 1, -1, 1, X), (0, X, -1, 0, -1, X)]),
    ("m7b5", "m7b5", "half-diminished",
     {"D": "xx0111", "E": "012030", "A": "x01013"},
     [(X, 0, 1, 0, 1, X), (0, X, 0, 0, -1, X)]),
    ("aug", "aug", "augmented",
     {"C": "x3211x", "D": "xx0332", "E": "032110", "G": "321003", "A": "x03221",
      "Bb": "x10332"},
     [(X, 0, -1, -2, -2, X), (0, X, 2, 1, 1, X), (X, X, 0, 3, 3, 2)]),
    ("5", "5", "power chord",
     {"E": "022xxx", "A": "x022xx"},
     [(0, 2, 2, X, X, X), (X, 0, 2, 2, X, X)]),
]

# Slash chords, in group "Slash": the chord's group and root, the bass note,
# the voicing (low E first). The bass is the lowest string played and only the
# chord's notes sound above it.
SLASH = [
    ("Major", "C", "E", "032010"), ("Major", "C", "G", "332010"),
    ("Major", "D", "F#", "2x0232"), ("Major", "D", "A", "x00232"),
    ("Major", "E", "G#", "4x2100"), ("Minor", "E", "D", "xx0000"),
    ("Major", "F", "C", "x33211"), ("Major", "G", "B", "x20003"),
    ("Major", "G", "D", "xx0003"), ("Major", "A", "E", "002220"),
    ("Minor", "A", "E", "002210"), ("Minor", "A", "G", "302210"),
]

INTERVALS = {
    "Major": {0, 4, 7}, "Minor": {0, 3, 7}, "7": {0, 4, 7, 10}, "Maj7": {0, 4, 7, 11},
    "m7": {0, 3, 7, 10}, "sus2": {0, 2, 7}, "sus4": {0, 5, 7}, "7sus4": {0, 5, 7, 10},
    "6": {0, 4, 7, 9}, "m6": {0, 3, 7, 9}, "9": {0, 4, 7, 10, 2}, "add9": {0, 4, 7, 2},
    "dim": {0, 3, 6}, "dim7": {0, 3, 6, 9}, "m7b5": {0, 3, 6, 10}, "aug": {0, 4, 8},
    "5": {0, 7},
}

# The chords a beginner learns first: (group, root).
FAVOURITES = [
    ("Major", "C"), ("Major", "D"), ("Major", "E"), ("Major", "F"), ("Major", "G"),
    ("Major", "A"), ("Minor", "D"), ("Minor", "E"), ("Minor", "A"), ("Minor", "B"),
    ("7", "C"), ("7", "D"), ("7", "E"), ("7", "G"), ("7", "A"), ("7", "B"),
    ("Maj7", "C"), ("Maj7", "F"), ("m7", "E"), ("m7", "A"), ("sus2", "D"), ("sus2", "A"),
    ("sus4", "D"), ("add9", "C"),
]


def note(name):
    """Pitch class of a note name with an optional sharp or flat."""
    return (ROOTS.index(name[0]) + name[1:].count("#") - name[1:].count("b")) % 12


def parse_box(box):
    return [None if c == "x" else int(c) for c in box]


def pitch_classes(frets):
    return {(OPEN_PITCH[i] + f) % 12 for i, f in enumerate(frets) if f is not None}


def fits(frets, group, root):
    wanted = {(root + i) % 12 for i in INTERVALS[group]}
    have = pitch_classes(frets)
    return root in have and have <= wanted and wanted - have <= {(root + 7) % 12}


def fits_over(frets, group, root, bass):
    """The lowest string played sounds the bass, the strings above it the chord."""
    lowest = next(i for i, f in enumerate(frets) if f is not None)
    above = [None] * (lowest + 1) + frets[lowest + 1:]
    notes = {(root + i) % 12 for i in INTERVALS[group]}
    return ((OPEN_PITCH[lowest] + frets[lowest]) % 12 == bass
            and pitch_classes(above) <= notes
            and fits(frets if bass in notes else above, group, root))


def barre_of(frets):
    """(from, to, fret) in string numbers 1 = high E, or None."""
    pressed = [(i, f) for i, f in enumerate(frets) if f]
    if len(pressed) <= 4:
        return None
    low = min(f for _, f in pressed)
    at_low = [i for i, f in pressed if f == low]
    first, last = min(at_low), max(at_low)
    if any(not frets[i] for i in range(first, last + 1)):
        return None
    return (6 - last, 6 - first, low)


def playable(frets):
    pressed = [f for f in frets if f]
    if not pressed:
        return True
    if min(pressed) < 1 or max(pressed) > 12 or max(pressed) - min(pressed) > 3:
        return False
    barre = barre_of(frets)
    if barre is None:
        return len(pressed) <= 4
    covered = sum(1 for i, f in enumerate(frets)
                  if f == barre[2] and 6 - barre[1] <= i <= 6 - barre[0])
    return 1 + len(pressed) - covered <= 4


def voicing(group, suffix, opens, shapes, root_name):
    root = ROOTS.index(root_name)
    if root_name in opens:
        frets = parse_box(opens[root_name])
        assert fits(frets, group, root) and playable(frets), (group, root_name)
        return frets
    best = None
    for shape in shapes:
        for r in range(1, 13):
            frets = [None if o is None else r + o for o in shape]
            if fits(frets, group, root) and playable(frets):
                bass = next(f + OPEN_PITCH[i] for i, f in enumerate(frets) if f is not None)
                key = (bass % 12 != root, max(f for f in frets if f is not None),
                       min(f for f in frets if f))
                if best is None or key < best[0]:
                    best = (key, frets)
    assert best is not None, (group, root_name)
    return best[1]


def chord_line(marker, number, group, name, frets, description):
    barre = barre_of(frets) or (0, 0, 0)
    text = "".join(f"{-1 if f is None else f:02d} " for f in reversed(frets))
    line = (f"{marker} {number:04d} {group:<10} {name:<10} {text}{description:<20} "
            f"{barre[0]} {barre[1]} {barre[2]:02d}" + " 00" * 6)
    assert len(line) == 93, line
    return line


def describe(frets, text, shorter):
    """The text for a chord; a barre chord's ends in ", barre", on the shorter
    text when the usual one leaves no room for it."""
    if not barre_of(frets):
        return text
    if len(text) + len(", barre") > 20:
        text = shorter
    assert len(text) + len(", barre") <= 20, text
    return text + ", barre"


def main():
    out = [
        "# Kordelix chord library. Only lines beginning !C (chords) or !F (favourites)",
        "# are read; every other line, like these, is skipped.",
        "# Columns: 1-2 marker, 4-7 number, 9-18 group, 20-29 name, then the frets of",
        "# the strings high E, B, G, D, A, low E in columns 31-32 ... 46-47 (-1 = not",
        "# played, 0 = open), 49-68 description, 70 and 72 the first and last string",
        "# under the barre, 74-75 the barre's fret (00 = no barre), 77-93 spare.",
    ]
    chords = {}
    words_of = {}
    number = 0
    for group, suffix, words, opens, shapes in GROUPS:
        usual, short = (words, words) if isinstance(words, str) else words
        words_of[group] = usual
        out.append("")
        for root_name in ROOTS:
            name = root_name + suffix
            frets = voicing(group, suffix, opens, shapes, root_name)
            description = describe(frets, f"{root_name} {usual}", f"{root_name} {short}")
            chords[(group, root_name)] = (name, frets, description)
            number += 1
            out.append(chord_line("!C", number, group, name, frets, description))
    out.append("")
    for group, root_name, bass, box in SLASH:
        frets = parse_box(box)
        assert fits_over(frets, group, ROOTS.index(root_name), note(bass)), (root_name, bass)
        assert playable(frets), (root_name, bass)
        chord = chords[(group, root_name)][0]
        description = describe(frets, f"{root_name} {words_of[group]} over {bass}",
                               f"{chord} over {bass}")
        number += 1
        out.append(chord_line("!C", number, "Slash", f"{chord}/{bass}", frets, description))
    out.append("")
    out.append("# Favourites")
    for number, key in enumerate(FAVOURITES, start=1):
        name, frets, description = chords[key]
        out.append(chord_line("!F", number, key[0], name, frets, description))
    sys.stdout.buffer.write(("\r\n".join(out) + "\r\n").encode("ascii"))


main()
