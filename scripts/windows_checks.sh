#!/usr/bin/env bash
# The checks of the Windows build under Wine, run by scripts/windows.sh once movarel.exe is
# built (it exports build and wine):
# - the demo, laid out and run by movarel.exe --script in a folder with an accented name,
#   gives the transcript of the Linux build (paths aside) and byte-identical files;
# - a lock held by one Windows process refuses the same lock to another, and frees it
#   when that process ends (exclusive open, and record lock on a shared table);
# - the main window and the pairing editor are shown with the MSW controls under Xvfb and
#   photographed into $build/screenshots;
# - the wx backend's own tests pass with the MSW controls, under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
: "${build:?}" "${wine:?}"
failed=0
fail() { echo "FAILED: $*"; failed=1; }

linux_movarel=build/src/shell/movarel
[ -x $linux_movarel ] || [ ! -x build-asan/src/shell/movarel ] || linux_movarel=build-asan/src/shell/movarel
if [ ! -x $linux_movarel ]; then
  echo "== the Linux build's movarel, to compare with"
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
  cmake --build build -j "$(nproc)" --target movarel
fi

# Lays out the demo in $build/demo-SIDE/<accented folder> and runs its script with the
# program given after SIDE.
accented="Torneos año ñandú"
run_demo() {
  local side=$1 dir
  shift
  dir=$root/$build/demo-$side/$accented
  rm -rf "$root/$build/demo-$side"
  mkdir -p "$dir/windows" "$dir/torneo"
  cp -r demo/. "$dir/"
  (cd "$dir" &&
   export MOVAREL_WINDOWS_DIR="$dir/windows" &&
   "$@" --make-templates "$dir/zd" &&
   sed "s|@FOLDER@|$dir/torneo|" setup.script >setup.run &&
   "$@" --script setup.run >setup.transcript &&
   "$@" --script demo.script >demo.transcript) || fail "the demo did not run on $side (see $dir)"
}

# The transcript with the demo folder, however the program spelled it, as @FOLDER@, and
# Windows' separators after it as "/"; the about box's list of libraries differs by system.
normalised() {
  local dir=$1 file=$2 windows_dir
  windows_dir="Z:${dir//\//\\}"
  sed -e "s|${windows_dir//\\/\\\\}|@FOLDER@|g" -e "s|Z:$dir|@FOLDER@|g" -e "s|$dir|@FOLDER@|g" \
      -e ':a' -e 's|\(@FOLDER@[^|]*\)\\|\1/|' -e 'ta' -e 's|Realizado con .*|Realizado con (bibliotecas)|' "$file"
}

echo "== the demo under Wine against the Linux build, in \"$accented\""
run_demo linux "$root/$linux_movarel"
run_demo windows "$wine" "$root/$build/movarel.exe"
for transcript in setup.transcript demo.transcript; do
  if ! diff <(normalised "$root/$build/demo-linux/$accented" "$build/demo-linux/$accented/$transcript") \
            <(normalised "$root/$build/demo-windows/$accented" "$build/demo-windows/$accented/$transcript") \
            >"$build/$transcript.diff"; then
    fail "$transcript differs from Linux's: $build/$transcript.diff"
  fi
done
# Every table, index, page and template byte for byte (tq.ini and the scripts name paths).
if ! diff -r --exclude='*.transcript' --exclude=setup.run --exclude=tq.ini \
      "$build/demo-linux/$accented" "$build/demo-windows/$accented" >"$build/demo-files.diff"; then
  fail "the files written differ from Linux's: $build/demo-files.diff"
fi
compared=$(find "$build/demo-windows/$accented" -type f | wc -l)
echo "$compared files compared"

echo "== a lock held by one Windows process, refused to another"
probe=$build/tests/storage/lock_probe.exe
table=$build/demo-windows/$accented/torneo/torneos.dbf
[ -f "$table" ] || table=$(find "$build/demo-windows/$accented/torneo" -iname '*.dbf' | head -n 1)
for what in open record; do
  fifo=$(mktemp -u) && mkfifo "$fifo"
  "$wine" "$probe" hold "$table" $what <"$fifo" >"$build/lock-$what.out" 2>&1 &
  holder=$!
  exec 3>"$fifo"
  for _ in $(seq 120); do grep -q held "$build/lock-$what.out" && break; sleep 0.5; done
  if ! grep -q held "$build/lock-$what.out"; then
    fail "the holder could not take the $what lock: $(cat "$build/lock-$what.out")"
  else
    rc=0; "$wine" "$probe" try "$table" $what >/dev/null 2>&1 || rc=$?
    [ $rc -eq 3 ] || fail "the $what lock held by another process was not refused (status $rc)"
  fi
  exec 3>&-
  wait $holder || true
  rm -f "$fifo"
  rc=0; "$wine" "$probe" try "$table" $what >/dev/null 2>&1 || rc=$?
  [ $rc -eq 0 ] || fail "the $what lock was refused after its holder ended (status $rc)"
  [ $failed -eq 0 ] && echo "$what: refused while held, granted after"
done

if [ -z "${wx_prefix:-}" ]; then
  echo "== built without windows: no pictures"
  exit $failed
fi
echo "== the windows under Wine and Xvfb"
shots=$build/screenshots
rm -rf "$shots" && mkdir -p "$shots"
windowed_run() {
  rm -rf "$root/$build/screens" && cp -r "$root/$build/demo-windows/$accented" "$root/$build/screens"
  (cd "$root/$build/screens" &&
   MOVAREL_WINDOWS_DIR="$PWD/windows" MOVAREL_SCREENSHOT_DIR="$root/$shots" \
     xvfb-run -a -s "-screen 0 1280x1024x24" "$wine" "$root/$build/movarel.exe" \
       --script "$root/scripts/windows_screens.script" --gui >"$root/$shots/transcript.txt" 2>&1)
}
# The Wine server of the headless runs above outlives them by a few seconds, and a window
# opened through it has no display: the program then stops at its first dialog. The windowed
# run waits for that server to end and so starts one of its own on the virtual display.
/usr/lib/wine/wineserver64 -w || true
windowed_run || fail "the windowed script did not end well: $shots/transcript.txt"
ls "$shots"/*.png >/dev/null 2>&1 || fail "no pictures of the windows in $shots"
echo "pictures: $(cd "$shots" && ls *.png 2>/dev/null | tr '\n' ' ')"

echo "== the wx backend's tests under Wine and Xvfb: every kind of control through its events"
/usr/lib/wine/wineserver64 -w || true
log=$build/ui_wx_tests.log
if xvfb-run -a -s "-screen 0 1280x1024x24" "$wine" "$build/tests/ui_wx/ui_wx_tests.exe" --gtest_brief=1 \
     >"$log" 2>&1; then
  # Wine's last words are about the display going away; the summary is what counts.
  grep -E "test suites ran|PASSED" "$log" | tr -d '\r'
else
  tail -n 60 "$log"
  fail "the wx backend's tests failed under Wine (whole log: $log)"
fi

exit $failed
