#!/usr/bin/env bash
# lorp's test command: installs what is missing, configures, builds and runs
# every test through ctest. Usage: tools/test.sh [--werror] [--sanitize]
#   --werror    warnings are errors (CI turns this on)
#   --sanitize  build and test with -fsanitize=address,undefined (in build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."

werror=OFF
sanitize=OFF
build_dir=build
for arg in "$@"; do
  case "$arg" in
    --werror) werror=ON ;;
    --sanitize) sanitize=ON; build_dir=build-asan ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
  esac
done

# Debian packages the build and the tests use; only missing ones are installed.
packages=(cmake g++ make libgtest-dev libbenchmark-dev libxml2-dev zlib1g-dev libpng-dev
          libjpeg62-turbo-dev libfreetype-dev libssl-dev python3-dev python3-pytest
          qpdf poppler-utils mupdf-tools librsvg2-bin libxml2-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DLORP_WERROR="$werror" -DLORP_SANITIZE="$sanitize" -DLORP_BUILD_BENCH=ON
cmake --build "$build_dir" -j "$jobs"
cd "$build_dir"
ctest --output-on-failure -j "$jobs"
