#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those missing.
set -euo pipefail

packages=(g++ cmake make qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-ipafont-gothic
          # the smoke test on a real X server: the server, a window manager, input
          # events and window queries, the clipboard, screenshots
          xvfb openbox xdotool x11-utils xclip imagemagick
          # the Debian package (cpack -G DEB reads the shared-library dependencies)
          dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
