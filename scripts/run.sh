#!/bin/sh
# Installs what is missing, builds, and starts the editor with an optional file.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
# Under root, Qt warns about XDG_RUNTIME_DIR; give it a private one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
fi
exec ./build/wrenpad "$@"
