#!/usr/bin/env bash
# Installs what is missing, builds the desktop program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/start-build.sh

scripts/deps.sh
build_start_configuration build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Plyfix is built (build/plyfix) but there is no display to show it on;" \
       "run it on a desktop, or offscreen with: QT_QPA_PLATFORM=offscreen build/plyfix"
  exit 0
fi
exec build/plyfix
