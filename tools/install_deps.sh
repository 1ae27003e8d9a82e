#!/usr/bin/env bash
# Installs the Debian packages lorp's build, tests and examples use; only the
# missing ones, through apt-get.
set -euo pipefail

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
