#!/usr/bin/env bash
# Books, magazines and gifts in a real window under its own X server. A saved game
# (tests/fixtures/savegame/reading_evening.xml), on the way home, whose player owns a bunch of flowers, a half-read
# physics book and an issue of a magazine is loaded from the load menu. On the assets panel the
# book opens its details; Read spends the evening on it and the reading dialog opens; Escape
# closes it. The magazine's issue and the gift each open their dialog, and Escape leaves each. A
# screenshot of every step lands in /tmp/vorla2-books-*.png.
#
# Usage: books.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-books
pass_message="a save loaded, the book's details, an evening's reading and its dialog, the magazine's and the gift's dialogs, Escape leaving each"

prepare_world() {
  put_save reading_evening.xml "reading evening"
}

source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# The assets panel's icons, in the table's order: the flowers, the book, the magazine's issue.
gift_icon_x=475
book_icon_x=525
magazine_icon_x=575
icon_y=35

# dialog_over REF GEOMETRY: the screen now differs from REF inside the dialog's rectangle.
dialog_over() { peek && differs "$1" "$2" 2000; }
# dialog_gone REF GEOMETRY: the screen there is back as it was.
dialog_gone() { peek && ! differs "$1" "$2" 2000; }

# settled GEOMETRY: the screen there is the same after half a second.
settled() {
  local earlier
  peek && earlier=$(keep) && sleep 0.5 && peek && ! differs "$earlier" "$1" 200
}

# open_dialog NAME X Y GEOMETRY: a click on an asset icon (or button) until its dialog covers the
# rectangle; then its screenshot.
open_dialog() {
  local before
  point 200 500
  peek
  before=$(keep)
  click "$2" "$3"
  point 200 700
  wait_until 60 "the $1 dialog" dialog_over "$before" "$4" || return 1
  sleep 0.5
  close_hint
  shot "$1"
  echo "$before" >"$work/before-$1"
}

# escape_dialog NAME GEOMETRY: Escape until the screen there is back as it was before the dialog.
escape_dialog() {
  local before
  before=$(cat "$work/before-$1")
  xdotool key --window "$wid" Escape
  wait_until 60 "Escape to close the $1 dialog" dialog_gone "$before" "$2" || return 1
}

load_first_save || finish
sleep 1
close_hint
day_to_evening || finish
sleep 1
close_hint
shot evening

# The book: 460 x 240 in the middle; its Read button gold while the day lasts.
book_box=460x240+282+264
open_dialog book-details "$book_icon_x" "$icon_y" "$book_box" || finish
on_screen is_gold 470 462 || { fail "the book's Read button is not lit"; finish; }
reading_box=480x330+272+219
before_read=$(keep)
click 470 462
point 200 700
wait_until 60 "the reading dialog" dialog_over "$before_read" 480x60+272+219 || finish
sleep 0.5
close_hint
shot reading
grep -q 'STAND-IN: GUI_BookReading' "$log" && fail "the reading dialog is a stand-in"
xdotool key --window "$wid" Escape
point 200 500
# Reading ends the day: the sky fades to night, which the next dialog's comparisons must not see.
wait_until 30 "the night sky to settle" settled 480x220+272+274 || finish
shot reading-closed

# The magazine's issue: 480 x 220 in the middle.
magazine_box=480x220+272+274
open_dialog magazine "$magazine_icon_x" "$icon_y" "$magazine_box" || finish
escape_dialog magazine "$magazine_box" || finish

# The gift: 550 x 250 in the middle; without a partner only Take it back is lit.
gift_box=550x250+237+259
open_dialog gift "$gift_icon_x" "$icon_y" "$gift_box" || finish
on_screen is_gold 300 467 || fail "the gift's Take it back button is not lit"
escape_dialog gift "$gift_box" || finish
shot left

leave_and_quit
finish
