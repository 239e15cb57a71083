"""Shared by the generator scripts in tools/: writes their outputs, touching only the
files whose content changed, or with --check only lists the files that are out of date."""

import os
import sys


def main(root, outputs, after_writing=None):
    """`outputs` yields (absolute path, text).  Returns the process exit code: with --check
    1 when a file is out of date, else 0.  `after_writing` runs after a normal write."""
    check = "--check" in sys.argv[1:]
    stale = []
    for path, content in outputs:
        data = content.encode("utf-8")
        old = None
        if os.path.exists(path):
            with open(path, "rb") as f:
                old = f.read()
        if old == data:
            continue
        stale.append(os.path.relpath(path, root))
        if not check:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
    if check:
        for path in stale:
            print("out of date: " + path)
        return 1 if stale else 0
    for path in stale:
        print("wrote " + path)
    if after_writing:
        after_writing()
    return 0


def qrc(prefix, folder, names):
    """A Qt resource list of the files `names` in `folder` (relative to the .qrc), each
    reachable under `prefix` by its bare name."""
    lines = ["<RCC>", '    <qresource prefix="%s">' % prefix]
    lines += ['        <file alias="%s">%s/%s</file>' % (name, folder, name) for name in names]
    lines += ["    </qresource>", "</RCC>"]
    return "\n".join(lines) + "\n"
