#!/usr/bin/env bash
# Sets up, builds and runs every test of Tavo: the engine and tool tests,
# the same tests under AddressSanitizer + UndefinedBehaviorSanitizer, and
# the four fuzz targets for a bounded time each.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup-debian.sh

echo "== Translations: in step with the game's texts, complete, and true to their glossaries =="
scripts/update-translations.sh --check
for ts in translations/tavo_*.ts; do
    report=$(/usr/lib/qt6/bin/lrelease "$ts" -qm /dev/null)
    echo "$ts: ${report##*Generated }"
    grep -q " 0 unfinished)" <<<"$report" || { echo "$ts has unfinished messages" >&2; exit 1; }
done
python3 scripts/check-glossary.py translations

echo "== Sanitized build (clang-14, address + undefined) =="
cmake --preset asan >/dev/null
cmake --build --preset asan

echo "== Fuzzing: files and game days, action scripts, the file functions, list sources, translations (${TAVO_FUZZ_SECONDS:-30} s each) =="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
# The committed seed corpus is exactly what its generator writes.
rm -rf build/fuzz/seeds
build/fuzz/fuzz/make-fuzz-seeds data build/fuzz/seeds
diff -r fuzz/seeds build/fuzz/seeds
for target in files script disk data qm; do
    seeds=$target
    [ "$target" = script ] && seeds=scripts
    dict=()
    [ -f "fuzz/$target.dict" ] && dict=("-dict=fuzz/$target.dict")
    mkdir -p "build/fuzz/corpus/$target"
    build/fuzz/fuzz/tavo_fuzz_$target -max_len=20000 -max_total_time="${TAVO_FUZZ_SECONDS:-30}" \
        -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 "${dict[@]}" \
        "build/fuzz/corpus/$target" "fuzz/seeds/$seeds" 2>&1 | tail -n 12
done

echo "== Tests under the sanitizers =="
ctest --preset asan

echo "== Build and tests =="
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

echo "== Install into a temporary prefix, validate and start =="
scripts/check-install.sh build/default

echo "== The Debian package: built, checked by lintian, installed, started, purged =="
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
started=$SECONDS
deb="$(scripts/build-deb.sh build/deb)"
echo "package built in $((SECONDS - started)) s: $deb"
lintian --fail-on error,warning "${deb%.deb}.changes"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$deb" >/dev/null
dpkg -L tavo >build/deb/installed-files
scripts/check-install.sh --package
$sudo apt-get purge -y tavo >/dev/null
left=0
while IFS= read -r path; do
    [ "$path" != /. ] || continue
    [ -e "$path" ] || [ -L "$path" ] || continue
    # A folder stays when another package has it too (/usr/share, ...).
    if [ -d "$path" ] && [ ! -L "$path" ] && dpkg -S "$path" >/dev/null 2>&1; then continue; fi
    echo "left after the purge: $path" >&2
    left=1
done <build/deb/installed-files
[ "$left" -eq 0 ]
echo "package step: $((SECONDS - started)) s"
