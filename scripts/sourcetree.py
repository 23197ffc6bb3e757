"""What the build makes of the source tree, for the checks that read it.

The libraries come from CMakeLists.txt: each `qora_library(NAME FOLDER)` is
built from the sources of FOLDER, and `target_link_libraries` says which
libraries and Qt modules it links. The program's sources are the C++ files of
the tree outside the folders that the build adds as projects of their own
(`add_subdirectory`: the tests and the benchmarks), outside the folders that
.gitignore leaves out at the top (the build folders) and outside hidden ones.
"""

import fnmatch
import os
import pathlib
import re
import sys

SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc", ".cxx"}
HEADER_SUFFIXES = {".h", ".hpp"}
QT_TARGET = re.compile(r"^Qt\d*::")
LINK_SCOPES = {"PUBLIC", "PRIVATE", "INTERFACE"}


class Library:
    def __init__(self, name, folder):
        self.name = name
        self.folder = folder
        self.links = []  # the program's libraries it links itself
        self.links_qt = False  # whether it links a Qt module itself


class Build:
    """The libraries of CMakeLists.txt and the folders it adds as projects."""

    def __init__(self, top):
        cmake = top / "CMakeLists.txt"
        if not cmake.is_file():
            raise SystemExit("%s: no CMakeLists.txt, so the libraries are unknown" % top)
        self.libraries = {}
        self.subprojects = set()
        links = []
        for command, arguments in cmake_commands(cmake.read_text(encoding="latin-1")):
            if command == "qora_library" and len(arguments) >= 2:
                self.libraries[arguments[0]] = Library(arguments[0], arguments[1].strip("/"))
            elif command == "target_link_libraries" and arguments:
                links.append(arguments)
            elif command == "add_subdirectory" and arguments:
                self.subprojects.add(arguments[0].strip("/"))
        for target, *items in links:
            library = self.libraries.get(target)
            for item in items if library else []:
                if item in self.libraries:
                    library.links.append(item)
                elif QT_TARGET.match(item):
                    library.links_qt = True
        self.by_folder = {library.folder: library for library in self.libraries.values()}

    def below(self, name, seen=None):
        """The names of every library that the named one links, directly or
        through another; a library found again on the way is a cycle and
        comes back in the set too, so that a caller can tell."""
        seen = set() if seen is None else seen
        for linked in self.libraries[name].links:
            if linked not in seen:
                seen.add(linked)
                self.below(linked, seen)
        return seen

    def uses_qt(self, name):
        return any(self.libraries[n].links_qt for n in self.below(name) | {name})


def cmake_commands(text):
    """(command, arguments) of each command of a CMake file, comments left out."""
    text = re.sub(r"#[^\n]*", "", text)
    for match in re.finditer(r"\b(\w+)\s*\(((?:[^()]|\([^()]*\))*)\)", text):
        yield match.group(1).lower(), [a.strip('"') for a in match.group(2).split() if a not in LINK_SCOPES]


def ignored_folders(top):
    """The patterns of the top-level folders that .gitignore leaves out."""
    gitignore = top / ".gitignore"
    if not gitignore.is_file():
        return []
    patterns = []
    for line in gitignore.read_text(encoding="latin-1").splitlines():
        folder = re.fullmatch(r"/?([^/#!\s]+)/", line.strip())
        if folder:
            patterns.append(folder.group(1))
    return patterns


def program_sources(top, build):
    """(path, path relative to top) of each source file of the program."""
    ignored = ignored_folders(top)
    for folder, subfolders, files in os.walk(top):
        relative_folder = pathlib.Path(folder).relative_to(top)
        subfolders[:] = sorted(
            name
            for name in subfolders
            if not name.startswith(".")
            and (relative_folder / name).as_posix() not in build.subprojects
            and not (relative_folder == pathlib.Path(".") and any(fnmatch.fnmatch(name, p) for p in ignored))
        )
        for name in sorted(files):
            if pathlib.PurePath(name).suffix in SOURCE_SUFFIXES and not name.startswith("."):
                yield pathlib.Path(folder) / name, relative_folder / name


def folder_of(relative):
    """A source's folder as CMakeLists.txt names it ("." for the top)."""
    return relative.parent.as_posix()


def run_check(find_faults, advice, all_clear):
    """Runs a check on the tree named on the command line (the repository
    when none is): prints each fault, then the advice, and gives the exit
    status, 1 when there is a fault."""
    top = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    faults = find_faults(top)
    for fault in faults:
        print(fault)
    if faults:
        print(advice, file=sys.stderr)
        return 1
    print(all_clear)
    return 0
