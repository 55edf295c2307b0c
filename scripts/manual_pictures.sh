#!/bin/bash
# Makes the manual's pictures (docs/manual/pictures) again from the pictures
# the screen tests take, scaled down to a page's width.
#   bash scripts/manual_pictures.sh [BUILD_DIR]
set -euo pipefail
BUILD=${1:-build}
OUT=docs/manual/pictures
TESTS=$BUILD/tests/crestwork_ui_tests
[ -x "$TESTS" ] || { echo "build $TESTS first (cmake --build $BUILD --target crestwork_ui_tests)" >&2; exit 1; }
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
CW_SCREENSHOT_DIR=$shots CW_SHOTS=$shots QT_QPA_PLATFORM=offscreen "$TESTS" \
  --gtest_filter='StarterScreen*Screenshot*:DevelopmentScreens*:InboxScreen*Screenshot:EmployeesScreen*:Sizes/CityOnMainScreen*1366x768_day' \
  > "$shots/run.log" 2>&1 || { tail -20 "$shots/run.log" >&2; exit 1; }
mkdir -p "$OUT"
# picture SHOT NAME: one test picture as the manual's NAME, at most 760 wide.
picture() {
  if [ ! -f "$shots/$1" ]; then echo "missing: $1 (the tests no longer take it)" >&2; return 1; fi
  convert "$shots/$1" -resize '760x760>' -strip PNG8:"$OUT/$2"
  echo "$OUT/$2"
}
picture main_after_start.png main_screen.png
picture starter.png starter.png
picture development.png development.png
picture project.png project.png
picture inbox.png inbox.png
picture employees.png employees.png
picture city_1366x768_day.png city.png
picture interview.png interview.png
