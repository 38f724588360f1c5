#!/usr/bin/env bash
# Developer entry point: installs what is missing, configures, builds
# incrementally, then runs the emulated terminal or every test.
#
#   scripts/dev.sh run [ARGS...]   the emulated device terminal (vexa-cli) on the
#                                  bundled sample router; ARGS go to vexa-cli
#   scripts/dev.sh test            build, then run every test with CTest
#   scripts/dev.sh build           build only
#
# PRESET chooses the CMake preset (default; "ci" turns warnings into errors).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config perl liblog4cpp5-dev libgtest-dev libgmock-dev libbenchmark-dev
          help2man dpkg-dev libssh-dev python3-netmiko)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}" >&2
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

preset="${PRESET:-default}"
build_dir="build/$preset"

build() {
  install_missing
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake --preset "$preset" >/dev/null
  fi
  cmake --build "$build_dir" -j "$(nproc)"
}

cmd="${1:-help}"
shift || true
case "$cmd" in
  build) build ;;
  test)
    build
    ctest --test-dir "$build_dir" -j "$(nproc)" --output-on-failure "$@"
    ;;
  run)
    build >&2
    exec "$build_dir/bin/vexa-cli" "$@"
    ;;
  help|-h|--help) sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//' ;;
  *) echo "dev.sh: error: unknown command '$cmd' (run, test, build)" >&2; exit 2 ;;
esac
