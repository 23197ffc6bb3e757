#!/usr/bin/env python3
"""Finds program state that ResetProgramState() would miss.

Every mutable global of a source unit must be set by a reset that the unit
itself registers with a ProgramStateReset object, directly or through a
function of the same unit that the reset calls. Setting is assigning the
global or a part of it, stepping it, or calling a member of it whose name
says it changes it (`clear`, `Reset`, `SetWork`: CHANGING_VERBS); a reset
that only reads a global (`if (Generation > 99)`) does not set it. What
counts as a mutable global:

- a variable at namespace scope in a .cpp file, anonymous namespaces and
  `static` included, that is not const or constexpr (a pointer to const data
  is mutable: it can be pointed elsewhere), and a `static inline` data member
  of a class of the file;
- a `static` variable inside a function of a .cpp file (a member function
  written in its class, a lambda, an initializer included), under the same
  rule; it is set when the reset calls the function and either the function
  changes the static after declaring it or the reset changes what the call
  gives (`SharedCache().clear()`);
- in a header, which belongs to no unit: an `extern` variable, whose
  definition must be found in a .cpp file, where the rules above apply; and,
  always reported, an `inline` variable or `static inline` data member (no
  unit can reset it), a `static` variable at namespace scope (each unit that
  includes the header has its own copy) and a `static` in a function.

Mutexes, condition variables and the reset registrations hold no value and
are left out. Any other global that is not program state carries the comment
`// no-reset: WHY` at the end of its declaration's line or as the line right
above it. The sources are those of the program's folders (scripts/
sourcetree.py). They are read as text with a few regular expressions and
brace matching; this is not a C++ parser, and it only has to understand the
declarations this project writes.

Usage: check-resets.py [TOP]   (TOP defaults to the repository). Exit 1 and
one line per missed global when anything is missed.
"""

import re
import sys

sys.dont_write_bytecode = True  # no cache of sourcetree beside the scripts
import sourcetree  # noqa: E402

ALLOW_COMMENT = re.compile(r"//\s*no-reset:\s*\S")
ALLOW_LINE = re.compile(r"^\s*//\s*no-reset:\s*\S")
NOT_STATE_TYPES = re.compile(
    r"^(static\s+|const\s+)?(QPointer\b|ProgramStateReset\b|std::(recursive_|timed_|shared_)?mutex\b"
    r"|std::condition_variable(_any)?\b)"
)
NOT_DECLARATIONS = re.compile(
    r"^(using|typedef|template|static_assert|friend|class|struct|union|enum|namespace|extern\s+template|Q_\w+)\b"
)
IDENTIFIER = re.compile(r"[A-Za-z_]\w*")
GLOBAL_NAME = r"(?<![\w.>])%s\b"  # a name, not a member of something else
ACCESS = re.compile(r"^\s*((public|protected|private)(\s+(slots|Q_SLOTS))?|signals|Q_SIGNALS|Q_SLOTS)\s*$")
# The beginnings of the names of functions that change what they are called
# on or handed: a reset sets a global by assigning it or by one of these.
CHANGING_VERBS = (
    r"(?:[Cc]lear|[Rr]eset|[Ss]et|[Aa]ssign|[Ss]tore|[Ff]ill|[Ss]wap|[Ee]xchange|[Ee]rase|[Rr]emove|[Rr]esize"
    r"|[Pp]ush|[Pp]op|[Ee]mplace|[Ii]nsert|[Aa]dd|[Aa]ppend|[Rr]eplace|[Rr]elease|[Aa]dopt|[Ss]top|[Cc]lose|fetch_)"
)


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
    """One source file: its declarations at namespace and class scope and the
    bodies of its functions."""

    def __init__(self, path, text, header_file):
        self.path = path
        self.header_file = header_file
        self.lines = text.split("\n")
        self.code = blank_out(text)
        self.declarations = []  # (start index, statement text, in a class)
        self.functions = {}  # name -> list of (start, end) of bodies
        self.scan(0, len(self.code), False)

    def line_of(self, index):
        return self.code.count("\n", 0, index) + 1

    def scan(self, i, end, in_class):
        """Reads statements at namespace scope, or in a class body, from i
        until a closing brace; returns the index after it."""
        start, groups = i, []  # groups: the brackets a statement holds
        while i < end:
            c = self.code[i]
            if c in "([":
                close = matching(self.code, i)
                groups.append((i, close))
                i = close
                continue
            if c == "}":
                return i + 1
            if c == ";":
                self.record(start, i, in_class, groups)
                start, groups = i + 1, []
                i += 1
                continue
            if c == ":" and in_class and ACCESS.match(without_macros(self.code[start:i])) and self.code[i + 1] != ":":
                start = i = i + 1  # "public:" and the like
                continue
            if c != "{":
                i += 1
                continue
            header = " ".join(without_macros(self.code[start:i]).split())
            if not in_class and re.match(r"^(inline\s+)?namespace\b|^extern\s*\"\s*\"", header):
                start = i = self.scan(i + 1, end, False)
            elif re.match(r"^(template\s*<.*>\s*)?(class|struct|union)\b", header) and "=" not in header:
                i = self.scan(i + 1, end, True)  # a type: its members, then on to its ";"
            elif re.match(r"^(enum)\b", header):
                i = matching(self.code, i)
            elif self.is_function(header) and self.in_initializer_list(header):
                i = matching(self.code, i)  # a member initializer in a constructor's list
            elif self.is_function(header):
                close = matching(self.code, i)
                name = self.function_name(header)
                if name:
                    self.functions.setdefault(name, []).append((i, close))
                start, groups = close, []
                i = close
            else:
                close = matching(self.code, i)  # an initializer
                groups.append((i, close))
                i = close
        return end

    def record(self, start, end, in_class, groups):
        """Keeps a statement, and takes the brackets of a variable's
        initializer (a lambda's body among them) as code of that variable,
        where a static may hide."""
        statement = self.code[start:end]
        self.declarations.append((start, statement, in_class))
        found = variable(without_macros(statement))
        if found:
            self.functions.setdefault(found.name, []).extend(groups)

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


def without_macros(statement):
    """A statement without the Qt macros that open a class body."""
    return re.sub(r"^(\s*Q_\w+\s*(\([^()]*\))?)*", "", statement)


def is_function_declaration(parameters):
    """Whether "(...)..." after a name lists parameters rather than arguments."""
    close = matching(parameters, 0)
    inside, after = parameters[1 : close - 1].strip(), parameters[close:]
    if inside in ("", "void") or re.search(r"=\s*(default|delete)\s*$", after):
        return True
    parameter = re.compile(r"^(const\s+)?[\w:]+(\s*[*&]+\s*|\s+)(const\s+)?\w*$")
    return all(parameter.match(item.strip()) for item in inside.split(","))


class Variable:
    def __init__(self, name, mutable, words):
        self.name = name
        self.mutable = mutable
        self.words = words  # the words before its name: storage, type, qualifiers


def variable(statement, local=False):
    """The variable a declaration declares, or None. A statement in a function
    takes parentheses after a name for arguments, one at namespace scope only
    when they hold no parameter list."""
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
    if re.search(r"&\s*$", declarator):
        return Variable(name, False, words)  # a reference: another global's second name
    constant = "constexpr" in words or ("const" in words and not re.search(r"\*\s*$", declarator))
    constant = constant or re.search(r"\*\s*const\s*$", declarator) is not None
    return Variable(name, not constant and not NOT_STATE_TYPES.match(text), words)


def local_statics(unit):
    """(name, index, function) of every mutable static variable inside a
    function, a lambda or an initializer."""
    found = []
    for function, bodies in unit.functions.items():
        for start, end in bodies:
            body = unit.code[start:end]
            for match in re.finditer(r"(?:^|[;{}])\s*(static\s[^;{]*)", body):
                declared = variable(match.group(1), local=True)
                if declared and declared.mutable:
                    found.append((declared.name, start + match.start(1), function))
    return found


def sets(subject, text):
    """Whether code sets what the pattern subject names: assigns it or a part
    of it, steps it, or calls a member of it whose name says that it changes
    it (CHANGING_VERBS). Handing it to a function, which may only read it,
    does not count."""
    part = r"(?:\s*(?:\[[^\]]*\]|(?:\.|->)\s*\w+))*"
    return any(
        re.search(pattern % {"subject": subject, "part": part, "verb": CHANGING_VERBS}, text)
        for pattern in (
            r"%(subject)s%(part)s\s*(?:[-+*/%%&|^]|<<|>>)?=(?!=)",
            r"%(subject)s%(part)s\s*(?:\+\+|--)",
            r"(?:\+\+|--)\s*%(subject)s",
            r"%(subject)s%(part)s\s*(?:\.|->)\s*%(verb)s\w*\s*\(",
        )
    )


def reset_reach(unit):
    """The names of the unit's functions and the code its resets reach."""
    pending = []
    for start, statement, in_class in unit.declarations:
        registration = None if in_class else re.search(r"\bProgramStateReset\s+\w+\s*\(\s*(\w+|\[)", statement)
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


def static_is_reset(unit, name, function, index, reached_functions, reached_text):
    """A static of a function is reset when a reset calls the function and
    either the function changes the static after declaring it or the reset
    changes what the call gives."""
    if function not in reached_functions:
        return False
    name_pattern = GLOBAL_NAME % re.escape(name)
    after_declaration = " ".join(
        unit.code[unit.code.index(";", index) : end] for start, end in unit.functions[function] if start <= index < end
    )
    return sets(name_pattern, after_declaration) or sets(r"\b%s\s*\([^()]*\)" % re.escape(function), reached_text)


def allowed(lines, line):
    """Whether the allow comment ends the declaration's line or is the line above."""
    return ALLOW_COMMENT.search(lines[line - 1]) or (line > 1 and ALLOW_LINE.match(lines[line - 2]))


def unit_globals(unit, defined, header_globals):
    """(name, index, function) of each mutable global of a .cpp file that its
    own reset must set, function None for one at namespace or class scope.
    A header's globals, which belong to no unit, go to header_globals with
    the fault they are, None for an extern one whose definition must be
    found."""
    found = []
    for start, statement, in_class in unit.declarations:
        declared = variable(without_macros(statement))
        if not declared:
            continue
        words = declared.words
        if in_class and not {"static", "inline"} <= words:
            continue  # a member of each object, or a static one defined outside
        index = start + len(statement) - len(statement.lstrip())
        index += statement.strip().find(declared.name)
        if not unit.header_file:
            if "extern" not in words:
                defined.add(declared.name)
                if declared.mutable:
                    found.append((declared.name, index, None))
        elif "extern" in words and not in_class:
            header_globals.append((unit, index, declared.name, None))
        elif declared.mutable and "inline" in words:
            header_globals.append((unit, index, declared.name, "an inline global that no unit can reset"))
        elif declared.mutable and "static" in words:
            fault = "a static global of a header, of which each unit that includes it has a copy that no reset names"
            header_globals.append((unit, index, declared.name, fault))
    if not unit.header_file:
        return found + local_statics(unit)
    for name, index, function in local_statics(unit):
        fault = "a static in %s() of a header, which no unit's reset reaches" % function
        header_globals.append((unit, index, name, fault))
    return []


def missed_globals(top):
    missed, defined, header_globals = [], set(), []
    build = sourcetree.Build(top)
    for path, relative in sourcetree.program_sources(top, build):
        unit = Unit(relative, path.read_text(encoding="latin-1"), path.suffix in sourcetree.HEADER_SUFFIXES)
        globals_found = unit_globals(unit, defined, header_globals)
        reached_functions, reached_text = reset_reach(unit)
        for name, index, function in globals_found:
            line = unit.line_of(index)
            if allowed(unit.lines, line):
                continue
            if function is None and sets(GLOBAL_NAME % re.escape(name), reached_text):
                continue
            if function is not None and static_is_reset(unit, name, function, index, reached_functions, reached_text):
                continue
            where = "a static in %s()" % function if function else "a global"
            missed.append("%s:%d: %s, %s that no reset registered in this file sets" % (relative, line, name, where))
    for unit, index, name, fault in header_globals:
        line = unit.line_of(index)
        if allowed(unit.lines, line) or (fault is None and name in defined):
            continue
        fault = fault or "declared extern but its definition was not found"
        missed.append("%s:%d: %s, %s" % (unit.path, line, name, fault))
    return missed


if __name__ == "__main__":
    sys.exit(
        sourcetree.run_check(
            missed_globals,
            "Each global goes into a reset that its own file registers with a ProgramStateReset object,\n"
            "or, when it is not program state, carries '// no-reset: WHY' on its line or the line above.",
            "check-resets: a reset of its own file sets every global",
        )
    )
