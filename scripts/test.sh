#!/usr/bin/env bash
# Installs what is missing, builds, sets up the PDF printer queue and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Every test runs under a German, an English and the C locale; without them the run proves little.
for l in de_DE.utf8 en_US.utf8; do
  if ! locale -a 2>/dev/null | grep -qx "$l"; then
    echo "error: locale $l is missing (locale -a); generate it with scripts/install-deps.sh" >&2
    exit 1
  fi
done
bash scripts/build.sh
bash scripts/cups-pdf.sh # the PDF printer queue one test prints through
# The X display the tst_*_wm tests run on is started and stopped by CTest (scripts/xvfb-wm.sh).
cd build
ctest --output-on-failure --no-tests=error --parallel "$(nproc)"
