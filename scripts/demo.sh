#!/usr/bin/env bash
# Installs what is missing, builds movarel, lays out a demo tournament and starts the
# program on it: in a window when there is a display, otherwise headless through the demo
# script.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target movarel
demo=build/demo
rm -rf "$demo" && mkdir -p "$demo"
cp -r demo/. "$demo/"
build/src/shell/movarel --make-templates "$demo/zd"
cd "$demo"
export MOVAREL_WINDOWS_DIR="$PWD/windows"
mkdir -p "$MOVAREL_WINDOWS_DIR" torneo
# A ready tournament: created, typed in, seeded and played for a round by the program
# itself; it becomes the first recent entry of the menu.
sed "s|@FOLDER@|$PWD/torneo|" setup.script >setup.run
../src/shell/movarel --script setup.run >setup.transcript || {
  echo "the demo tournament could not be laid out; see $PWD/setup.transcript" >&2
  exit 1
}
if [ -n "${DISPLAY:-}" ]; then
  exec ../src/shell/movarel
else
  echo "== no display: the headless demo (demo/demo.script); its transcript follows"
  ../src/shell/movarel --script demo.script
  echo "== the pages it wrote, as text"
  python3 ../../scripts/page_text.py torneo/*.htm
fi
