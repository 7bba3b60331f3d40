#!/usr/bin/env bash
# Installs what is missing, builds, sets up the PDF printer queue and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
bash scripts/cups-pdf.sh # the PDF printer queue one test prints through
cd build
ctest --output-on-failure --no-tests=error --parallel "$(nproc)"
