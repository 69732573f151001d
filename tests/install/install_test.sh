#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what lands there, builds
# an example program outside the tree with pkg-config and with find_package,
# and runs both headless to an EPS file.   install_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "install_test: $*" >&2; exit 1; }
P=$tmp/prefix
cmake --install "$build" --prefix "$P" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "install failed"; }

[ "$(ls "$P/include")" = vok ] || fail "P/include holds more than vok/: $(ls "$P/include" | tr '\n' ' ')"
for f in include/vok/vok.h include/vok/platform/gfx/gfx.h lib/libvok.a lib/libvokplatform.a lib/pkgconfig/vok.pc \
         lib/cmake/vok/vokConfig.cmake bin/sheetgraph bin/contourgraph bin/surfacegraph share/man/man1/sheetgraph.1; do
  [ -e "$P/$f" ] || fail "missing $P/$f"
done

export PKG_CONFIG_PATH=$P/lib/pkgconfig
cflags=$(pkg-config --cflags vok)
# The public header compiles alone under a strict user's flags.
printf '#include <vok/vok.h>\n' >"$tmp/alone.cpp"
# shellcheck disable=SC2086
g++ -std=c++17 -Wall -Wextra -pedantic -Werror -fsyntax-only $cflags "$tmp/alone.cpp" || fail "vok/vok.h does not compile alone"

# shellcheck disable=SC2086
g++ -std=c++17 -o "$tmp/lissajous-pkgconfig" "$src/examples/lissajous.cpp" $cflags $(pkg-config --static --libs vok) ||
  fail "pkg-config build failed"
cmake -S "$src/tests/install/consumer" -B "$tmp/consumer" -DCMAKE_PREFIX_PATH="$P" \
  -DVOK_PROGRAM="$src/examples/lissajous.cpp" >"$tmp/consumer.log" 2>&1 &&
  cmake --build "$tmp/consumer" >>"$tmp/consumer.log" 2>&1 || { cat "$tmp/consumer.log"; fail "find_package build failed"; }

printf '%s\n' 'check "EPS Save Graph" on' 'press "OK"' 'saveas "graph.eps"' 'click 600 400' \
  'check "Exit Graph" on' 'press "OK"' >"$tmp/script"
for exe in "$tmp/lissajous-pkgconfig" "$tmp/consumer/lissajous"; do
  rm -f "$tmp/graph.eps"
  (cd "$tmp" && HOME=$tmp VOK_DISPLAY=headless VOK_SCRIPT=script "$exe") || fail "$exe ended with status $?"
  head -c 11 "$tmp/graph.eps" | grep -q '^%!PS-Adobe' || fail "$exe wrote no EPS file"
done
echo "install_test: installed, built both ways and ran"
