#!/usr/bin/env bash
# Builds the Windows program from the same sources on Debian, with Debian's MinGW-w64 cross
# compiler and a static wxWidgets for MSW built from Debian's own source package, then runs
# the core's and the script driver's tests and the demo under Wine. Leaves
# build-windows/movarel.exe and build-windows/movarel-windows.zip.
# The cross-built wxWidgets is kept in ~/.cache/movarel (MOVAREL_CACHE), keyed by its version
# and by the recipe below, so only the first run builds it.
#   bash scripts/windows.sh            everything
#   bash scripts/windows.sh --no-gui   the headless program only: no wxWidgets, no pictures
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
host=x86_64-w64-mingw32
cache=${MOVAREL_CACHE:-$HOME/.cache/movarel}
build=build-windows
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

seconds_since() { echo $(($(date +%s) - $1)); }

install_packages() {
  local packages=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 dpkg-dev zip cmake ninja-build
                  xvfb xauth imagemagick x11-apps)
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  # wxWidgets comes as Debian's source package, which needs a deb-src line for this release.
  local need_update=0
  if ! grep -rqsE '^[[:space:]]*(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "Adding the deb-src line for $codename"
    $sudo_cmd tee /etc/apt/sources.list.d/movarel-deb-src.sources >/dev/null <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    need_update=1
  fi
  if ((${#missing[@]})) || ((need_update)); then
    export DEBIAN_FRONTEND=noninteractive
    $sudo_cmd apt-get update -qq
    if ((${#missing[@]})); then
      echo "Installing: ${missing[*]}"
      $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
  fi
}

source_version() { apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -n 1; }

# Unpacks Debian's source package $1 (with Debian's patches) into the directory $2.
unpack_source() {
  local package=$1 dir=$2 work
  work=$(mktemp -d)
  (cd "$work" && apt-get source -qq "$package" >/dev/null 2>&1) || {
    echo "apt-get source $package failed"; return 1; }
  rm -rf "$dir"
  mv "$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)" "$dir"
  rm -rf "$work"
}

# wxWidgets for MSW, static, with only what the program uses: the core and base libraries
# (adv is part of core since 3.1), PNG for the pictures of windows and the print preview,
# no XML, HTML, web view, media, OpenGL or network classes. libpng is not in Debian for
# MinGW and is left out of wxWidgets' source package, so it is cross-built from Debian's too.
# A cold build has to fit in CI's time beside the Linux tests: precompiled headers halve the
# time spent reading wx's own headers, and -O1 the time spent optimising code that mostly
# waits on the user (its windows are no slower for it).
wx_flags=-O1
wx_options=(
  --with-msw --disable-shared --disable-tests --enable-pch
  --with-libpng=sys --with-zlib=sys --without-libjpeg --without-libtiff --without-expat
  --without-regex --without-liblzma --without-opengl --without-nanosvg
  --disable-xrc --disable-html --disable-webview --disable-mediactrl --disable-stc
  --disable-richtext --disable-aui --disable-ribbon --disable-propgrid --disable-debugreport
  --disable-sockets --disable-ipv6 --disable-protocols --disable-url --disable-fs_inet
  --disable-webrequest --disable-secretstore --disable-sound --disable-joystick --disable-svg
)

build_wx() {
  local wx_version png_version recipe
  wx_version=$(source_version wxwidgets3.2)
  png_version=$(source_version libpng1.6)
  recipe=$(printf '%s\n' "$png_version" "$wx_flags" "${wx_options[@]}" | sha1sum | cut -c1-8)
  wx_prefix="$cache/wx-msw-$wx_version-$recipe"
  if [ -f "$wx_prefix/done" ]; then
    echo "== wxWidgets $wx_version for MSW: cached in $wx_prefix"
    return
  fi
  echo "== wxWidgets $wx_version for MSW: building into $wx_prefix (once)"
  local start src=$cache/src
  start=$(date +%s)
  mkdir -p "$src"
  rm -rf "$wx_prefix"
  local cc="$host-gcc-posix" cxx="$host-g++-posix"
  if command -v ccache >/dev/null; then cc="ccache $cc"; cxx="ccache $cxx"; fi

  unpack_source libpng1.6 "$src/libpng"
  (cd "$src/libpng" && CC="$cc" ./configure -q --host=$host --prefix="$wx_prefix" \
     --disable-shared --enable-static >/dev/null && make -j"$jobs" -s >/dev/null && make -s install >/dev/null 2>&1)

  unpack_source wxwidgets3.2 "$src/wx"
  mkdir -p "$src/wx/build-msw"
  # The processor time is kept beside the wall time: it tells what a cold build costs on a
  # quiet machine even when this one was busy.
  local timed=()
  [ -x /usr/bin/time ] && timed=(/usr/bin/time -f "%U %S" -o "$src/wx/cpu-seconds")
  (cd "$src/wx/build-msw" &&
   CC="$cc" CXX="$cxx" CFLAGS="$wx_flags" CXXFLAGS="$wx_flags" CPPFLAGS="-I$wx_prefix/include" \
   LDFLAGS="-L$wx_prefix/lib" \
     ../configure -q --host=$host --build="$(../config.guess)" --prefix="$wx_prefix" "${wx_options[@]}" \
       >configure.log &&
   "${timed[@]}" make -j"$jobs" -s >make.log 2>&1 && make -s install >/dev/null 2>&1) || {
    echo "wxWidgets did not build: see $src/wx/build-msw/"; exit 1; }
  local cpu=""
  [ -f "$src/wx/cpu-seconds" ] && cpu=$(awk '{printf "%d", $1 + $2}' "$src/wx/cpu-seconds")
  rm -rf "$src/wx" "$src/libpng"
  seconds_since "$start" >"$wx_prefix/build-seconds"
  touch "$wx_prefix/done"
  echo "wxWidgets built in $(cat "$wx_prefix/build-seconds") s${cpu:+ (its compilation: $cpu s of processor time)}"
}

build_project() {
  echo "== movarel for Windows"
  local start launcher=()
  start=$(date +%s)
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  local gui=(-DMOVAREL_GUI=OFF)
  [ -n "$wx_prefix" ] && gui=(-DMOVAREL_GUI=ON -DCMAKE_PREFIX_PATH="$wx_prefix"
                              -DwxWidgets_CONFIG_EXECUTABLE="$wx_prefix/bin/wx-config")
  cmake -S . -B $build -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DMOVAREL_BENCH=OFF "${gui[@]}" "${launcher[@]}" >/dev/null
  local targets=(movarel lock_probe "${wine_test_binaries[@]}")
  [ -n "$wx_prefix" ] && targets+=(ui_wx_tests)
  cmake --build $build -j "$jobs" --target "${targets[@]}"
  cp $build/src/shell/movarel.exe $build/movarel.exe
  $host-strip $build/movarel.exe
  echo "movarel.exe built in $(seconds_since "$start") s"
}

package() {
  local stage=$build/zip/movarel
  rm -rf $build/zip $build/movarel-windows.zip
  mkdir -p $stage
  cp $build/movarel.exe $stage/
  cp README.md $stage/LEEME.txt
  cp -r demo $stage/demo
  (cd $build/zip && zip -qr ../movarel-windows.zip movarel)
  echo "== $build/movarel-windows.zip: $(du -h $build/movarel-windows.zip | cut -f1)"
}

# Wine keeps its prefix outside the work tree too; the first start sets it up.
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="  # no .NET or browser engine: no installer dialogs
wine=/usr/lib/wine/wine64
export build wine wx_prefix

setup_wine() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== setting up the Wine prefix $WINEPREFIX"
    $wine wineboot --init >/dev/null 2>&1
  fi
  $wine wineboot --shutdown >/dev/null 2>&1 || true
}

# Left out under Wine: Wine keeps a file's case when it is renamed to another case of its
# own name (Windows changes it).
wine_skipped="Files.RenameRefusesToOverwriteButMayChangeCase"

run_wine_tests() {
  local name binary log failed=0
  for name in "${wine_test_binaries[@]}"; do
    binary=$build/tests/${name%_tests}/$name.exe
    log=$build/$(basename "$binary" .exe).log
    echo "== $(basename "$binary") under Wine"
    if $wine "$binary" --gtest_brief=1 --gtest_filter="-$wine_skipped" >"$log" 2>&1; then
      tail -n 2 "$log"
    else
      tail -n 60 "$log"
      echo "$(basename "$binary") failed under Wine (whole log: $log)"
      failed=1
    fi
  done
  return $failed
}

# The test binaries run headless under Wine: the tables and indexes, the script driver, and the
# pure engines (pairing with the independent engine's cases, TRF, tie-breaks). The wx
# backend's tests need a display and run in windows_checks.sh.
wine_test_binaries=(storage_tests ui_tests pairing_tests trf_tests tiebreaks_tests)

wx_prefix=""
install_packages
[ "${1:-}" = "--no-gui" ] || build_wx
[ "${1:-}" = "--wx-only" ] && exit 0
build_project
package
setup_wine
status=0
run_wine_tests || status=1
bash scripts/windows_checks.sh || status=1
exit $status
