#!/usr/bin/env bash
# Refreshes translations/*.ts from the sources: new texts come in unfinished, vanished ones go.
# Then translate what is unfinished (Qt Linguist, or by hand) and run scripts/translations-check.sh.
#   scripts/translations-update.sh [OUTDIR]   (OUTDIR: write the refreshed copies there instead)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
# Some expressions send lupdate into a loop; a scan of these folders takes seconds.
lupdate="timeout 120 $lupdate"
out=${1:-translations}
mkdir -p "$out"
[ "$out" = translations ] || cp translations/*.ts "$out"/
# Every folder of the program's sources is scanned, but those whose texts every language keeps (the
# control's, the registration tool's) and those no user reads (tests, benchmarks, fuzzers).
sources=()
for d in */ tools/*/; do
  d=${d%/}
  case $d in
    CUBE|automation|tests|bench|fuzz|tools|tools/regocx32|build*|cmake|desktop|docs|scripts) continue ;;
  esac
  compgen -G "$d/*.cpp" >/dev/null || compgen -G "$d/*/*.cpp" >/dev/null || continue
  sources+=("$d")
done
common=(-extensions cpp,h -locations none -no-obsolete -silent)
$lupdate "${common[@]}" "${sources[@]}" -source-language en -target-language fr -ts "$out/merlos_fr.ts"
# English is the source; its file holds only the plural forms of texts with a count.
$lupdate "${common[@]}" -pluralonly "${sources[@]}" -source-language en -target-language en -ts "$out/merlos_en.ts"
