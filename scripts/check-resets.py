#!/usr/bin/env python3
"""Finds program state that ResetProgramState() would miss.

Every mutable global of a source unit must be named by a reset that the unit
itself registers with a ProgramStateReset object, directly or through a
function of the same unit that the reset calls. What counts as a mutable
global:

- a variable at namespace scope in a .cpp file, anonymous namespaces and
  `static` included, that is not const or constexpr (a pointer to const data
  is mutable: it can be pointed elsewhere);
- a `static` variable inside a function of a .cpp file, under the same rule;
  it is reached when the reset calls the function that holds it;
- an `extern` or `inline` variable declared in a header: its definition must
  be found in a .cpp file, where the rules above apply (an `inline` one has
  no unit and is always reported).

Mutexes and condition variables hold no value and are left out. Any other
global that is not program state carries the comment `// no-reset: WHY` at
the end of its declaration's line or as the line right above it. Sources are read as text with a few regular
expressions and brace matching; this is not a C++ parser, and it only has to
understand the declarations this project writes.

Usage: check-resets.py [TOP]   (TOP defaults to the repository). Exit 1 and
one line per missed global when anything is missed.
"""

import pathlib
import re
import sys

# Folders that hold no program code; build folders (build/, build-sanitize/,
# any /build*/ that .gitignore leaves out) hold generated code.
SKIPPED_FOLDERS = {"tests", "bench", "doc", "docs", "scripts", "run"}
ALLOW_COMMENT = re.compile(r"//\s*no-reset:\s*\S")
ALLOW_LINE = re.compile(r"^\s*//\s*no-reset:\s*\S")
NOT_STATE_TYPES = re.compile(
    r"^(static\s+)?(QPointer\b|std::(recursive_|timed_|shared_)?mutex\b|std::condition_variable(_any)?\b)"
)
NOT_DECLARATIONS = re.compile(
    r"^(using|typedef|template|static_assert|friend|class|struct|union|enum|namespace|extern\s+template|Q_\w+)\b"
)
IDENTIFIER = re.compile(r"[A-Za-z_]\w*")


def blank_out(text):
    """Comments, string and character literals become spaces (lines kept)."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            delimiter = text[i + 2 : text.find("(", i + 2)]
            j = text.find(")" + delimiter + '"', i)
            j = n if j < 0 else j + len(delimiter) + 2
            out.append('""' + re.sub(r"[^\n]", " ", text[i + 2 : j]))
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(c + " " * (min(j, n) - i - 1) + (c if j < n else ""))
            i = j + 1
        elif c == "#" and (i == 0 or text[i - 1] == "\n"):
            j = i
            while True:  # a directive, with its continued lines
                j = text.find("\n", j)
                if j < 0 or text[j - 1] != "\\":
                    break
                j += 1
            j = n if j < 0 else j
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def matching(text, i):
    """The index after the bracket that closes the one at i."""
    depth = 0
    for j in range(i, len(text)):
        if text[j] in "({[":
            depth += 1
        elif text[j] in ")}]":
            depth -= 1
            if depth == 0:
                return j + 1
    return len(text)


def without_templates(text):
    """Template arguments removed, so that their parentheses and commas vanish."""
    previous = None
    while previous != text:
        previous = text
        text = re.sub(r"<[^<>;{}]*>", "", text)
    return text


class Unit:
    """One source file: its namespace-scope statements and function bodies."""

    def __init__(self, path, text):
        self.path = path
        self.lines = text.split("\n")
        self.code = blank_out(text)
        self.declarations = []  # (start index, statement text)
        self.functions = {}  # name -> list of (start, end) of bodies
        self.scan(0, len(self.code))

    def line_of(self, index):
        return self.code.count("\n", 0, index) + 1

    def scan(self, i, end):
        """Reads statements at namespace scope from i until a closing brace."""
        start = i
        while i < end:
            c = self.code[i]
            if c in "([":
                i = matching(self.code, i)
                continue
            if c == "}":
                return i + 1
            if c == ";":
                self.declarations.append((start, self.code[start:i]))
                start = i = i + 1
                continue
            if c != "{":
                i += 1
                continue
            header = " ".join(self.code[start:i].split())
            if re.match(r"^(inline\s+)?namespace\b|^extern\s*\"\s*\"", header):
                start = i = self.scan(i + 1, end)
            elif re.match(r"^(template\s*<.*>\s*)?(class|struct|union|enum)\b", header) and "=" not in header:
                i = matching(self.code, i)  # a type: read on to its ";"
            elif self.is_function(header) and self.in_initializer_list(header):
                i = matching(self.code, i)  # a member initializer in a constructor's list
            elif self.is_function(header):
                close = matching(self.code, i)
                name = self.function_name(header)
                if name:
                    self.functions.setdefault(name, []).append((i, close))
                start = i = close
            else:
                i = matching(self.code, i)  # an initializer
        return end

    @staticmethod
    def is_function(header):
        plain = without_templates(header)
        parenthesis = plain.find("(")
        return parenthesis >= 0 and "=" not in plain[:parenthesis] and not re.match(r"\(\s*[*&]", plain[parenthesis:])

    @staticmethod
    def in_initializer_list(header):
        plain = without_templates(header)
        return re.search(r"\)\s*:(?!:)", plain) is not None and re.search(r"[\w>]\s*$", plain) is not None

    @staticmethod
    def function_name(header):
        plain = without_templates(header)
        names = IDENTIFIER.findall(plain[: plain.find("(")])
        return names[-1] if names else None


def is_function_declaration(parameters):
    """Whether "(...)..." after a name lists parameters rather than arguments."""
    close = matching(parameters, 0)
    inside, after = parameters[1 : close - 1].strip(), parameters[close:]
    if inside in ("", "void") or re.search(r"=\s*(default|delete)\s*$", after):
        return True
    parameter = re.compile(r"^(const\s+)?[\w:]+(\s*[*&]+\s*|\s+)(const\s+)?\w*$")
    return all(parameter.match(item.strip()) for item in inside.split(","))


def variable(statement, header_file, local=False):
    """(name, is mutable) of a variable declaration, or None. A statement in a
    function takes parentheses after a name for arguments, one at namespace
    scope only when they hold no parameter list."""
    text = " ".join(statement.split())
    if not text or NOT_DECLARATIONS.match(text):
        return None
    plain = without_templates(text)
    pointer = re.search(r"\(\s*[*&]\s*(\w+)\s*\)", plain)
    if pointer:  # a pointer to a function
        name, declarator = pointer.group(1), plain[: pointer.start()]
    else:
        parenthesis, equals = plain.find("("), plain.find("=")
        direct = parenthesis >= 0 and (equals < 0 or parenthesis < equals)
        if direct and not local and is_function_declaration(plain[parenthesis:]):
            return None
        before = re.split(r"[=({\[]", plain)[0]
        names = IDENTIFIER.findall(before)
        if len(names) < 2:
            return None
        name, declarator = names[-1], before[: before.rfind(names[-1])]
    words = set(IDENTIFIER.findall(declarator))
    if header_file and not words & {"extern", "inline"}:
        return None
    if not header_file and "extern" in words:
        return None  # declares another unit's global
    if re.search(r"&\s*$", declarator):
        return name, False  # a reference: another global's second name
    constant = "constexpr" in words or ("const" in words and not re.search(r"\*\s*$", declarator))
    constant = constant or re.search(r"\*\s*const\s*$", declarator) is not None
    return name, not constant and not NOT_STATE_TYPES.match(text)


def local_statics(unit):
    """(name, function, index) of every static variable inside a function."""
    found = []
    for function, bodies in unit.functions.items():
        for start, end in bodies:
            body = unit.code[start:end]
            for match in re.finditer(r"(?:^|[;{}])\s*(static\s[^;{]*)", body):
                declared = variable(match.group(1), False, local=True)
                if declared and declared[1]:
                    found.append((declared[0], function, start + match.start(1)))
    return found


def reset_reach(unit):
    """The names of the unit's functions and the code its resets reach."""
    pending = []
    for start, statement in unit.declarations:
        registration = re.search(r"\bProgramStateReset\s+\w+\s*\(\s*(\w+|\[)", statement)
        if registration:
            if registration.group(1) == "[":
                pending.append(statement)
            else:
                pending.append(registration.group(1) + "()")
    reached_text, reached_functions = [], set()
    while pending:
        text = pending.pop()
        reached_text.append(text)
        for called in re.findall(r"\b(\w+)\s*\(", text):
            if called in unit.functions and called not in reached_functions:
                reached_functions.add(called)
                pending.extend(unit.code[s:e] for s, e in unit.functions[called])
    return reached_functions, " ".join(reached_text)


def allowed(lines, line):
    """Whether the allow comment ends the declaration's line or is the line above."""
    return ALLOW_COMMENT.search(lines[line - 1]) or (line > 1 and ALLOW_LINE.match(lines[line - 2]))


def source_files(top):
    for path in sorted(top.rglob("*")):
        relative = path.relative_to(top)
        top_folder = relative.parts[0]
        if path.suffix in (".cpp", ".h") and top_folder not in SKIPPED_FOLDERS and not top_folder.startswith("build"):
            if not any(part.startswith(".") for part in relative.parts):
                yield path, relative


def missed_globals(top):
    missed, defined, declared_in_headers = [], set(), []
    for path, relative in source_files(top):
        unit = Unit(relative, path.read_text(encoding="latin-1"))
        header_file = path.suffix == ".h"
        globals_found = []
        for start, statement in unit.declarations:
            found = variable(statement, header_file)
            if not found:
                continue
            index = start + len(statement) - len(statement.lstrip())
            line = unit.line_of(index + statement.strip().find(found[0]))
            if header_file:
                inline = "inline" in statement.split()
                if found[1] or not inline:
                    declared_in_headers.append((relative, line, found[0], inline))
            else:
                defined.add(found[0])
                if found[1]:
                    globals_found.append((found[0], line, None))
        if header_file:
            continue
        for name, function, index in local_statics(unit):
            globals_found.append((name, unit.line_of(index), function))
        reached_functions, reached_text = reset_reach(unit)
        for name, line, function in globals_found:
            if allowed(unit.lines, line):
                continue
            if function is None and re.search(r"\b%s\b" % re.escape(name), reached_text):
                continue
            if function is not None and function in reached_functions:
                continue
            where = "a static in %s()" % function if function else "a global"
            missed.append("%s:%d: %s, %s that no reset registered in this file names" % (relative, line, name, where))
    for relative, line, name, inline in declared_in_headers:
        if allowed((top / relative).read_text(encoding="latin-1").split("\n"), line):
            continue
        if inline:
            missed.append("%s:%d: %s, an inline global that no unit can reset" % (relative, line, name))
        elif name not in defined:
            missed.append("%s:%d: %s, declared extern but its definition was not found" % (relative, line, name))
    return missed


def main():
    top = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    missed = missed_globals(top)
    for line in missed:
        print(line)
    if missed:
        print(
            "Each global goes into a reset that its own file registers with a ProgramStateReset object,\n"
            "or, when it is not program state, carries '// no-reset: WHY' on its line or the line above.",
            file=sys.stderr,
        )
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
