#!/usr/bin/env bash
# Builds the Debian package from a copy of the sources (the files git
# tracks, and new ones it does not ignore), so that nothing of build/ is
# reused and nothing is written beside the checkout:
#   scripts/build-deb.sh [OUT_FOLDER]       (build/deb by default)
# Prints the path of the .deb; the .buildinfo and .changes lie beside it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/build/deb}")"
rm -rf "$out"
mkdir -p "$out/tavo"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf -) | tar -C "$out/tavo" -xf -
# Two jobs on the two cores. The package's own build runs the engine, tool
# and offscreen window tests; here they are left out (nocheck), since
# run-tests.sh has run them all already.
(cd "$out/tavo" && DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" \
    dpkg-buildpackage -us -uc -b -J2 -Pnocheck) >"$out/build.log" 2>&1 ||
    { tail -n 40 "$out/build.log" >&2; exit 1; }
rm -rf "$out/tavo"
ls "$out"/tavo_*.deb
