#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves the installed tree (it
# must not depend on where it was installed), then builds a consumer with
# find_package and with pkg-config and runs it and an installed program from
# a folder outside the source tree, with no resource variable set; checks
# the Debian package that cpack builds from the same tree.
#
#   install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
# A pipe into "grep -q" can fail under pipefail: grep stops at the first
# match and the writer gets SIGPIPE.  Outputs are read whole and searched
# with here-strings instead.
build_dir=$1
source_dir=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/vexa-install-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
unset VEXA_RESOURCE_DIR

fail() { echo "install test: $*" >&2; exit 1; }

cmake --install "$build_dir" --prefix "$work/staged" >/dev/null
mv "$work/staged" "$work/prefix"
prefix=$work/prefix
libdir=$(dirname "$(find "$prefix" -name 'libvexa.so' -print -quit)")
[ -n "$libdir" ] || fail "no libvexa.so installed"
[ -f "$prefix/share/vexa/files/configuration_mod.cfm" ] || fail "no grammar under share/vexa"
[ -L "$libdir/libvexa.so" ] || fail "libvexa.so is not the development link"
grep -q 'SONAME *libvexa.so.0' <<<"$(objdump -p "$libdir/libvexa.so")" || fail "SONAME is not libvexa.so.0"

cd "$work"   # outside the source tree from here on

# find_package(vexa CONFIG)
cmake -S "$source_dir/tests/install/consumer" -B "$work/consumer-build" -G Ninja \
      -DCMAKE_PREFIX_PATH="$prefix" >/dev/null || fail "consumer does not configure"
cmake --build "$work/consumer-build" >/dev/null || fail "consumer does not build"
out=$(LD_LIBRARY_PATH="$libdir" "$work/consumer-build/consumer") || fail "consumer failed: $out"
grep -qx "resources: $prefix/share/vexa/" <<<"$out" || fail "consumer used other resources: $out"

# pkg-config --cflags --libs vexa
flags=$(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs vexa) ||
  fail "pkg-config does not know vexa"
g++ "$source_dir/tests/install/consumer/consumer.cpp" $flags -o "$work/consumer-pc" ||
  fail "consumer does not build with pkg-config"
LD_LIBRARY_PATH="$libdir" "$work/consumer-pc" >/dev/null || fail "pkg-config consumer failed"

# an installed program, found by its own rpath, with the installed grammar
printf 'interface Loopback0\n ip address 10.0.0.1 255.255.255.255\n' >"$work/in.cfg"
"$prefix/bin/vexa-config" check --strict "$work/in.cfg" >/dev/null ||
  fail "installed vexa-config does not recognise a plain interface"
grep -q '^vexa-config (vexa) ' <<<"$("$prefix/bin/vexa-config" --version)" || fail "no --version"
if command -v help2man >/dev/null; then
  [ -f "$prefix/share/man/man1/vexa-config.1" ] || fail "no man page for vexa-config"
fi
# the Debian package: its dependencies and the installed layout
if command -v dpkg-shlibdeps >/dev/null; then
  cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/deb" >/dev/null ||
    fail "cpack -G DEB failed"
  deb=$(find "$work/deb" -maxdepth 1 -name 'vexa_*.deb' -print -quit)
  [ -n "$deb" ] || fail "no .deb built"
  grep -q 'perl' <<<"$(dpkg-deb -f "$deb" Depends)" || fail "the package does not depend on perl"
  contents=$(dpkg-deb -c "$deb")
  for path in ./usr/bin/vexa-config ./usr/share/vexa/files/configuration_mod.cfm \
              ./usr/lib/cmake/vexa/vexaConfig.cmake; do
    grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
  done
fi
echo "install test: ok ($prefix)"
