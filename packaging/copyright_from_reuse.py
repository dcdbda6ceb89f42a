#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pokurimo developers
# SPDX-License-Identifier: MIT
"""Writes the Debian copyright file (DEP-5) from the tree's REUSE information.

    copyright_from_reuse.py <source root> <output file>

Reads `reuse spdx` (every file's licence and copyright lines, whether they come
from its own SPDX header, a .license file or .reuse/dep5), groups the files
that share both, and appends the full text of every licence from LICENSES/.
The largest group becomes `Files: *`; the others follow it, so they win.
"""

import re
import subprocess
import sys
from collections import defaultdict
from pathlib import Path

# DEP-5 names where they differ from SPDX: Debian calls the MIT licence Expat.
DEP5_NAMES = {"MIT": "Expat"}
FORMAT = "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"


def spdx_document(root):
    try:
        result = subprocess.run(["reuse", "--root", str(root), "spdx"], check=True,
                                capture_output=True, text=True)
    except FileNotFoundError:
        sys.exit("copyright_from_reuse: `reuse` is not installed (make deps installs it)")
    except subprocess.CalledProcessError as error:
        sys.exit(f"copyright_from_reuse: reuse spdx failed:\n{error.stderr}")
    return result.stdout


def text_value(lines, i):
    """The value starting on line i, which may be a multi-line <text>...</text>."""
    value = lines[i].split(":", 1)[1].strip()
    if not value.startswith("<text>"):
        return value, i
    value = value[len("<text>"):]
    while "</text>" not in value:
        i += 1
        value += "\n" + lines[i]
    return value[:value.index("</text>")], i


def clean_holder(line):
    line = re.sub(r"^(SPDX-FileCopyrightText:|Copyright)\s*", "", line.strip())
    return re.sub(r"^(\(c\)|©)\s*", "", line, flags=re.IGNORECASE).strip()


def parse_files(document):
    """{path: (licences, holders)} for every file reuse describes."""
    files, path = {}, None
    lines = document.splitlines()
    i = 0
    while i < len(lines):
        key = lines[i].split(":", 1)[0]
        if key == "FileName":
            path = lines[i].split(":", 1)[1].strip().removeprefix("./")
            files[path] = (set(), set())
        elif path and key == "LicenseInfoInFile":
            value, i = text_value(lines, i)
            if value not in ("NONE", "NOASSERTION"):
                files[path][0].add(value)
        elif path and key == "FileCopyrightText":
            value, i = text_value(lines, i)
            if value not in ("NONE", "NOASSERTION"):
                files[path][1].update(filter(None, map(clean_holder, value.splitlines())))
        i += 1
    return files


def dep5_licence(spdx_ids):
    return " and ".join(DEP5_NAMES.get(i, i) for i in sorted(spdx_ids))


def licence_text(root, spdx_id):
    text = (root / "LICENSES" / f"{spdx_id}.txt").read_text(encoding="utf-8")
    return "\n".join(" " + line if line.strip() else " ." for line in text.strip().splitlines())


def field(name, values):
    return f"{name}: " + "\n ".join(values)


def render(root, files):
    unlicensed = sorted(p for p, (licences, holders) in files.items() if not licences or not holders)
    if unlicensed:
        sys.exit("copyright_from_reuse: no licence or copyright for: " + ", ".join(unlicensed)
                 + " (run `reuse lint`)")
    groups = defaultdict(list)
    for path, (licences, holders) in files.items():
        groups[(tuple(sorted(holders)), tuple(sorted(licences)))].append(path)
    ordered = sorted(groups.items(), key=lambda item: (-len(item[1]), item[0]))
    out = [f"Format: {FORMAT}", "Upstream-Name: Pokurimo", ""]
    for n, ((holders, licences), paths) in enumerate(ordered):
        out += [field("Files", ["*"] if n == 0 else sorted(paths)),
                field("Copyright", holders), f"License: {dep5_licence(licences)}", ""]
    used = sorted({spdx_id for (_, licences) in groups for spdx_id in licences})
    for spdx_id in used:
        out += [f"License: {DEP5_NAMES.get(spdx_id, spdx_id)}", licence_text(root, spdx_id), ""]
    return "\n".join(out[:-1]) + "\n"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    root = Path(sys.argv[1]).resolve()
    output = Path(sys.argv[2])
    output.parent.mkdir(parents=True, exist_ok=True)
    output.write_text(render(root, parse_files(spdx_document(root))), encoding="utf-8")


if __name__ == "__main__":
    main()
