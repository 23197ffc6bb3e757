#!/usr/bin/env bash
# Builds what it runs (the program with its documentation pages, the lexicon
# compiler and the timer's sounds; scripts/test.sh builds the tests and the
# benchmarks), compiles the demo lexicons (English, French, Spanish) from the
# Debian word lists into run/, puts the timer's sounds there, and starts QORA
# there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" qora qlxbuild timer_sounds
run="$top/run"
mkdir -p "$run"
# A lexicon is built again when the compiler or this script is newer than it.
# The word lists name people and places with a capital (Smith, Tangiers),
# which a word game does not accept: those entries are left out.
build_lexicon() { # language wordlist file short-name long-name
  if [ ! -f "$run/$3" ] || [ "$top/build/qlxbuild" -nt "$run/$3" ] || [ "$top/scripts/run.sh" -nt "$run/$3" ]; then
    "$top/build/qlxbuild" --language "$1" --skip-capitalised --short-name "$4" --long-name "$5" "$2" "$run/$3"
  fi
}
build_lexicon english /usr/share/dict/american-english-large English.QLX ENGLISH "American English (Debian word list)"
build_lexicon french  /usr/share/dict/french                 French.QLX  FRANCAIS "Francais (Debian word list)"
build_lexicon spanish /usr/share/dict/spanish                Spanish.QLX ESPANOL "Espanol (Debian word list)"
# The timer's own sounds go where the program looks for them, the folder it
# starts in; sounds the user put there stay.
for sound in tada.wav chimes.wav; do
  [ -f "$run/$sound" ] || cp "$top/build/sounds/$sound" "$run/$sound"
done
cd "$run"
exec "$top/build/qora" "$@"
