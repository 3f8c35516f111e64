#!/usr/bin/env bash
# The job market in a real window under its own X server, in a private world whose cheats file gives
# the player the skills most jobs ask for and a persuasive manner. A new game is played to its first
# evening; the control panel's job button opens the career window, its button the job search, an
# industry icon the job browser, which is paged by its arrow and by the mouse wheel until a job the
# player may apply for shows; the application is sent. Two nights later the answer is in the phone:
# the offer is opened and accepted (a rejection is answered by applying again), and the career
# window then shows the new job. The world's best friend puts in a word every night (no interval, a
# sure chance; no friend invites, as in every world whose script leaves the tuning alone): the
# friend's call is opened, closed by its close button, opened again from the inbox where it stayed,
# and accepted; the career window then shows the unlocked job. A screenshot of every step lands in
# /tmp/vorla2-job-market-*.png.
#
# Usage: job_market.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-job-market
pass_message="the career window, the job search, the browser paged by button and wheel, an application, its answer from the phone accepted, the new job in the career window, a friend's unlocked job closed, reopened and taken"
prepare_world() {
  local config
  config=$(replace_data config.txt)
  sed -e 's/^JOB_UNLOCK_INTERVAL=.*/JOB_UNLOCK_INTERVAL=0/' \
      -e 's/^JOB_UNLOCK_CHANCE=.*/JOB_UNLOCK_CHANCE=1/' \
      -e 's/^JOB_UNLOCK_MIN_RELATIONSHIP=.*/JOB_UNLOCK_MIN_RELATIONSHIP=0/' \
      -e 's/^GV_NPC_INVITEPROB=.*/GV_NPC_INVITEPROB=0/' \
      "$src/data/config.txt" >"$config"
  printf '#,%s\n' persuasion,1.0 charisma,1.0 confidence,1.0 culture,1.0 culture_arts,1.0 extravert,1.0 \
    first_aid,1.0 fitness,1.0 iq,1.0 iq_knowledge,1.0 iq_logic,1.0 iq_problemsolving,1.0 iq_reasoning,1.0 \
    basic_biology,1.0 basic_chemistry,1.0 basic_physics,1.0 music_guitar,1.0 music_piano,1.0 \
    music_saxophone,1.0 xp_writing,1.0 >"$work/res/data/cheats.txt"
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# The career window's and the job search's hints (their windows at 560,160).
shut_hints() {
  sleep 0.5
  shut_hint 830 182 || return 1
  shut_hint 632 142 || return 1
}
count() { grep -c -- "$1" "$log"; }
last() { grep -- "$1" "$log" | tail -n1; }

# The layout: the career window (445 x 415) and the job search (420 x 368) at the left edge,
# centred on the 768-pixel height; the browser (450 x 531) likewise.
career_open() {
  local before
  before=$(count '^Career window: ')
  click 840 737
  point 500 60
  wait_log_line 60 "the job button to open the career window" "$before" '^Career window: ' || return 1
  shut_hints
}
search_open() {
  local before
  before=$(count '^Job search: ')
  click 222 569
  point 500 60
  wait_log_line 60 "the search button to open the job search" "$before" '^Job search: ' || return 1
  shut_hints
}
icon_x() { echo $((75 + 90 * ($1 % 4))); }
icon_y() { echo $((313 + 90 * ($1 / 4))); }

# find_job: from the job search, each industry in turn until its browser shows a job the player
# may apply for; the browser is paged by its next button and by the wheel.
find_job() {
  local i before jobs pages
  for i in $(seq 0 7); do
    before=$(count '^Job browser: ')
    click "$(icon_x "$i")" "$(icon_y "$i")"
    point 225 400
    wait_log_line 60 "industry $i to open the browser" "$before" '^Job browser: ' || return 1
    sleep 0.5
    [ "$i" -eq 0 ] && shot browser
    jobs=$(last '^Job browser: ' | sed 's/.*, \([0-9]*\) jobs$/\1/')
    for pages in $(seq 1 "$jobs"); do
      last '^Job advert: ' | grep -q '(can apply)$' && return 0
      [ "$pages" -eq "$jobs" ] && break
      before=$(count '^Job advert: ')
      if [ $((pages % 2)) -eq 1 ]; then
        click 404 604
      else
        xdotool click 5
      fi
      point 225 400
      wait_log_line 10 "the browser to page" "$before" '^Job advert: ' || return 1
      sleep 0.3
      shot "advert-$i-$pages"
    done
    before=$(count '^Job search: ')
    click 31 150
    point 500 60
    wait_log_line 60 "the back button to reopen the job search" "$before" '^Job search: ' || return 1
    sleep 0.3
  done
  return 1
}

# open_row TYPE: the inbox's rows from the top until a message of that type opens.
open_row() {
  local row opened
  for row in $(seq 0 12); do
    # A hint that came up meanwhile (a friend's cold shoulder) takes the clicks until it is closed.
    close_hint 162 || return 1
    close_hint || return 1
    opened=$(count '^Phone message opened: ')
    click 150 $((164 + 127 + 14 + 32 * row))
    point 500 60
    wait_log_line 5 "row $row to open its message" "$opened" '^Phone message opened: ' || return 1
    last '^Phone message opened: ' | grep -q "type $1 " && return 0
    sleep 0.3
    xdotool key Escape
    sleep 0.3
  done
  return 1
}
xdotool windowfocus --sync "$wid" 2>/dev/null
point 200 100
new_game_from_menu || finish
wait_log_line 60 "New game to open a morning page" 0 '^Day page: waking up' || finish
day_to_evening 500 100 || finish
close_hint || finish

accepted=""
for attempt in 1 2 3; do
  career_open || finish
  sleep 0.5
  shot career
  search_open || finish
  sleep 0.5
  shot job-search
  find_job || { fail "no job the player may apply for in any industry"; finish; }
  shot advert-to-apply
  applied=$(count '^Applied for the job ')
  click 225 608
  point 500 60
  wait_log_line 60 "the apply button to send the application" "$applied" '^Applied for the job ' || finish
  job=$(last '^Applied for the job ' | sed 's/^Applied for the job \([0-9]*\).*/\1/')
  sleep 0.5
  shot applied

  # Two nights: the rest of this evening and the next day, then the third day's evening.
  if on_screen evening_panel; then
    day_play_to_night || finish
  else
    click 988 737
    point 500 100
  fi
  day_play_to_night || finish
  day_to_evening 500 100 || finish
  close_hint || finish
  sleep 1

  # P: the inbox; its rows from the top until the answer opens.
  inboxes=$(count '^Inbox: ')
  xdotool key p
  wait_log_line 10 "P to open the inbox" "$inboxes" '^Inbox: ' || finish
  sleep 1
  shot inbox
  answers=$(count '^Job offer dialog: ')
  open_row 1 || { fail "no answer to the application in the inbox"; finish; }
  wait_log_line 10 "the answer's dialog" "$answers" '^Job offer dialog: ' || finish
  sleep 0.5
  shut_hint 632 52 || finish
  if last '^Job offer dialog: ' | grep -q "^Job offer dialog: offered job $job\$"; then
    shot offer
    click 627 492
    point 500 60
    wait_log_line 10 "accept to take the job" 0 '^Job offer accepted: ' || finish
    accepted=yes
    sleep 0.5
    shot accepted
    break
  fi
  shot rejection
  xdotool key Escape
  sleep 0.5
  xdotool key Escape
  sleep 0.5
done
[ -n "$accepted" ] || { fail "no offer in three applications"; finish; }

# The career window shows the new job.
xdotool key Escape
sleep 0.8
career_open || finish
last '^Career window: ' | grep -q "^Career window: job $job," || fail "the career window does not show job $job: $(last '^Career window: ')"
sleep 0.5
shot career-new-job

click 840 737
point 500 60
sleep 0.8
inboxes=$(count '^Inbox: ')
xdotool key p
wait_log_line 10 "P to open the inbox" "$inboxes" '^Inbox: ' || finish
sleep 1
unlocks=$(count '^Job unlock dialog: ')
open_row 0 || { fail "no friend's job offer in the inbox"; finish; }
wait_log_line 10 "the unlock dialog" "$unlocks" '^Job unlock dialog: ' || finish
unlocked=$(last '^Job unlock dialog: ' | sed 's/^Job unlock dialog: job \([0-9]*\)$/\1/')
sleep 0.5
shot unlock
# The close button: the message stays in the inbox, and opens the same offer again.
click 726 275
point 500 60
sleep 0.8
shot unlock-closed
unlocks=$(count '^Job unlock dialog: ')
open_row 0 || { fail "the friend's message left the inbox when its dialog was closed"; finish; }
wait_log_line 10 "the unlock dialog again" "$unlocks" '^Job unlock dialog: ' || finish
last '^Job unlock dialog: ' | grep -q "job $unlocked\$" || fail "another unlock opened: $(last '^Job unlock dialog: ')"
taken=$(count '^Unlocked job taken: ')
click 642 482
point 500 60
wait_log_line 10 "accept to take the unlocked job" "$taken" '^Unlocked job taken: ' || finish
sleep 0.5
shot unlock-taken
xdotool key Escape
sleep 0.8
career_open || finish
last '^Career window: ' | grep -q "^Career window: job $unlocked," || fail "the career window does not show job $unlocked: $(last '^Career window: ')"
sleep 0.5
shot career-unlocked-job
finish
