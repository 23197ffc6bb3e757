#!/usr/bin/env python3
"""Checks that the source folders depend on each other one way only.

Each folder of the program is a library of CMakeLists.txt (scripts/
sourcetree.py reads them). A source may include the headers of its own folder
and of the folders of the libraries that its library links, directly or
through another, never a header of any other folder of the tree; and a source
of a library that links no Qt module, directly or through another, includes
no Qt header. The include directories are shared, so a header could be used
without linking its library: this check catches it. It also fails on a folder
that holds sources but is no library's, and on libraries that link each other
round in a circle, since neither is then below the other.

An include is taken in quotes or in angle brackets alike, its path resolved
as the compiler does (beside the including file first for quotes, then from
the top of the tree). A header outside the tree is a Qt header when it is
named as Qt names its headers: a class header (`QString`), a module folder
(`QtCore/...`) or a lower-case one (`qstring.h`).

Usage: check-layers.py [TOP]   (TOP defaults to the repository). Exit 1 and
one line per fault when anything breaks the layering.
"""

import posixpath
import re
import sys

sys.dont_write_bytecode = True  # no cache of sourcetree beside the scripts
import sourcetree  # noqa: E402

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]*)[>"]')
QT_HEADER = re.compile(r"^(Qt\w*/.*|Q\w*(\.h)?|q\w*\.h)$")


def included_folder(top, relative, quoted, target):
    """The folder of the tree that holds an included header, "." for its
    top, or None for a header from outside the tree."""
    candidates = [posixpath.join(relative.parent.as_posix(), target)] if quoted else []
    candidates.append(target)
    for candidate in candidates:
        normal = posixpath.normpath(candidate)
        if not normal.startswith("..") and (top / normal).is_file():
            return posixpath.dirname(normal) or "."
    folder = posixpath.dirname(posixpath.normpath(target))
    return folder if folder and not folder.startswith("..") and (top / folder).is_dir() else None


def library_faults(build):
    faults = []
    for name in sorted(build.libraries):
        if name in build.below(name):
            faults.append("CMakeLists.txt: %s links itself through the libraries it links" % name)
    return faults


def include_faults(top, path, relative, library, allowed, qt):
    faults = []
    lines = path.read_text(encoding="latin-1").split("\n")
    for number, line in enumerate(lines, 1):
        include = INCLUDE.match(line)
        if not include:
            continue
        quoted, target = include.group(1) == '"', include.group(2).strip()
        folder = included_folder(top, relative, quoted, target)
        if folder is not None and folder not in allowed:
            faults.append(
                "%s:%d: %s includes %s/, which %s (%s) does not link"
                % (relative, number, line.strip(), folder, library.name, library.folder)
            )
        elif folder is None and not qt and QT_HEADER.match(target):
            faults.append(
                "%s:%d: %s includes Qt, which %s does not link" % (relative, number, line.strip(), library.name)
            )
    return faults


def layering_faults(top):
    build = sourcetree.Build(top)
    faults = library_faults(build)
    unknown = set()
    # By library: the folders its sources may include, and whether it uses Qt.
    reach = {
        name: ({library.folder} | {build.libraries[n].folder for n in build.below(name)}, build.uses_qt(name))
        for name, library in build.libraries.items()
    }
    for path, relative in sourcetree.program_sources(top, build):
        folder = sourcetree.folder_of(relative)
        library = build.by_folder.get(folder)
        if library is None:
            if folder not in unknown:
                unknown.add(folder)
                faults.append(
                    "%s/: holds sources, but no library of CMakeLists.txt is built from it"
                    " (give it a qora_library linked to the libraries it uses)" % folder
                )
            continue
        allowed, qt = reach[library.name]
        faults += include_faults(top, path, relative, library, allowed, qt)
    return faults


if __name__ == "__main__":
    sys.exit(
        sourcetree.run_check(
            layering_faults,
            'check-layers: these break the layering (docs/design.md, "Folders and libraries")',
            "check-layers: every folder includes only itself and the folders of the libraries it links",
        )
    )
