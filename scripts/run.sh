#!/usr/bin/env bash
# Installs what is missing, builds, and starts vdlRechner with the given arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec ./build/vdlRechner "$@"
