#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed corpus: each file is a pattern, U+0000, then a text, in UTF-16LE, where a
U+0000 inside the text starts a run (see fuzz/check.h)."""
import os
import struct

HIGH, LOW = 0xD800, 0xDC00  # unpaired surrogates, which Python strings cannot hold directly

SEEDS = {
    "literal": ("Fe", "fe"),
    "contains": ("*Fe*", "iron Fe here"),
    "question": ("?e", "Fe"),
    "question-pair": ("?", "\U00010400"),
    "hash": ("a#", "a7"),
    "hash-arabic-digit": ("#", "\u0667"),
    "stars": ("**?**", "ab"),
    "arabic": ("*دروج*", "هيدروجين"),
    "group": ("[abc]", "b"),
    "group-negated": ("[!abc]", "d"),
    "group-ranges": ("[!a-cx-z]", "Y"),
    "group-dash": ("[-a]", "-"),
    "group-empty": ("[]", "a"),
    "group-negated-empty": ("[!]", "a"),
    "group-wildcards": ("[*?#]", "*"),
    "range-case": ("[a-z]", "Q"),
    "range-dotless-i": ("[A-Z]", "\u0131"),
    "group-final-sigma": ("[\u03c2]", "\u03a3"),
    "group-kelvin": ("[\u212a]", "k"),
    "group-long-s": ("[\u017f]", "s"),
    "group-sharp-s": ("[\u1e9e]", "\u00df"),
    "group-digraph": ("[\u01c5]", "\u01c4"),
    "group-micro": ("[\u00b5]", "\u03bc"),
    "group-deseret": ("[\U00010428]", "\U00010400"),
    "malformed-open": ("*[*", "abc"),
    "malformed-reversed": ("[z-a]", "a"),
    "malformed-after-match": ("x*[z-a]", "xyz"),
    "pathological-stars": ("*a" * 10 + "*b", "a" * 10000),
    "pathological-star-run": ("*" * 2000 + "b", "a" * 2000),
    "long-text": ("*Hs*", "الكتلة الحجمية " * 700),
    "long-pattern": ("*" + "الكتلة " * 400 + "*", "الكتلة"),
    "long-prose": ("*[x-z]y*", "the quick brown fox jumps over a lazy dog " * 200),
}

# Seeds with unpaired surrogates, as lists of UTF-16 units.
def units(text):
    return list(struct.unpack("<%dH" % (len(text.encode("utf-16-le")) // 2), text.encode("utf-16-le")))

RAW = {
    "surrogates-differ": ([HIGH], [LOW]),
    "surrogate-not-replacement": ([HIGH], [0xFFFD]),
    "surrogate-itself": ([LOW], [LOW]),
    "surrogate-range": (units("[") + [HIGH, ord("-"), LOW] + units("]"), [LOW]),
    "surrogate-range-reversed": (units("[\ufffd-") + [LOW] + units("]"), []),
    "surrogate-before-pair": (units("*") + [HIGH], [HIGH] + units("\U00010400")),
}


def run(count, body):
    """The units of a run: the body stands count times in the text."""
    return [0, count] + units(body)


# Seeds with long texts written as runs, which keeps them within the fuzzer's -max_len. The
# longest texts above are written out: a run stops at fewer units (MaxRunText in fuzz/check.h).
LONG = {
    "long-text-pair-absent": ("*AB*", run(2000, "ba ")),
    "long-text-late-match": ("*ab", run(6000, "x") + run(1, "ab")),
    "long-text-late-pair": ("x*b?", run(6000, "a") + run(1, "xxbB")),
    # 4,096 units, the shortest text with presence tables, and one unit fewer.
    "long-text-shortest": ("*aB", run(4094, "x") + run(1, "Ab")),
    "long-text-below-tables": ("*aB", run(4093, "x") + run(1, "Ab")),
}


def write(path, pattern_units, text_units):
    with open(path, "wb") as f:
        f.write(struct.pack("<%dH" % (len(pattern_units) + 1 + len(text_units)),
                            *pattern_units, 0, *text_units))


def main():
    corpus = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    os.makedirs(corpus, exist_ok=True)
    for name, (pattern, text) in SEEDS.items():
        write(os.path.join(corpus, name), units(pattern), units(text))
    for name, (pattern, text) in RAW.items():
        write(os.path.join(corpus, name), pattern, text)
    for name, (pattern, text) in LONG.items():
        write(os.path.join(corpus, name), units(pattern), text)


if __name__ == "__main__":
    main()
