#!/usr/bin/env bash
# The dialog framework on real windows: templates, pages, list data, a message box, F1,
# the system menu and a nested modal dialog.
source "$(dirname "$0")/lib.sh"
prepare_prefix
"$RUN" "$BUILD/ui_smoke.exe" & PIDS+=($!)

expect "text 1093 Press F1 for help" "window UI smoke" "text 1093"
expect "state 1 enabled=1 visible=1 checked=0" "window UI smoke" "state 1"
expect "state 1058 enabled=1 visible=1 checked=1" "window UI smoke" "state 1058"
shot page-133
for page in 131 137 130 132; do
    expect "text 1093 page $page" "window UI smoke" "click 1" "text 1093"
    shot page-$page
done
# The port page: the sorted port list and the template's list data.
expect "item 0 KQCOM1:" "window UI smoke" "combo 1049"
expect "item 9 115200" "window UI smoke" "combo 1041"
expect "combo 1044 count=3 selected=0" "window UI smoke" "combo 1044"
expect "state 1052 enabled=0 visible=1 checked=0" "window UI smoke" "state 1052"
expect "state 1105 enabled=1 visible=0 checked=0" "window UI smoke" "state 1105"
# Back asks; the answer comes back into the hint line.
expect "box UI smoke: Go back?" "window UI smoke" "click 1002" "answer 2 UI smoke"
expect "text 1093 answered Cancel" "window UI smoke" "text 1093"
expect "text 1093 help pressed" "window UI smoke" "key F1" "text 1093"
expect "text 1091 Printer Driver Setup, version 1.0" "window UI smoke" "syscommand 16" \
    "window About Printer Driver Setup" "text 1091"
shot about
expect "gone About Printer Driver Setup" "window About Printer Driver Setup" "click 1" "wait-gone About Printer Driver Setup"
expect "text 1093 about 1" "window UI smoke" "text 1093"
expect "gone UI smoke" "window UI smoke" "click 2" "wait-gone UI smoke"
wait "${PIDS[0]}"
echo "ui smoke passed"
