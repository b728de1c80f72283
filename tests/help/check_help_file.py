#!/usr/bin/env python3
"""Reads the compiled help file back and checks that it holds what the program and its users rely on.

    check_help_file.py EXTRACT_CHMLIB ORVELLE.CHM HELP_SOURCE_DIR

- every file the project lists under [FILES] is inside, byte for byte as in the sources;
- every page linked from a page, and every picture a page shows, is inside;
- the contents and index files are inside, and name only pages that exist;
- the topic "2F_Help.htm" carries the anchor "About", which the about window opens.
"""

import re
import subprocess
import sys
import tempfile
from pathlib import Path


def project_files(hhp):
    files, section = [], None
    for line in hhp.read_text(encoding="latin-1").splitlines():
        line = line.strip()
        if line.startswith("["):
            section = line
        elif section == "[FILES]" and line:
            files.append(line.replace("\\", "/"))
    return files


def main(extractor, chm, source):
    source = Path(source)
    problems = []
    with tempfile.TemporaryDirectory() as out:
        result = subprocess.run([extractor, chm, out], capture_output=True, text=True)
        if result.returncode != 0:
            sys.exit(f"{extractor} failed: {result.stderr or result.stdout}")
        inside = {p.relative_to(out).as_posix().lower(): p for p in Path(out).rglob("*") if p.is_file()}

        listed = project_files(source / "Orvelle.hhp")
        if not listed:
            problems.append("the project lists no files")
        for name in listed:
            got = inside.get(name.lower())
            if got is None:
                problems.append(f"{name} is missing")
            elif got.read_bytes() != (source / name).read_bytes():
                problems.append(f"{name} differs from its source")

        for name in ("Orvelle.hhc", "Orvelle.hhk"):
            if name.lower() not in inside:
                problems.append(f"{name} is missing")

        pages = [n for n in inside if n.endswith((".htm", ".html", ".hhc", ".hhk"))]
        for page in pages:
            text = inside[page].read_text(encoding="utf-8", errors="replace")
            base = Path(page).parent
            for target in re.findall(r'(?:href|src|value)\s*=\s*"([^"#:]+)(?:#[^"]*)?"', text, re.I):
                if target.lower().endswith((".htm", ".html", ".bmp", ".png", ".gif", ".jpg", ".css")):
                    resolved = (base / target).as_posix().lower().lstrip("./")
                    if resolved not in inside:
                        problems.append(f"{page} refers to {target}, which is not inside")

        about = inside.get("2f_help.htm")
        if about is None:
            problems.append("the topic 2F_Help.htm is missing")
        elif not re.search(r'<a\s+[^>]*name\s*=\s*"?About"?', about.read_text(encoding="utf-8", errors="replace"), re.I):
            problems.append("2F_Help.htm has no anchor named About")

    if problems:
        sys.exit("The help file is incomplete:\n  " + "\n  ".join(problems))
    print(f"{len(listed)} listed files, {len(pages)} pages, all present; 2F_Help.htm#About found")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
