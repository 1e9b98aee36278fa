#!/usr/bin/env bash
# Fails when the translations have fallen behind the code: lupdate finds a text that is new,
# changed or gone, or an entry is unfinished or empty. Run scripts/translations-update.sh to refresh.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
scripts/translations-update.sh "$tmp"
status=0
for ts in translations/*.ts; do
  name=$(basename "$ts")
  if ! diff -u "$ts" "$tmp/$name" >"$tmp/$name.diff"; then
    echo "$ts: the sources' texts have changed; run scripts/translations-update.sh and translate:" >&2
    grep -E '^[-+] *<source>' "$tmp/$name.diff" | head -20 >&2 || true
    status=1
  fi
  unfinished=$(grep -c -E 'type="(unfinished|vanished|obsolete)"|<translation>\s*</translation>|<numerusform>\s*</numerusform>|<translation/>' "$ts" || true)
  if [ "$unfinished" -gt 0 ]; then
    echo "$ts: $unfinished entries unfinished, empty or kept after their text vanished:" >&2
    grep -B3 -E 'type="(unfinished|vanished|obsolete)"|<translation>\s*</translation>|<numerusform>\s*</numerusform>|<translation/>' "$ts" \
      | grep '<source>' | head -20 >&2 || true
    status=1
  fi
done
[ $status -eq 0 ] && echo "translations: complete and up to date"
exit $status
