#!/usr/bin/env python3
"""Writes src/glyphs/code_page_850_tables.cpp: code page 850 and the nearest
letters it has for the characters it lacks.

The glyph pictures are named by the bytes of code page 850, so every typed
character has to become such bytes, the same on every system. The tables come
from Python's own data alone, so that they do not depend on a system's
converter (glibc's, Wine's and Windows' best-fit tables all differ):

- code page 850 itself is Python's "cp850" codec (the code page as Microsoft
  publishes it);
- the nearest letters come from the Unicode Character Database as Python's
  unicodedata module carries it (its version is written into the table):
  a character's canonical decomposition with as many of its marks as the code
  page has it with (ő is o, ệ is ê),
  its compatibility decomposition (ǆ is dž, so dz; … is ...), or, for a letter
  that Unicode does not decompose, the letter its name is made from
  ("LATIN CAPITAL LETTER L WITH STROKE" is L, "LATIN SMALL LIGATURE OE" is
  oe); and a short list below for the punctuation and signs that Unicode
  relates to nothing.

Run it again after changing the rules; ./test checks that the committed table
is what it writes (make_tables.py --check).
"""

import sys
import unicodedata
from pathlib import Path

OUTPUT = Path(__file__).resolve().parents[2] / "src" / "glyphs" / "code_page_850_tables.cpp"

# The blocks whose characters get a nearest letter: Latin-1, Latin
# Extended-A and -B, the IPA letters, Latin Extended Additional (Vietnamese
# among it), General Punctuation, the currency signs, the letterlike symbols
# and number forms, and the minus sign.
BLOCKS = [
    (0x00A0, 0x024F),
    (0x0250, 0x02AF),
    (0x1E00, 0x1EFF),
    (0x2000, 0x206F),
    (0x20A0, 0x20CF),
    (0x2100, 0x218F),
    (0x2212, 0x2212),
]

# What Unicode relates to no letter: the quotes, dashes and signs that look
# like plain ones, and the signs best written out.
PLAIN_FORMS = {
    0x2010: "-", 0x2011: "-", 0x2012: "-", 0x2013: "-", 0x2014: "-", 0x2015: "-",
    0x2043: "-", 0x2212: "-",
    0x2018: "'", 0x2019: "'", 0x201B: "'", 0x2032: "'", 0x2035: "'",
    0x201A: ",",
    0x201C: '"', 0x201D: '"', 0x201E: '"', 0x201F: '"', 0x2033: '"', 0x2036: '"',
    0x2039: "<", 0x203A: ">",
    0x2022: "\u00b7", 0x2027: "\u00b7",
    0x2044: "/", 0x204E: "*", 0x2053: "~",
    0x20AC: "EUR",
    0x1E9E: "SS",
}


def code_page_850():
    """The character of each byte 128 to 255."""
    return [bytes([b]).decode("cp850") for b in range(128, 256)]


def encode(text):
    """The code page 850 bytes of `text`, or None when it has a character the code page lacks."""
    try:
        return text.encode("cp850")
    except UnicodeEncodeError:
        return None


def is_mark(ch):
    return unicodedata.category(ch).startswith("M")


def nearest(ch, depth=0):
    """The code page 850 bytes that draw `ch` best, or None."""
    direct = encode(ch)
    if direct is not None:
        return direct
    if depth > 4:
        return None
    code = ord(ch)
    if code in PLAIN_FORMS:
        return encode(PLAIN_FORMS[code])
    decomposition = unicodedata.decomposition(ch).split()
    if decomposition and not decomposition[0].startswith("<"):
        # Canonical: a letter and its marks. The letter keeps the first of
        # its marks that the code page has it with (ệ is ê, ấ is â), else it
        # loses them all.
        letter, *marks = unicodedata.normalize("NFD", ch)
        for mark in marks:
            kept = encode(unicodedata.normalize("NFC", letter + mark))
            if kept is not None and len(kept) == 1:
                return kept
        return nearest(letter, depth + 1)
    if decomposition and decomposition[0] in ("<compat>", "<noBreak>", "<super>", "<sub>",
                                              "<fraction>", "<square>", "<font>", "<small>",
                                              "<wide>", "<narrow>", "<circle>"):
        parts = [nearest(chr(int(p, 16)), depth + 1)
                 for p in decomposition[1:] if not is_mark(chr(int(p, 16)))]
        if parts and all(p is not None for p in parts):
            return b"".join(parts)
        return None
    name = unicodedata.name(ch, "")
    for kind in ("LETTER", "LIGATURE"):
        for case in ("CAPITAL", "SMALL"):
            prefix = f"LATIN {case} {kind} "
            if not name.startswith(prefix):
                continue
            rest = name[len(prefix):]
            if kind == "LETTER" and " WITH " in rest:
                base = rest.split(" WITH ")[0]
                try:
                    return nearest(unicodedata.lookup(f"LATIN {case} LETTER {base}"), depth + 1)
                except KeyError:
                    return None
            if kind == "LIGATURE" and rest.isalpha():
                return encode(rest if case == "CAPITAL" else rest.lower())
    return None


def c_string(data):
    """A C++ string literal of `data`, the bytes beyond ASCII as hexadecimal escapes."""
    text, escaped = "", False
    for b in data:
        ch = chr(b)
        if b >= 0x80 or (escaped and ch in "0123456789abcdefABCDEF"):
            text, escaped = text + f"\\x{b:02X}", True
            continue
        text, escaped = text + ("\\" + ch if ch in '"\\' else ch), False
    return '"' + text + '"'


def table_text():
    upper_half = code_page_850()
    lines = [
        "// Written by tools/code_page_850/make_tables.py from Python's cp850 codec and",
        f"// the Unicode Character Database {unicodedata.unidata_version}; do not edit by hand.",
        "",
        '#include "glyphs/code_page_850_tables.h"',
        "",
        "namespace glyphrig {",
        "",
        "// clang-format off",
        "const std::array<char32_t, 128> kCodePage850UpperHalf = {",
    ]
    for row in range(0, 128, 8):
        lines.append("    " + " ".join(f"0x{ord(c):04X}," for c in upper_half[row:row + 8]))
    lines += ["};", "", "namespace {", "", "constexpr nearest_letters kTable[] = {"]
    count = 0
    for first, last in BLOCKS:
        for code in range(first, last + 1):
            ch = chr(code)
            if encode(ch) is not None or unicodedata.category(ch) == "Cn":
                continue
            drawn = nearest(ch)
            if drawn is None:
                continue
            name = unicodedata.name(ch, "").lower()
            lines.append(f"    {{0x{code:04X}, {c_string(drawn)}}},  // {name}")
            count += 1
    lines += ["};", "", "}  // namespace", "", "// clang-format on", "",
              "const std::span<const nearest_letters> kNearestLetters = kTable;", "",
              "}  // namespace glyphrig", ""]
    return "\n".join(lines), count


def main():
    text, count = table_text()
    if sys.argv[1:] == ["--check"]:
        if OUTPUT.read_text() != text:
            sys.exit(f"{OUTPUT} is not what make_tables.py writes: run it again")
        return
    OUTPUT.write_text(text)
    print(f"{OUTPUT}: code page 850 and {count} nearest letters")


if __name__ == "__main__":
    main()
