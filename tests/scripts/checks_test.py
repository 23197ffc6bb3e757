#!/usr/bin/env python3
"""Runs the checks of scripts/ on small source trees: a clean one, which both
pass, and one broken on purpose for each fault a check must catch, which that
check must fail, naming the fault."""

import pathlib
import subprocess
import sys
import tempfile
import unittest

SCRIPTS = pathlib.Path(__file__).resolve().parents[2] / "scripts"
LAYERS = "check-layers.py"
RESETS = "check-resets.py"

CLEAN_TREE = {
    "CMakeLists.txt": """
# Libraries, each from its folder; a comment naming qora_library(qora_x x) is no library.
qora_library(qora_base base)
target_link_libraries(qora_base PUBLIC Threads::Threads)
qora_library(qora_core core)
target_link_libraries(qora_core PUBLIC qora_base)
qora_library(qora_core_texts core/texts)
target_link_libraries(qora_core_texts PUBLIC qora_core)
qora_library(qora_base_qt base/qt)
target_link_libraries(qora_base_qt PUBLIC qora_base Qt6::Widgets)
qora_library(qora_window window)
target_link_libraries(qora_window PUBLIC qora_core_texts qora_base_qt)
add_executable(tool core/tool_main.cpp)
add_subdirectory(tests)
""",
    ".gitignore": "/build*/\n",
    "build-debug/Generated.cpp": "int Generated = 0;\n",
    "tests/Support.h": '#include <QString>\n#include "window/Window.h"\nstatic int TestCount = 0;\n',
    "base/ProgramState.h": "#pragma once\nclass ProgramStateReset;\n",
    "base/Files.h": "#pragma once\n#include <string>\nextern int OpenFiles;\nstatic const int Few = 2;\n",
    "base/Files.cpp": """#include "base/Files.h"
#include <sys/stat.h>
#include <queue>
#include "ProgramState.h"
int OpenFiles = 0;
std::string HomeFolder;  // no-reset: read from the environment at start-up
// no-reset: the names given so far stay given
int NamesGiven = 0;
std::mutex FilesLock;
constexpr int Limit = 3;
const char* const Names[] = {"a"};
extern "C" { int Flags = 0; }
namespace {
std::vector<int> table;
int generation = 0;
struct Cache { static constexpr int Size = 4; int Items[Size]; void Clear() {} };
Cache& SharedCache() { static Cache cache; return cache; }
int Counter(bool restart) { static int count = 0; if (restart) count = 0; return ++count; }
void ResetFiles() {
    OpenFiles = 0;
    table.clear();
    generation += 0;
    SharedCache().Clear();
    Counter(true);
}
const ProgramStateReset registerResetFiles(ResetFiles);
ProgramStateReset registerResetFlags([] { Flags = {}; });
}  // namespace
""",
    "base/qt/Widget.h": "#pragma once\n#include <QWidget>\n",
    "base/qt/Widget.cpp": '#include "base/qt/Widget.h"\n#include <qstring.h>\n#include "base/Files.h"\n',
    "core/Tiles.h": """#pragma once
#include "base/Files.h"
extern int TileCount;
inline constexpr int MaxTiles = 5;
class Tiles {
    Q_OBJECT
public:
    static constexpr int Kinds = 2;
    int Count() const { return count_; }
public slots:
    void Add() { ++count_; }
private:
    int count_ = 0;
};
""",
    "core/Tiles.cpp": """#include "core/Tiles.h"
#include <vector>
int TileCount = 0;
void ResetTiles() { TileCount = 0; }
const ProgramStateReset registerResetTiles(ResetTiles);
""",
    "core/tool_main.cpp": '#include "core/Tiles.h"\nint main() { return 0; }\n',
    "core/texts/Texts.h": '#pragma once\n#include "core/Tiles.h"\n',
    "core/texts/Texts.cpp": '#include "Texts.h"\n#include "../Tiles.h"\n',
    "window/Window.h": "#pragma once\n#include <QtCore/QString>\n",
    "window/Window.cpp": '#include "window/Window.h"\n#include "core/texts/Texts.h"\n#include "base/qt/Widget.h"\n',
}

# (what the broken tree holds, the check, lines added to files, a text the
# check's report must hold)
BROKEN_TREES = [
    ("a quoted include of a folder above", LAYERS, {"base/Files.cpp": '#include "core/Tiles.h"'}, "core/"),
    ("an include in angle brackets", LAYERS, {"base/Files.cpp": "#include <core/Tiles.h>"}, "core/"),
    ("an include by a relative path", LAYERS, {"base/Files.cpp": '#include "../core/Tiles.h"'}, "core/"),
    ("a Qt class header in a Qt-free folder", LAYERS, {"core/Tiles.cpp": "#include <QString>"}, "includes Qt"),
    ("a lower-case Qt header", LAYERS, {"core/Tiles.cpp": "#include <qstring.h>"}, "includes Qt"),
    ("a Qt module's folder", LAYERS, {"core/Tiles.cpp": "#  include <QtCore/qstring.h>"}, "includes Qt"),
    ("a subfolder that no library is built from", LAYERS, {"core/detail/Work.h": "#pragma once"}, "core/detail/"),
    ("a subfolder's library above its folder", LAYERS, {"core/Tiles.cpp": '#include "core/texts/Texts.h"'}, "texts/"),
    ("a test header in the program", LAYERS, {"base/Files.cpp": '#include "tests/Support.h"'}, "tests/"),
    (
        "libraries that link each other",
        LAYERS,
        {"CMakeLists.txt": "target_link_libraries(qora_base PRIVATE qora_core_texts)"},
        "qora_base links itself",
    ),
    ("a global without a reset", RESETS, {"core/Tiles.cpp": "int Forgotten = 0;"}, "Forgotten"),
    (
        "a global that the reset compares",
        RESETS,
        {"core/Tiles.cpp": "int Generation = 0;\nProgramStateReset r([] { if (Generation > 99) TileCount = 0; });"},
        "Generation",
    ),
    (
        "a global that the reset asks its size",
        RESETS,
        {"core/Tiles.cpp": "std::vector<int> Seen;\nconst ProgramStateReset r([] { TileCount = Seen.size(); });"},
        "Seen",
    ),
    (
        "a global that the reset sets a namesake member of",
        RESETS,
        {"core/Tiles.cpp": "int Total = 0;\nconst ProgramStateReset r([] { Tiles t; t.Total = 0; });"},
        "Total",
    ),
    ("a static global of a header", RESETS, {"core/Tiles.h": "static int PerUnitCount = 0;"}, "PerUnitCount"),
    ("an inline global of a header", RESETS, {"core/Tiles.h": "inline int Shared = 0;"}, "Shared"),
    ("a header's extern global never defined", RESETS, {"core/Tiles.h": "extern int Nowhere;"}, "Nowhere"),
    (
        "a class's static inline member",
        RESETS,
        {"core/Tiles.h": "struct Made { static inline int Count = 0; };"},
        "Count",
    ),
    (
        "a static inline member of a class of a unit",
        RESETS,
        {"core/Tiles.cpp": "namespace { class Made {\npublic:\n    inline static int Count = 0; }; }"},
        "Count",
    ),
    (
        "a static in a member function defined in its class",
        RESETS,
        {"core/Tiles.cpp": "class Ids { public: int Next() { static int next = 0; return ++next; } };"},
        "next",
    ),
    (
        "a static in a member function of a header",
        RESETS,
        {"core/Tiles.h": "class Ids { public: int Next() { static int next = 0; return ++next; } };"},
        "next",
    ),
    (
        "a static in a lambda",
        RESETS,
        {"core/Tiles.cpp": "const auto NextId = [] { static int next = 0; return ++next; };"},
        "next",
    ),
    (
        "a static in a function that the reset calls but leaves",
        RESETS,
        {"core/Tiles.cpp": "int Calls() { static int calls; return calls; }\nProgramStateReset r([] { Calls(); });"},
        "calls",
    ),
]


def make_tree(top, additions):
    files = dict(CLEAN_TREE)
    for path, text in additions.items():
        files[path] = files.get(path, "") + text + "\n"
    for path, text in files.items():
        (top / path).parent.mkdir(parents=True, exist_ok=True)
        (top / path).write_text(text)


def run_check(script, top):
    run = subprocess.run(
        [sys.executable, str(SCRIPTS / script), str(top)], capture_output=True, text=True, timeout=60, check=False
    )
    return run.returncode, run.stdout + run.stderr


class ChecksTest(unittest.TestCase):
    def test_a_clean_tree_passes_every_check(self):
        with tempfile.TemporaryDirectory() as folder:
            make_tree(pathlib.Path(folder), {})
            for script in (LAYERS, RESETS):
                with self.subTest(script):
                    status, report = run_check(script, pathlib.Path(folder))
                    self.assertEqual(status, 0, report)

    def test_each_broken_tree_fails_its_check(self):
        for what, script, additions, named in BROKEN_TREES:
            with self.subTest(what), tempfile.TemporaryDirectory() as folder:
                make_tree(pathlib.Path(folder), additions)
                status, report = run_check(script, pathlib.Path(folder))
                self.assertEqual(status, 1, report)
                self.assertIn(named, report)


if __name__ == "__main__":
    unittest.main()
