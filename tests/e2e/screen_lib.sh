# Screenshots read against the program's own art: the rain's cells, the on-screen display's
# characters and the panels, compared through ImageMagick's digests of pixels (the same pixels
# give the same digest, whatever file holds them; an alpha channel is dropped first). Source it
# after lib.sh; screenshots go to the folder SHOTS.

ART_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../resources" && pwd)

# shot NAME: a screenshot of the whole screen; prints its path.
shot() {
  import -window root "$SHOTS/$1.png"
  echo "$SHOTS/$1.png"
}
# screen_shows CHECK ARGS...: CHECK passes on a new screenshot, given before ARGS.
screen_shows() { "$1" "$(shot screen)" "${@:2}"; }

# tiles FILE GEOMETRY TILE: one digest per TILE-sized piece (WxH) of the part GEOMETRY (WxH+X+Y)
# of a picture, row by row, left to right.
tiles() { convert "$1" -alpha off -crop "$2" +repage -crop "$3" +repage -format '%#\n' info:; }

# digest FILE [GEOMETRY]: the digest of a picture, or of its part GEOMETRY.
digest() { convert "$1" -alpha off ${2:+-crop "$2" +repage} -format '%#' info:; }

# same_as_art FILE X Y ART: the picture holds the art file, pixel for pixel, at (X, Y).
same_as_art() {
  [ "$(digest "$1" "$(identify -format '%wx%h' "$ART_DIR/$4")+$2+$3")" = \
    "$(digest "$ART_DIR/$4")" ]
}

# pick N...: lines N (from 0) of the standard input, in the order given.
pick() {
  local lines n
  mapfile -t lines
  for n; do echo "${lines[$n]}"; done
}

# glyph_cells SHADE GLYPH...: the digests of those cells of the glyph sheet (16x20, the top of
# each 22-pixel shade band); without GLYPH, every cell of every shade.
glyph_cells() {
  local shade
  if [ $# = 0 ]; then
    for shade in 0 1 2; do glyph_cells "$shade" {0..46}; done
  else
    tiles "$ART_DIR/glyphs.bmp" "752x20+0+$((22 * $1))" 16x20 | pick "${@:2}"
  fi
}

# foreign_cells FILE GEOMETRY: how many 16x20 cells of the part GEOMETRY, which starts on the
# rain's grid, are no cell of the glyph sheet; blank_cells: how many are black.
foreign_cells() { tiles "$1" "$2" 16x20 | grep -cvxFf <(glyph_cells) || true; }
blank_cells() { tiles "$1" "$2" 16x20 | grep -cx "$(glyph_cells 0 0)" || true; }

# rain_on FILE LIT GEOMETRY...: every whole cell of each part is the glyph sheet's, and at least
# LIT of them are lit.
rain_on() {
  local part
  for part in "${@:3}"; do
    [ "$(foreign_cells "$1" "$part")" = 0 ] || return 1
    [ "$(blank_cells "$1" "$part")" -le $(($(tiles "$1" "$part" 16x20 | wc -l) - $2)) ] || return 1
  done
}
unchanged() { [ "$(differing "$1" "$2")" = 0 ]; }

# colour_counts FILE [GEOMETRY]: "count red green blue" for each colour of a picture or part.
colour_counts() {
  convert "$1" ${2:+-crop "$2"} -format %c histogram:info:- |
    sed -E 's/^ *([0-9]+): *\( *([0-9]+), *([0-9]+), *([0-9]+).*/\1 \2 \3 \4/'
}

# stray_colours FILE [GEOMETRY]: the colours of a picture, or of its part, that the glyph sheet
# has not, as "red green blue" lines.
stray_colours() {
  comm -23 <(colour_counts "$@" | cut -d' ' -f2- | sort -u) \
    <(colour_counts "$ART_DIR/glyphs.bmp" | cut -d' ' -f2- | sort -u)
}

# green_per_mille FILE: how many pixels in a thousand are green (green above red and blue).
green_per_mille() {
  colour_counts "$1" |
    awk '$3 > $2 && $3 > $4 { green += $1 } { all += $1 } END { print int(1000 * green / all) }'
}

# expect_rain [GEOMETRY]: the rain of a 1024x768 run (or in the part GEOMETRY, which starts on
# the rain's grid), on a root of a colour the glyph sheet has not: in two screenshots half a
# second apart nothing of the root shows, every whole cell is one of the sheet's and enough is
# green, and between them it has moved.
expect_rain() {
  local first second screen
  first=$(shot rain-1)
  sleep 0.5
  second=$(shot rain-2)
  for screen in "$first" "$second"; do
    [ -z "$(stray_colours "$screen")" ] || fail "$screen has colours the glyph sheet has not"
    [ "$(foreign_cells "$screen" "${1:-1024x760+0+0}")" = 0 ] || fail "$screen has cells that are no glyph"
    [ "$(green_per_mille "$screen")" -gt 20 ] || fail "$screen has too little green"
  done
  [ "$(differing "$first" "$second")" -gt 100 ] || fail "the rain did not move in half a second"
}

# failure_typed FILE [X Y]: the failure message along the bottom of a 768-pixel screen (or from
# X, Y on): positions 1 to 16 dim, the blank at 17, as the glyph sheet draws them.
failure_typed() {
  [ "$(tiles "$1" "272x20+${2:-16}+${3:-740}" 16x20)" = \
    "$(glyph_cells 2 40 36 0 24 8 41 42 37 39 0 45 0 43 1 1 44; glyph_cells 0 0)" ]
}

# shows_osd FILE TEXT: the on-screen display of the picture reads TEXT (upper case): its
# characters are 16x40 cells of the font from (16, 20) on. The program draws a space, or
# anything without a glyph, as the blank cell 0; digits as 1 to 10, capitals A to Y as 11 to
# 35, the colon (and Z) as 36.
shows_osd() {
  local i char cells=()
  for ((i = 0; i < ${#2}; i++)); do
    char=${2:i:1}
    case "$char" in
      :) cells+=(36) ;;
      [A-Z]) cells+=($(($(printf '%d' "'$char") - 54))) ;;
      [0-9]) cells+=($((char + 1))) ;;
      *) cells+=(0) ;;
    esac
  done
  [ "$(tiles "$1" "$((16 * ${#2}))x40+16+20" 16x40)" = \
    "$(tiles "$ART_DIR/osdfont.bmp" 592x40+0+0 16x40 | pick "${cells[@]}")" ]
}
