#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the result as a user
# would meet it: the desktop entry and the icons are where the desktop looks
# for them, and the program, started through its link from an unrelated
# folder, finds its installed data and reads the demo devices.
#
#   installed_program_test.sh <build dir> <program name>
set -euo pipefail
build=$(cd "$1" && pwd)
name=$2
work=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A prefix with a blank in it: the desktop entry must quote the program's path.
prefix="$work/install root"
cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

# The desktop entry.
entry="$prefix/share/applications/$name.desktop"
[ -f "$entry" ] || fail "no desktop entry at $entry"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
for key in Name Comment Exec Icon Categories; do
  grep -q "^$key=" "$entry" || fail "desktop entry has no $key"
done
grep -qx "Terminal=false" "$entry" || fail "desktop entry does not say Terminal=false"
grep -qx "Icon=$name" "$entry" || fail "desktop entry names another icon"
for lang in de fr it ja zh_CN zh_TW; do
  grep -q "^Comment\[$lang\]=" "$entry" || fail "desktop entry has no $lang comment"
done
# Exec="<prefix>/bin/<name>", the blank in the prefix inside the quotes.
exec_line=$(grep '^Exec=' "$entry")
[ "$exec_line" = "Exec=\"$prefix/bin/$name\"" ] || fail "unexpected $exec_line"

# The icons, each in its size.
for size in 48 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$name.png"
  [ -f "$icon" ] || fail "no icon at $icon"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "$icon is not ${size}x${size}"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$name.svg" ] || fail "no scalable icon"

# The program from another folder, with a home of its own and the demo devices.
home="$work/home"
elsewhere="$work/elsewhere"
mkdir -p "$home" "$elsewhere"
demo="$build/demo-devices"
out="$work/program.out"
(
  cd "$elsewhere"
  exec env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    HANDOVER_DEVICES="$demo/iphone:$demo/ipad" "$prefix/bin/$name"
) > "$out" 2>&1 &
pid=$!

# Waits (up to two minutes on a loaded machine) until both devices are read.
deadline=$((SECONDS + 120))
until [ "$(grep -c '^id_str: ' "$out" || true)" -ge 2 ]; do
  if ! kill -0 "$pid" 2>/dev/null; then cat "$out"; fail "the program ended early"; fi
  if [ "$SECONDS" -ge "$deadline" ]; then cat "$out"; fail "the devices were not read in time"; fi
  sleep 0.2
done

installed=$(cd "$prefix/lib/$name" && pwd)
grep -qx "......Install dir: $installed" "$out" || { cat "$out"; fail "the program did not run from $installed"; }
if grep -q '^......Missing install file: ' "$out"; then cat "$out"; fail "the program misses installed files"; fi
echo "installed program found its data in $installed and read the demo devices"
