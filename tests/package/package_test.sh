#!/usr/bin/env bash
# Builds the Debian package from this build tree, checks what it holds and that its desktop files
# validate, unpacks it into a temporary root and starts the unpacked course from another folder
# until the name page is on screen; a termination signal must then end it with code 0.
#   package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
course=
watcher=
cleanup() {
  [ -n "$course" ] && kill -KILL "$course" 2>/dev/null || true
  [ -n "$watcher" ] && kill "$watcher" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/bitlak_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single bitlak_<version>_amd64.deb: ${debs[*]}"
deb=${debs[0]}

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/bitlak ./usr/lib/bitlak/bin/bitlak ./usr/bin/bitlak-report ./usr/lib/bitlak/bin/bitlak-report \
            ./usr/lib/bitlak/res/images/ ./usr/lib/bitlak/res/sound/ ./usr/lib/bitlak/res/avis/ \
            ./usr/lib/bitlak/res/etc/ ./usr/lib/bitlak/res/etc/words.txt ./etc/bitlak/words.txt \
            ./usr/share/applications/bitlak.desktop ./usr/share/xsessions/bitlak.desktop \
            ./usr/share/metainfo/hu.bitlak.Bitlak.metainfo.xml \
            ./usr/share/doc/bitlak/copyright ./usr/share/doc/bitlak/changelog.gz ./etc/bitlak/bitlak.conf \
            ./usr/share/man/man1/bitlak.1.gz ./usr/share/man/man1/bitlak-report.1.gz; do
  grep -qxF "$path" <<< "$contents" || fail "the package lacks $path"
done
for size in 16 22 24 32 48 64 128 256; do
  grep -qxF "./usr/share/icons/hicolor/${size}x${size}/apps/bitlak.png" <<< "$contents" || fail "no ${size} px icon"
done
[ "$(dpkg-deb -c "$deb" | awk '$6 == "./usr/bin/bitlak" {print $8}')" = ../lib/bitlak/bin/bitlak ] ||
  fail "/usr/bin/bitlak is not the relative link to the program"
[ "$(dpkg-deb -c "$deb" | awk '$6 == "./usr/lib/bitlak/res/etc/words.txt" {print $8}')" = /etc/bitlak/words.txt ] ||
  fail "the course's word list is not the link to /etc/bitlak/words.txt"
for conffile in /etc/bitlak/words.txt /etc/bitlak/bitlak.conf; do
  dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles | grep -qxF "$conffile" ||
    fail "$conffile is not a configuration file"
done
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postinst | grep -q 'addgroup --quiet --system bitlak' ||
  fail "postinst does not make the bitlak group"
# Dependencies come from what the program links.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the linked Qt libraries"
dpkg-deb -f "$deb" Depends | grep -q 'libespeak-ng1' || fail "Depends lacks the reading voice's library"
dpkg-deb -f "$deb" Depends | grep -q 'espeak-ng-data' || fail "Depends lacks the reading voice's data"

root=$work/root
dpkg -x "$deb" "$root"
# Every screenshot the metainfo names is one of the project's own.
shots=$(grep -o '<image>[^<]*</image>' "$root/usr/share/metainfo/hu.bitlak.Bitlak.metainfo.xml" | sed 's|</image>||; s|.*/||')
[ -n "$shots" ] || fail "the metainfo names no screenshot"
for shot in $shots; do
  [ -f "$source/docs/screenshots/$shot" ] || fail "docs/screenshots/$shot is missing"
done

if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$root/usr/share/applications/bitlak.desktop"
  desktop-file-validate "$root/usr/share/xsessions/bitlak.desktop"
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/hu.bitlak.Bitlak.metainfo.xml"
fi
if command -v lintian > /dev/null; then
  lintian --fail-on error "$deb"
fi

# Offscreen screens are 800 x 600 unless told; the course needs 1024 x 768.
cat > "$work/screen.json" <<JSON
{"screens": [{"name": "school", "x": 0, "y": 0, "width": 1024, "height": 768,
              "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}
JSON
command -v inotifywait > /dev/null || fail "inotifywait (inotify-tools) is needed to see the first page"
inotifywait -m -e open --format %f "$root/usr/lib/bitlak/res/images" > "$work/opened" 2> "$work/watch.log" &
watcher=$!
for _ in $(seq 100); do grep -q 'Watches established' "$work/watch.log" && break; sleep 0.1; done
grep -q 'Watches established' "$work/watch.log" || fail "inotifywait did not start"

mkdir "$work/elsewhere"
(cd "$work/elsewhere" && exec env QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" \
   LSAN_OPTIONS="suppressions=$source/tests/support/lsan.supp" "$root/usr/bin/bitlak") &
course=$!
# The name page's background is read when the page is shown.
for _ in $(seq 600); do
  grep -q '^alap_screen_name_input.jpge$' "$work/opened" && break
  kill -0 "$course" 2>/dev/null || fail "the unpacked course ended before its first page"
  sleep 0.1
done
grep -q '^alap_screen_name_input.jpge$' "$work/opened" || fail "the name page did not appear within 60 s"
kill -TERM "$course"
code=0
wait "$course" || code=$?
course=
[ "$code" -eq 0 ] || fail "the course ended with code $code on SIGTERM"
echo "package: $(basename "$deb") holds the course, its media and desktop files; the unpacked course started and quit"
