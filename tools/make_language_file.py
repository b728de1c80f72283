#!/usr/bin/env python3
"""Writes a shipped language file from its source in languages/.

    python3 tools/make_language_file.py SOURCE.txt OUTPUT.lng

The source is the language file's text in UTF-8 with LF line ends, so that it
reads and diffs like any other text. The program reads UTF-16 little-endian
code units without a byte-order mark, with CR LF line breaks, and only the
first 16,384 bytes: the output is exactly that, and a source that would not
fit is refused rather than shipped cut.
"""

import sys

LIMIT = 16384


def main(source, output):
    text = open(source, encoding="utf-8").read()
    if text.startswith("\ufeff"):
        sys.exit(f"{source}: remove the byte-order mark; it would become a character of the file")
    if "\r" in text:
        sys.exit(f"{source}: use LF line ends; they become CR LF in the shipped file")
    data = text.replace("\n", "\r\n").encode("utf-16-le")
    if len(data) > LIMIT:
        sys.exit(f"{source}: {len(data)} bytes once encoded; the program reads only the first {LIMIT}")
    with open(output, "wb") as out:
        out.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
