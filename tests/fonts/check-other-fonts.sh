#!/usr/bin/env bash
# The fonts this project draws with must come from its pinned set alone: runs the probe with the
# pinned set and again with the system's font configuration and one more family offered, and
# fails on any difference (a face that falls back to whatever else is offered would change).
# Run by CTest inside scripts/winenv.
# Usage: check-other-fonts.sh PROBE_EXE PINNED_CONF OTHER_CONF
set -euo pipefail
probe=$1 pinned=$2 other=$3
here=$(cd "$(dirname "$0")/../.." && pwd)
FONTCONFIG_FILE=$other "$here/scripts/wine-exec" "$probe" --offers "DejaVu Sans" >/dev/null || {
  echo "check-other-fonts: the second font set does not offer DejaVu Sans (fonts-dejavu-core)" >&2; exit 1; }
a=$(FONTCONFIG_FILE=$pinned "$here/scripts/wine-exec" "$probe")
b=$(FONTCONFIG_FILE=$other "$here/scripts/wine-exec" "$probe")
printf '%s\n' "$a"
if ! grep -q 'face "Tahoma"' <<<"$a"; then
  echo "check-other-fonts: the pinned fonts do not resolve to Wine's Tahoma" >&2; exit 1
fi
if [ "$a" != "$b" ]; then
  echo "check-other-fonts: fonts differ when another family is offered:" >&2
  diff <(printf '%s\n' "$a") <(printf '%s\n' "$b") >&2 || true
  exit 1
fi
echo "check-other-fonts: the same fonts with and without another family offered"
