#!/usr/bin/env bash
# Builds both release exes and writes the folder a user copies as it is, and a zip of it:
#   dist/morvane-<version>/   MORVANE.EXE (32-bit), MORV64.EXE (64-bit), README.TXT, EXAMPLE.MVS
#   dist/morvane-<version>.zip
# The names are 8.3 so that the folder copies onto a floppy or an old FAT volume unchanged, and
# README.TXT has CR LF line ends for Notepad. The version is the project's, from CMake.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

ensure_packages
echo "== building the release exes"
build windows-x64 morvane >/dev/null
build windows-x86 morvane >/dev/null

version=$(sed -n 's/^#define MORVANE_VERSION_STRING "\(.*\)"$/\1/p' \
  "$ROOT/build/win32/generated/morvane_version.h")
[[ -n "$version" ]] || { echo "package: no version in the generated header" >&2; exit 1; }
name="morvane-$version"
dir="$ROOT/dist/$name"
rm -rf "$dir" "$ROOT/dist/$name.zip"
mkdir -p "$dir"

cp "$ROOT/build/win32/bin/morvane.exe" "$dir/MORVANE.EXE"
cp "$ROOT/build/win64/bin/morvane.exe" "$dir/MORV64.EXE"
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$ROOT/package/README.TXT" >"$dir/README.TXT"
cp "$ROOT/examples/quake.mvs" "$dir/EXAMPLE.MVS"

# The same sources give the same zip: every file dated by the last commit, in a fixed order.
stamp=$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || date +%s)
touch -d "@$stamp" "$dir"/* "$dir"
(cd "$ROOT/dist" && TZ=UTC zip -q -X -D "$name.zip" "$name/MORVANE.EXE" "$name/MORV64.EXE" \
  "$name/README.TXT" "$name/EXAMPLE.MVS")

# What a user gets must be what was meant: four files with 8.3 names, a README for Notepad.
status=0
for f in "$dir"/*; do
  base=$(basename "$f")
  [[ "$base" =~ ^[A-Z0-9_]{1,8}\.[A-Z0-9]{1,3}$ ]] || { echo "  not an 8.3 name: $base"; status=1; }
done
if grep -q $'[^\r]$' "$dir/README.TXT" || LC_ALL=C grep -q '[^[:print:][:space:]]' "$dir/README.TXT"; then
  echo "  README.TXT is not plain text with CR LF line ends"
  status=1
fi
((status == 0)) || { echo "package: FAILED"; exit 1; }
bash "$ROOT/scripts/check_release.sh" "$dir/MORV64.EXE" "$dir/MORVANE.EXE"

echo "== dist/$name"
for f in "$dir"/MORVANE.EXE "$dir"/MORV64.EXE "$dir"/README.TXT "$dir"/EXAMPLE.MVS "$dir.zip"; do
  printf '  %-20s %8d bytes\n' "$(basename "$f")" "$(stat -c %s "$f")"
done
