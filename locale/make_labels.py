"""Turns the label table (locale/labels.tsv, UTF-8) into the message
catalogue's label entries:

  OUTDIR/locale/labels.h         enum LabelId, one id per line of the table,
                                 from LABEL_FIRST_ID on, in table order;
  OUTDIR/locale/label_texts.inc  rows {id, Big5 text, English text} for the
                                 catalogue's table.

The Chinese texts become code page 950 bytes, the English ones ASCII: they
are shown on every other code page, 936 included, where only ASCII means
the same everywhere. The symbols the skins draw in English lines are
spelled out (ASCII_SPELLINGS); any other character that does not fit fails
the build, so the table cannot hold a label the chooser would garble.

Usage: make_labels.py TABLE OUTDIR"""

import os
import re
import sys

LABEL_FIRST_ID = 100
ASCII_SPELLINGS = {"\u00b7": "-", "\u21c4": "and", "\u2192": "to"}


def read_table(path):
    """[(symbol, chinese, english)] in table order."""
    rows = []
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 3 or not re.fullmatch(r"LABEL_[A-Z0-9_]+", fields[0]):
                sys.exit("%s:%d: want SYMBOL<TAB>Chinese<TAB>English" % (path, number))
            rows.append(tuple(fields))
    symbols = [row[0] for row in rows]
    if len(set(symbols)) != len(symbols):
        sys.exit("%s: a symbol is defined twice" % path)
    return rows


def english_bytes(text):
    spelled = "".join(ASCII_SPELLINGS.get(c, c) for c in text)
    try:
        return spelled.encode("ascii")
    except UnicodeEncodeError:
        sys.exit("English label %r has a character without an ASCII spelling" % text)


def c_literal(data):
    """A C string literal; octal escapes (never more than three digits) keep
    every byte exact whatever follows it."""
    out = []
    for byte in data:
        if 0x20 <= byte < 0x7F and chr(byte) not in '"\\?':
            out.append(chr(byte))
        else:
            out.append("\\%03o" % byte)
    return '"%s"' % "".join(out)


def write_if_changed(path, text):
    """Leaves an unchanged file alone, so that nothing rebuilds for nothing."""
    if os.path.exists(path):
        with open(path, encoding="ascii") as old:
            if old.read() == text:
                return
    with open(path, "w", encoding="ascii", newline="\n") as new:
        new.write(text)


def main(table_path, out_dir):
    rows = read_table(table_path)
    head = "// Generated from locale/labels.tsv by locale/make_labels.py: do not edit.\n"
    enum = ["%s#pragma once\n\n#include <windows.h>\n\nenum LabelId : WORD {" % head]
    texts = [head]
    for index, (symbol, chinese, english) in enumerate(rows):
        enum.append("  %s = %d," % (symbol, LABEL_FIRST_ID + index))
        try:
            big5 = chinese.encode("cp950")
        except UnicodeEncodeError:
            sys.exit("Chinese label %r does not fit code page 950" % chinese)
        texts.append("{%s, %s, %s}," % (symbol, c_literal(big5), c_literal(english_bytes(english))))
    enum.append("};\n")
    folder = os.path.join(out_dir, "locale")
    os.makedirs(folder, exist_ok=True)
    write_if_changed(os.path.join(folder, "labels.h"), "\n".join(enum))
    write_if_changed(os.path.join(folder, "label_texts.inc"), "\n".join(texts) + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
