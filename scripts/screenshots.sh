#!/usr/bin/env bash
# Takes pictures of the shell's windows (splash, login, company dialog, main window with the
# quick-launch window, the other dialogs) on a virtual X display with the real fonts, renders
# the printed returns to PDF and their pages to pictures (pdftoppm), and
# checks that the program itself starts on a fresh database and reaches the login.
#
#   bash scripts/screenshots.sh [OUTPUT_DIR]      (default: build/screenshots)
#
# Needs a built tree (build/), xvfb-run and pdftoppm. Look at the PNG files afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)

# The windows, grabbed by the look test on a real (virtual) X server.
CORVANE_SCREENSHOTS="$out" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x900x24" build/bin/uitest_ShellLookTest -silent
CORVANE_SCREENSHOTS="$out" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x900x24" build/bin/uitest_OtherPayLookTest -silent
# The back-pay sheet with two months, its posted view and its dialogs.
CORVANE_SCREENSHOTS="$out" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x900x24" build/bin/uitest_BackPayLookTest -silent
# Every page of the wage data import wizard.
CORVANE_SCREENSHOTS="$out" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x900x24" build/bin/uitest_WageImportLookTest -silent

# The query windows with results, and the payroll windows (catalogue, item dialog, wage window
# with a generated sheet, generation and posting dialogs).
for t in WageReportWindowsTest TaxQueryWindowsTest ThreeFundWindowTest PayrollLookTest; do
  CORVANE_SCREENSHOTS="$out" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x900x24" "build/bin/uitest_$t" -silent
done

# The withholding returns with a month of lifelike rows, and their blank forms, as PDF and as
# pictures of every page (return-*.pdf, return-*-N.png).
CORVANE_SCREENSHOTS="$out" QT_QPA_PLATFORM=offscreen \
  build/bin/test_returns --gtest_filter='ReturnPictures.*' >/dev/null
for pdf in "$out"/return-*.pdf; do
  pdftoppm -r 90 -png "$pdf" "${pdf%.pdf}"
done

# The program on a fresh database: it must still be running (at the login) after a few
# seconds, not have ended with an error.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
build/bin/corvane-cli create-database "$home/Halvek.mdb" >/dev/null
set +e
CORVANE_INSTANCE_KEY="corvane-screenshots-$$" QT_QPA_PLATFORM=offscreen \
  timeout 4 build/bin/corvane --home "$home"
rc=$?
set -e
if [ "$rc" -ne 124 ]; then
  echo "corvane ended early (exit $rc) instead of waiting at the login" >&2
  exit 1
fi
echo "corvane reached the login; pictures in $out:"
ls "$out"
