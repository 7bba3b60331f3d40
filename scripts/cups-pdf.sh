#!/usr/bin/env bash
# Makes sure a PDF printer queue "vdlPDF" exists for the printing test: starts the print
# service when it is not running and adds the queue when it is missing. Fails when either
# cannot be done, so that the test printing through the queue fails instead of being skipped.
set -euo pipefail
queue=vdlPDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  if command -v systemctl >/dev/null && systemctl is-system-running >/dev/null 2>&1; then
    $sudo_cmd systemctl start cups
  else
    $sudo_cmd cupsd
  fi
  for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
  done
fi
lpstat -r | grep -q "is running" || { echo "cups-pdf.sh: the print service does not start" >&2; exit 1; }

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  [ -f "$ppd" ] || { echo "cups-pdf.sh: $ppd is missing (printer-driver-cups-pdf)" >&2; exit 1; }
  $sudo_cmd lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd"
fi
# Rendered by poppler's Cairo back end, the text of the PDF stays readable as text.
$sudo_cmd lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
$sudo_cmd cupsenable "$queue"
$sudo_cmd cupsaccept "$queue"
lpstat -p "$queue"
