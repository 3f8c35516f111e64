#!/usr/bin/env bash
# The scene behind the game in a real window under its own X server, in a private world whose
# weather table gives rain every day and whose cheats file leaves the home as dirty as it gets,
# with a dog. The first day of a game is always clear (its night draws the weather), so a new game's
# first day is played through; the second is looked at by day (the sky round the diary page), in
# the evening (the town with its mess and flies) and at night after the evening's activities. Then
# the game is started again with a table that gives snow, and a second morning and evening are
# looked at. Each step checks what a player would see first (the storm's grey sky, the mess over
# the town, drops and flakes) and leaves a screenshot in /tmp/vorla2-scene-*.png.
#
# Usage: scene.sh <vorla2 executable> <source dir>
set -u

shots=/tmp/vorla2-scene
pass_message="rain by day, evening and night over a dirty home, then a snowy evening"

# Every month the same weather: its name's column 1, the others 0.
weather_table() {
  local sun=0 cloud=0 rain=0 snow=0 month
  case "$1" in rain) rain=1 ;; snow) snow=1 ;; esac
  echo "Weather by month for the scene test: #,month,sun,cloud,rain,snow"
  for month in January February March April May June July August September October November December; do
    echo "#,$month,$sun,$cloud,$rain,$snow"
  done
}
prepare_world() {
  weather_table rain >"$(replace_data simulation/weather.csv)"
  printf '#,glob_dirt,1.0\n#,dog,1.0\n' >"$work/res/data/cheats.txt"
}
source "$(dirname "${BASH_SOURCE[0]}")/lib/window_test_lib.sh"
window_test_start "$@"
find_log || { fail "no debug log"; finish; }

# The sky's colour above the town, right of the calendar and left of the attribute panel: "r g b"
# of a small box's mean.
sky_top() {
  convert "$last_shot" -crop 40x8+780+0 +repage -scale 1x1\! -format "%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]" info:
}
grey() {
  local r g b
  read -r r g b <<<"$(sky_top)"
  [ $((r > b ? r - b : b - r)) -lt 40 ] && [ "$r" -gt 60 ]
}
dark() {
  local r g b
  read -r r g b <<<"$(sky_top)"
  [ $((r + g + b)) -lt 200 ]
}
# light_specks X Y W H: how many pixels of the box are near white (flakes, splashes, drops).
light_specks() {
  convert "$last_shot" -crop "$3x$4+$1+$2" +repage -colorspace gray -threshold 85% -format "%[fx:int(mean*w*h)]" info:
}
# second_morning: a new game from the main menu whose first day, always clear (the first night
# draws the weather), is played to its night and slept through; the second morning's page is up.
second_morning() {
  xdotool windowfocus --sync "$wid" 2>/dev/null
  first_day_to_night || return 1
  wait_log_line 60 "the second morning" 1 '^Day page: waking up' || return 1
  wait_until 60 "the second morning page's button" on_screen day_page_button || return 1
  point 200 500
  sleep 2
}

second_morning || finish
shot rain-day
# By day the diary sheet covers the middle; the storm's grey sky shows above and beside it.
grey || fail "the rainy morning's sky is not grey: $(sky_top)"

day_to_evening || finish
sleep 2
shot rain-evening
evening_shot=$(keep)
grey || fail "the rainy evening's sky is not grey: $(sky_top)"
# The mess: brown stains and paw prints over the town, which a clean home's sky never shows.
stains=$(convert "$last_shot" -crop 500x300+0+100 +repage -fx "(r>g*1.15 && g>b*1.05 && r>0.25 && r<0.8) ? 1 : 0" \
  -format "%[fx:int(mean*w*h)]" info:)
[ "$stains" -gt 500 ] || fail "no mess over the town of a dirty home ($stains brownish pixels)"
[ "$(light_specks 0 0 1024 500)" -gt 50 ] || fail "no rain drawn over the evening"

# The evening spent alone; the finished day is night under the rain.
for _ in 1 2; do
  solo_evening || finish
  left=$(solo_evenings_left)
  [ "$left" -le 0 ] && break
  sleep 1
done
# A finished day is night, rain or not (the sky blends into it over three seconds, longer on a
# busy machine); the drops still fall through it.
wait_until 60 "the rainy night's dark sky" on_screen dark || finish
sleep 1
shot rain-night
[ "$(light_specks 0 0 1024 500)" -gt 50 ] || fail "no rain drawn over the night"

# The replaced stand-ins have left the log; the pet's avatar, not built yet, is the only scene part
# that still says it is one.
for name in GUI_Backdrop GUI_Dirt DrawWeatherBackdrop GUI_GetRain GUI_GetSnow GetFireworks \
  GUI_ParticleManager::Draw ForceStyle GUI_AmbientSounds GUI_Fish GUI_Insect GUI_Rain GUI_Snow; do
  grep -q "^STAND-IN: .*$name" "$log" && fail "the stand-in $name still logs"
done

leave_and_quit || finish

# The same, under snow: a new game's second morning and evening.
weather_table snow >"$work/res/data/simulation/weather.csv"
game_start
find_log || { fail "no debug log after the restart"; finish; }
second_morning || finish
shot snow-day
[ "$(light_specks 0 0 1024 500)" -gt 100 ] || fail "no snowflakes over the snowy morning"
day_to_evening || finish
sleep 2
shot snow-evening
[ "$(light_specks 0 0 1024 500)" -gt 100 ] || fail "no snowflakes over the snowy evening"
leave_and_quit || finish
finish
