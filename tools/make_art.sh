#!/usr/bin/env bash
# Makes the program's pictures in resources/art/: the page backgrounds, the button strips, the
# indicator list's tile and check box, the flags, the icons and the hand cursor; and the HTML
# pane's background in resources/system/.
#
#   tools/make_art.sh      (installs ImageMagick and the IPA fonts with apt-get when missing)
#
# The panel is dark slate with khaki accents (the khaki of the calendar and clock texts). Every
# button is cut from the page background it sits on and drawn over it, so the blitted button
# blends into the page. Page backgrounds use pure white only for the holes of the window
# outline (the rounded corners); any white that drawing produces elsewhere is toned down by
# one step. Bitmaps are 24-bit BMP; icons and the cursor carry an alpha channel. Nothing random
# is involved, so a re-run gives the same files with the same tool versions.
set -euo pipefail
cd "$(dirname "$0")/.."

need_tools() {
  local missing=()
  command -v convert >/dev/null || missing+=(imagemagick)
  command -v fc-match >/dev/null || missing+=(fontconfig)
  fc-list | grep -q ipagp.ttf || missing+=(fonts-ipafont-gothic)
  [ ${#missing[@]} -eq 0 ] && return
  apt-get install -y "${missing[@]}" >/dev/null
}
need_tools

OUT=resources/art
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$OUT"

GOTHIC=$(fc-match -f '%{file}' 'IPAPGothic')

# Palette.
BASE_TOP='#2a3445'
BASE_BOTTOM='#0f1319'
HEADER_TOP='#364358'
HEADER_BOTTOM='#222b39'
BOX_FILL='#161b24'
BOX_EDGE='#3b485c'
BOX_INNER='#1c222d'
RULE='#2c3646'
OUTLINE='#56657c'
KHAKI='#c8c88d'
KHAKI_BRIGHT='#eeeec0'
KHAKI_DIM='#8d8d68'
GREY_TEXT='#9aa3b0'

bmp() { convert "$1" -alpha off -type TrueColor "BMP3:$2"; }

# ---------------------------------------------------------------------------------------------
# Page backgrounds.
# ---------------------------------------------------------------------------------------------

# The part every page shares: the slate body, the header band with its rule, and the outline.
# Pages differ below y = 65, where the content box starts.
base_page() {  # base_page OUT HEIGHT
  local out=$1 h=$2
  convert -size 240x535 "gradient:$BASE_TOP-$BASE_BOTTOM" -crop "240x$h+0+0" +repage \
    \( -size 240x41 "gradient:$HEADER_TOP-$HEADER_BOTTOM" \) -geometry +0+0 -composite \
    -fill "$BOX_EDGE" -draw "line 0,41 239,41" \
    -fill '#465571' -draw "line 0,42 239,42" \
    -fill none -stroke "$KHAKI_DIM" -strokewidth 1 -draw "line 12,7 227,7" \
    "$out"
}

# The content box below the tabs; the selected tab's bottom row covers its top edge.
content_box() {  # content_box IMAGE HEIGHT
  local image=$1 h=$2
  convert "$image" -fill "$BOX_FILL" -stroke "$BOX_EDGE" -strokewidth 1 \
    -draw "roundrectangle 3,65 236,$((h - 5)) 6,6" "$image"
}

# Outline: a light rim and pure white outside the rounded corners (holes in the window).
finish_page() {  # finish_page IMAGE HEIGHT OUT
  local image=$1 h=$2 out=$3
  convert "$image" -fill none -stroke "$OUTLINE" -strokewidth 1 \
    -draw "roundrectangle 0,0 239,$((h - 1)) 11,11" \
    -fill '#fefefe' -opaque white "$WORK/finish.png"
  convert -size "240x$h" xc:white +antialias -fill black \
    -draw "roundrectangle 0,0 239,$((h - 1)) 11,11" "$WORK/mask.png"
  convert "$WORK/finish.png" "$WORK/mask.png" -compose lighten -composite "$WORK/finished.png"
  cp "$WORK/finished.png" "$image"
  bmp "$image" "$out"
}

label() {  # label IMAGE X Y SIZE COLOUR TEXT
  convert "$1" -font "$GOTHIC" -pointsize "$4" -fill "$5" -annotate "+$2+$3" "$6" "$1"
}

# A faint word mark for the empty lower part of a page.
watermark() {  # watermark IMAGE CENTRE_Y
  convert "$1" -font "$GOTHIC" -pointsize 26 -fill '#222a36' -stroke '#222a36' -strokewidth 0.8 \
    -gravity north -annotate "+0+$(( $2 - 20 ))" "Pelimor" \
    -stroke none -pointsize 11 -fill '#262f3c' -annotate "+0+$(( $2 + 14 ))" "経済指標アラート" \
    -gravity northwest "$1"
}

page_calendar() {
  local p="$WORK/page129.png"
  base_page "$p" 534
  content_box "$p" 534
  # Calendar: header row of the weekdays, a rule between calendar and list area.
  convert "$p" -fill "$BOX_INNER" -stroke none -draw "rectangle 12,104 229,120" \
    -fill "$RULE" -draw "line 12,121 229,121" \
    -fill "$BOX_EDGE" -draw "line 8,271 231,271" \
    -fill "$BOX_INNER" -stroke "$RULE" -draw "roundrectangle 6,450 233,528 4,4" "$p"
  finish_page "$p" 534 "$OUT/page_calendar.bmp"
}

page_list() {
  local p="$WORK/page130.png"
  base_page "$p" 342
  content_box "$p" 342
  convert "$p" -fill "$BOX_INNER" -stroke "$RULE" -draw "roundrectangle 6,260 233,336 4,4" "$p"
  finish_page "$p" 342 "$OUT/page_list.bmp"
}

page_news() {
  local p="$WORK/page156.png"
  base_page "$p" 534
  content_box "$p" 534
  convert "$p" -fill "$RULE" -stroke none -draw "line 8,417 231,417" "$p"
  watermark "$p" 488
  finish_page "$p" 534 "$OUT/page_news.bmp"
}

page_notices() {
  local p="$WORK/page159.png"
  base_page "$p" 534
  content_box "$p" 534
  convert "$p" -fill "$RULE" -stroke none -draw "line 8,316 231,316" "$p"
  watermark "$p" 420
  finish_page "$p" 534 "$OUT/page_notices.bmp"
}

page_signals() {
  local p="$WORK/page200.png"
  base_page "$p" 535
  content_box "$p" 535
  convert "$p" -fill "$BOX_INNER" -stroke "$RULE" -draw "roundrectangle 8,100 232,174 4,4" \
    -draw "roundrectangle 8,358 232,526 4,4" "$p"
  label "$p" 14 95 11 "$KHAKI" "最新シグナル"
  label "$p" 14 353 11 "$KHAKI" "シグナル履歴"
  finish_page "$p" 535 "$OUT/page_signals.bmp"
}

# ---------------------------------------------------------------------------------------------
# Buttons: vertical strips of frames (0 normal, 1 under the pointer, 2 pressed, 3 chosen tab).
# ---------------------------------------------------------------------------------------------

# The page background under a button, without the outline treatment of finish_page.
backdrop() {  # backdrop PAGE_BMP X Y W H OUT
  convert "$1" -crop "$4x$5+$2+$3" +repage "$6"
}

# A text button with a rounded face.
text_frame() {  # text_frame BACKDROP W H FILL EDGE TEXT_COLOUR SHIFT TEXT OUT
  local w=$2 h=$3 shift=$7
  convert "$1" -fill "$4" -stroke "$5" -strokewidth 1 \
    -draw "roundrectangle 0,0 $((w - 1)),$((h - 1)) 4,4" -stroke none \
    -font "$GOTHIC" -pointsize 11 -fill "$6" -gravity center \
    -annotate "+$shift+$((shift))" "$8" "$9"
}

text_button() {  # text_button PAGE_BMP X Y W H TEXT OUT
  local page=$1 x=$2 y=$3 w=$4 h=$5 text=$6 out=$7
  backdrop "$page" "$x" "$y" "$w" "$h" "$WORK/back.png"
  text_frame "$WORK/back.png" "$w" "$h" '#263041' '#4a5a72' "$KHAKI" 0 "$text" "$WORK/f0.png"
  text_frame "$WORK/back.png" "$w" "$h" '#34425a' "$KHAKI" "$KHAKI_BRIGHT" 0 "$text" "$WORK/f1.png"
  text_frame "$WORK/back.png" "$w" "$h" '#141922' "$KHAKI" "$KHAKI" 1 "$text" "$WORK/f2.png"
  convert "$WORK/f0.png" "$WORK/f1.png" "$WORK/f2.png" "$WORK/f0.png" -append "$WORK/strip.png"
  bmp "$WORK/strip.png" "$out"
}

# A page tab: rounded top corners; the chosen tab takes the content box's colour and merges
# with it (its bottom row lies on the box's top edge).
tab_frame() {  # tab_frame BACKDROP FILL EDGE TEXT_COLOUR SHIFT TEXT OUT [BOTTOM_FILL]
  local bottom=${8:-$3}
  convert "$1" -fill "$2" -stroke "$3" -strokewidth 1 -draw "roundrectangle 0,0 55,27 5,5" \
    -stroke none -fill "$bottom" -draw "rectangle 1,21 54,21" \
    -font "$GOTHIC" -pointsize 11 -fill "$4" -gravity center -annotate "+$5+$(( $5 + 1 ))" "$6" "$7"
}

tab_button() {  # tab_button PAGE_BMP X TEXT OUT
  local page=$1 x=$2 text=$3 out=$4
  backdrop "$page" "$x" 44 56 22 "$WORK/back.png"
  tab_frame "$WORK/back.png" '#222a37' "$BOX_EDGE" "$GREY_TEXT" 0 "$text" "$WORK/f0.png"
  tab_frame "$WORK/back.png" '#2e394b' "$BOX_EDGE" "$KHAKI" 0 "$text" "$WORK/f1.png"
  tab_frame "$WORK/back.png" '#131820' "$BOX_EDGE" "$KHAKI" 1 "$text" "$WORK/f2.png"
  convert "$WORK/back.png" -fill "$BOX_FILL" -stroke "$BOX_EDGE" -strokewidth 1 \
    -draw "roundrectangle 0,0 55,27 5,5" -stroke none -fill "$BOX_FILL" \
    -draw "rectangle 1,21 54,21" -fill "$KHAKI" -draw "rectangle 6,1 49,2" \
    -font "$GOTHIC" -pointsize 11 -fill "$KHAKI_BRIGHT" -stroke "$KHAKI_BRIGHT" -strokewidth 0.3 \
    -gravity center -annotate "+0+1" "$text" "$WORK/f3.png"
  convert "$WORK/f0.png" "$WORK/f1.png" "$WORK/f2.png" "$WORK/f3.png" -append "$WORK/strip.png"
  bmp "$WORK/strip.png" "$out"
}

# A small round button with a glyph drawn by primitives.
glyph_frame() {  # glyph_frame BACKDROP SIZE RING GLYPH_COLOUR PRIMITIVE OUT
  local s=$2
  convert "$1" -fill "$3" -stroke none -draw "circle $(( (s - 1) / 2 )),$(( (s - 1) / 2 )) $(( (s - 1) / 2 )),0" \
    -fill "$4" -draw "$5" "$6"
}

glyph_button() {  # glyph_button PAGE_BMP X Y SIZE PRIMITIVE PRESSED_PRIMITIVE OUT
  local page=$1 x=$2 y=$3 s=$4 out=$7
  backdrop "$page" "$x" "$y" "$s" "$s" "$WORK/back.png"
  glyph_frame "$WORK/back.png" "$s" 'none' "$KHAKI_DIM" "$5" "$WORK/f0.png"
  glyph_frame "$WORK/back.png" "$s" '#34425a' "$KHAKI_BRIGHT" "$5" "$WORK/f1.png"
  glyph_frame "$WORK/back.png" "$s" '#10141b' "$KHAKI" "$6" "$WORK/f2.png"
  convert "$WORK/f0.png" "$WORK/f1.png" "$WORK/f2.png" -append "$WORK/strip.png"
  bmp "$WORK/strip.png" "$out"
}

hide_button() {
  local page="$OUT/page_calendar.bmp"
  backdrop "$page" 216 17 18 18 "$WORK/back.png"
  local face
  for face in "0:#2a3547:$BOX_EDGE:$KHAKI_DIM" "1:#3a4963:$KHAKI:$KHAKI_BRIGHT" "2:#151a23:$KHAKI:$KHAKI"; do
    IFS=: read -r n fill edge mark <<<"$face"
    convert "$WORK/back.png" -fill "$fill" -stroke "$edge" -strokewidth 1 \
      -draw "roundrectangle 0,0 17,17 4,4" -stroke none -fill "$mark" \
      -draw "rectangle 5,$((11 + (n == 2))) 12,$((12 + (n == 2)))" "$WORK/h$n.png"
  done
  convert "$WORK/h0.png" "$WORK/h1.png" "$WORK/h2.png" -append "$WORK/strip.png"
  bmp "$WORK/strip.png" "$OUT/hide.bmp"
}

title_picture() {
  backdrop "$OUT/page_calendar.bmp" 5 16 200 24 "$WORK/back.png"
  convert "$WORK/back.png" -font "$GOTHIC" -pointsize 19 -fill "$KHAKI" -stroke "$KHAKI" \
    -strokewidth 0.7 -annotate +6+19 "Pelimor" -stroke none -pointsize 10 -fill "$GREY_TEXT" \
    -annotate +92+18 "経済指標アラート" -fill '#d04a4a' -draw "circle 84,6 84,3" "$WORK/title.png"
  bmp "$WORK/title.png" "$OUT/title.bmp"
}

buttons() {
  local calendar="$OUT/page_calendar.bmp" list="$OUT/page_list.bmp"
  hide_button
  title_picture
  tab_button "$calendar" 4 "指標発表" "$OUT/tab_indicators.bmp"
  tab_button "$calendar" 61 "改善予定" "$OUT/tab_news.bmp"
  tab_button "$calendar" 119 "新着情報" "$OUT/tab_notices.bmp"
  # Triangles in 14 x 14 circles; pressed glyphs move down by one pixel.
  glyph_button "$calendar" 42 87 14 "polygon 9,3 9,10 3,6.5" "polygon 9,4 9,11 3,7.5" "$OUT/previous_month.bmp"
  glyph_button "$calendar" 188 87 14 "polygon 4,3 4,10 10,6.5" "polygon 4,4 4,11 10,7.5" "$OUT/next_month.bmp"
  glyph_button "$calendar" 220 275 14 "polygon 3,9 10,9 6.5,3" "polygon 3,10 10,10 6.5,4" "$OUT/fold_calendar.bmp"
  glyph_button "$list" 220 87 14 "polygon 3,4 10,4 6.5,10" "polygon 3,5 10,5 6.5,11" "$OUT/unfold_calendar.bmp"
  local notices="$OUT/page_notices.bmp" news="$OUT/page_news.bmp"
  text_button "$notices" 10 294 42 18 "<<前へ" "$OUT/notice_previous.bmp"
  text_button "$notices" 56 294 38 18 "未読" "$OUT/notice_unread.bmp"
  text_button "$notices" 97 294 86 18 "未読を既読へ" "$OUT/notice_mark_read.bmp"
  text_button "$notices" 187 294 42 18 "次へ>>" "$OUT/notice_next.bmp"
  text_button "$news" 10 424 42 18 "<<前へ" "$OUT/news_previous.bmp"
  text_button "$news" 187 424 42 18 "次へ>>" "$OUT/news_next.bmp"
}

# ---------------------------------------------------------------------------------------------
# The indicator list: background tile and check box sprite (empty box above, ticked below).
# ---------------------------------------------------------------------------------------------

list_pictures() {
  convert -size 20x20 xc:'#141920' -fill '#181e27' -draw "rectangle 0,0 9,9" \
    -draw "rectangle 10,10 19,19" -fill '#1d2430' -draw "point 4,4" -draw "point 14,14" \
    "$WORK/tile.png"
  bmp "$WORK/tile.png" "$OUT/list_tile.bmp"
  convert -size 13x13 xc:'#141920' -fill '#0c0f14' -stroke "$KHAKI_DIM" -strokewidth 1 \
    -draw "rectangle 1,1 11,11" "$WORK/box_empty.png"
  convert -size 13x13 xc:'#141920' -fill '#0c0f14' -stroke "$KHAKI" -strokewidth 1 \
    -draw "rectangle 1,1 11,11" -fill none -stroke '#7fdc7f' -strokewidth 2 \
    -draw "polyline 3,6 5,9 10,3" "$WORK/box_ticked.png"
  convert "$WORK/box_empty.png" "$WORK/box_ticked.png" -append "$WORK/check.png"
  bmp "$WORK/check.png" "$OUT/check_box.bmp"
}

# ---------------------------------------------------------------------------------------------
# Flags, 21 x 15.
# ---------------------------------------------------------------------------------------------

# The points of a five-pointed star with outer radius r around (x, y), first point up.
star() {  # star X Y R
  awk -v x="$1" -v y="$2" -v r="$3" 'BEGIN {
    pi = atan2(0, -1); s = ""
    for (i = 0; i < 10; i++) {
      a = -pi / 2 + i * pi / 5; d = (i % 2) ? r * 0.42 : r
      s = s sprintf("%.2f,%.2f ", x + d * cos(a), y + d * sin(a))
    }
    print "polygon " s }'
}

flag() {  # flag NAME PRIMITIVE...: draws on a 21 x 15 canvas, primitives in order
  local name=$1; shift
  # One drawing: a fill or stroke setting holds for the primitives after it.
  convert -size 21x15 xc:white -stroke none -draw "$*" "$WORK/flag.png"
  bmp "$WORK/flag.png" "$OUT/flag_$name.bmp"
}

union_jack() {  # the primitives of a Union Jack in the rectangle 0,0 .. W,H
  local w=$1 h=$2
  echo "fill #012169"; echo "rectangle 0,0 $w,$h"
  echo "stroke white"; echo "stroke-width 3"; echo "line 0,0 $w,$h"; echo "line 0,$h $w,0"
  echo "stroke #c8102e"; echo "stroke-width 1"; echo "line 0,0 $w,$h"; echo "line 0,$h $w,0"
  echo "stroke none"; echo "fill white"
  echo "rectangle $(( w / 2 - 2 )),0 $(( w / 2 + 2 )),$h"; echo "rectangle 0,$(( h / 2 - 2 )) $w,$(( h / 2 + 2 ))"
  echo "fill #c8102e"
  echo "rectangle $(( w / 2 - 1 )),0 $(( w / 2 + 1 )),$h"; echo "rectangle 0,$(( h / 2 - 1 )) $w,$(( h / 2 + 1 ))"
}

# A blue flag with a Union Jack in its upper-left quarter, then the primitives over it. At
# 11 x 7 pixels the Jack is drawn pixel by pixel (no smoothing): white diagonals, the white
# cross and the red cross.
canton_flag() {  # canton_flag NAME PRIMITIVE...
  local name=$1; shift
  convert -size 11x7 xc:'#012169' +antialias -stroke white -strokewidth 1 \
    -draw "line 0,0 10,6" -draw "line 0,6 10,0" -stroke none -fill white \
    -draw "rectangle 4,0 6,6" -draw "rectangle 0,2 10,4" -fill '#c8102e' \
    -draw "rectangle 5,0 5,6" -draw "rectangle 0,3 10,3" "$WORK/canton.png"
  convert -size 21x15 xc:'#012169' "$WORK/canton.png" -geometry +0+0 -composite \
    -stroke none -draw "$*" "$WORK/flag.png"
  bmp "$WORK/flag.png" "$OUT/flag_$name.bmp"
}

# A small cross-shaped star of five pixels (for the New Zealand flag's red stars).
pixel_star() {  # pixel_star X Y
  echo "rectangle $1,$(( $2 - 1 )) $1,$(( $2 + 1 )) rectangle $(( $1 - 1 )),$2 $(( $1 + 1 )),$2"
}

flags() {
  local jack_full
  jack_full=$(union_jack 20 14 | paste -sd' ')
  flag canada "fill #d52b1e" "rectangle 0,0 4,14" "rectangle 16,0 20,14" \
    "polygon 10.5,2 11.3,3.6 12.5,3.2 12.1,5.2 13.8,4.6 13.4,6.2 14.4,6.6 12.6,8.4 11,9 11,11.5 10,11.5 10,9 8.4,8.4 6.6,6.6 7.6,6.2 7.2,4.6 8.9,5.2 8.5,3.2 9.7,3.6"
  flag switzerland "fill #da291c" "rectangle 0,0 20,14" "fill white" "rectangle 9,3 11,11" "rectangle 6,6 14,8"
  local ring=() i
  for i in 0 1 2 3 4 5 6 7 8 9 10 11; do
    ring+=("$(awk -v i="$i" 'BEGIN { pi = atan2(0, -1); a = i * pi / 6
      printf "point %d,%d", 10.5 + 5 * cos(a), 7.5 + 5 * sin(a) }')")
  done
  flag european_union "fill #003399" "rectangle 0,0 20,14" "fill #ffcc00" "${ring[@]}"
  flag france "fill #0055a4" "rectangle 0,0 6,14" "fill #ef4135" "rectangle 14,0 20,14"
  flag united_kingdom "$jack_full"
  flag germany "fill black" "rectangle 0,0 20,4" "fill #dd0000" "rectangle 0,5 20,9" "fill #ffce00" "rectangle 0,10 20,14"
  flag hong_kong "fill #de2910" "rectangle 0,0 20,14" "fill white" \
    "$(star 10.5 7.5 5.5)" "fill #de2910" "circle 10.5,7.5 10.5,6.5"
  flag japan "fill #bc002d" "circle 10,7 10,3"
  canton_flag new_zealand "fill #e4002b" "$(pixel_star 16 3)" "$(pixel_star 13 7)" \
    "$(pixel_star 18 6)" "$(pixel_star 16 11)"
  flag south_africa "fill #e03c31" "rectangle 0,0 20,4" "fill #001489" "rectangle 0,10 20,14" \
    "fill white" "polygon 0,0 3,0 9,5 20,5 20,9 9,9 3,14 0,14" \
    "fill #007749" "polygon 0,1 1.5,0 8,6 20,6 20,8 8,8 1.5,14 0,13" \
    "fill #ffb81c" "polygon 0,3 6,7 0,11" "fill black" "polygon 0,4 4.5,7 0,10"
  local stripes=() row
  for row in 0 2 4 6 8 10 12 14; do stripes+=("rectangle 0,$row 20,$row"); done
  flag united_states "fill #b22234" "${stripes[@]}" "fill #3c3b6e" "rectangle 0,0 9,7" \
    "fill white" "point 1,1" "point 3,1" "point 5,1" "point 7,1" "point 2,3" "point 4,3" "point 6,3" \
    "point 8,3" "point 1,5" "point 3,5" "point 5,5" "point 7,5"
  flag sweden "fill #006aa7" "rectangle 0,0 20,14" "fill #fecc00" "rectangle 6,0 8,14" "rectangle 0,6 20,8"
  canton_flag australia "fill white" \
    "$(star 5 11.5 2.3)" "$(star 16 2.5 1.5)" "$(star 13 6.5 1.5)" "$(star 18.5 6 1.5)" "$(star 16 11.5 1.6)"
  flag norway "fill #ba0c2f" "rectangle 0,0 20,14" "fill white" "rectangle 5,0 9,14" "rectangle 0,5 20,9" \
    "fill #00205b" "rectangle 6,0 8,14" "rectangle 0,6 20,8"
  flag singapore "fill #ef3340" "rectangle 0,0 20,7" "fill white" "circle 5,3.5 5,0.5" \
    "fill #ef3340" "circle 6.5,3.5 6.5,0.8" "fill white" \
    "point 8,1" "point 10,2" "point 9,5" "point 7,5" "point 6.5,2"
  flag china "fill #ee1c25" "rectangle 0,0 20,14" "fill #ffff00" "$(star 4 4 3)" \
    "$(star 8 1.5 1)" "$(star 9.5 3.5 1)" "$(star 9.5 6 1)" "$(star 8 8 1)"
}

# ---------------------------------------------------------------------------------------------
# Icons and the cursor.
# ---------------------------------------------------------------------------------------------

program_icon_layer() {  # program_icon_layer SIZE OUT
  local s=$1 r=$(( $1 / 6 ))
  convert -size "${s}x$s" xc:none -fill "#1f2836" -stroke "$KHAKI" -strokewidth "$(( s / 24 + 1 ))" \
    -draw "roundrectangle 1,1 $(( s - 2 )),$(( s - 2 )) $r,$r" -stroke none \
    -font "$GOTHIC" -pointsize "$(( s * 3 / 4 ))" -fill "$KHAKI" -stroke "$KHAKI" \
    -strokewidth "$(( s / 32 ))" -gravity center -annotate "+0+$(( s / 24 ))" "P" \
    -stroke none -fill '#e04545' -draw "circle $(( s * 3 / 4 )),$(( s / 4 )) $(( s * 3 / 4 )),$(( s / 4 - s / 8 ))" \
    "$2"
}

icons() {
  local s
  for s in 16 24 32 48 256; do program_icon_layer "$s" "$WORK/icon$s.png"; done
  convert "$WORK/icon16.png" "$WORK/icon24.png" "$WORK/icon32.png" "$WORK/icon48.png" \
    "$WORK/icon256.png" "$OUT/pelimor.ico"
  # Calendar cell marks: 24 x 24 squares whose four corner pixels are transparent.
  local mark name colour
  for mark in "selected_day:rgb(85,85,85)" "hover_day:rgb(255,255,255)" "pressed_day:rgb(102,153,102)"; do
    name=${mark%%:*}; colour=${mark#*:}
    convert -size 24x24 "xc:$colour" -alpha set -fill none -draw "color 0,0 point" \
      -draw "color 23,0 point" -draw "color 0,23 point" -draw "color 23,23 point" "$OUT/$name.ico"
  done
  # The advert link mark: a play sign.
  convert -size 16x16 xc:none -fill '#d43a3a' -draw "roundrectangle 0,2 15,13 3,3" \
    -fill white -draw "polygon 6,5 6,10 11,7.5" "$OUT/advert_link.ico"
}

# A pointing hand, 32 x 32, hot spot at the fingertip (9, 1).
cursor() {
  convert -size 32x32 xc:none -fill white -stroke black -strokewidth 1 \
    -draw "roundrectangle 7,1 11,17 2,2" \
    -draw "roundrectangle 11,8 15,18 2,2" -draw "roundrectangle 15,9 19,19 2,2" \
    -draw "roundrectangle 19,10 23,20 2,2" \
    -draw "polygon 7,13 3,11 1,13 6,21 9,27 21,27 23,21 23,16 7,16" \
    -stroke none -draw "rectangle 8,14 22,20" -draw "rectangle 12,15 14,19" \
    -stroke black -draw "line 11,12 11,16" -draw "line 15,12 15,16" -draw "line 19,13 19,16" \
    "$WORK/hand.png"
  convert "$WORK/hand.png" "ICO:$WORK/hand.ico"
  # A cursor file is an icon file of type 2 whose entry holds the hot spot where an icon keeps
  # its planes and bit count.
  cp "$WORK/hand.ico" "$OUT/hand.cur"
  printf '\x02\x00' | dd of="$OUT/hand.cur" bs=1 seek=2 conv=notrunc status=none
  printf '\x09\x00\x01\x00' | dd of="$OUT/hand.cur" bs=1 seek=10 conv=notrunc status=none
}

# The picture at the top of the version dialog.
# It lies centred in a larger picture control, which fills the rest with the banner's corner
# colour, so the banner is of one colour.
about_banner() {
  convert -size 320x100 "xc:$BOX_FILL" -fill none -stroke "$KHAKI_DIM" \
    -draw "line 16,12 303,12" -draw "line 16,88 303,88" -stroke none \
    -font "$GOTHIC" -pointsize 34 -fill "$KHAKI" -stroke "$KHAKI" -strokewidth 1 \
    -gravity center -annotate +0-8 "Pelimor" -stroke none -pointsize 13 -fill "$GREY_TEXT" \
    -annotate +0+24 "経済指標アラート" "$WORK/banner.png"
  bmp "$WORK/banner.png" "$OUT/about_banner.bmp"
}

# The HTML pane's background (system/htmlbg.png, repeated by the page): the content box's
# colour, so the pane sits in the page without a seam. No time stamps, so a re-run gives the
# same bytes.
html_background() {
  mkdir -p resources/system
  convert -size 16x16 "xc:$BOX_FILL" -strip -define png:exclude-chunks=date,time \
    resources/system/htmlbg.png
}

page_calendar
page_list
page_news
page_notices
page_signals
buttons
list_pictures
flags
icons
cursor
about_banner
html_background
echo "pictures written to $OUT and resources/system"
