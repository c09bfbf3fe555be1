# Screenshots read against the program's own art: the rain's cells, the on-screen display's
# characters and the panels, compared through ImageMagick's digests of pixels (the same pixels
# give the same digest, whatever file holds them; an alpha channel is dropped first). Source it
# after lib.sh.

ART_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../resources" && pwd)

# tiles FILE GEOMETRY TILE: one digest per TILE-sized piece (WxH) of the part GEOMETRY (WxH+X+Y)
# of a picture, row by row, left to right.
tiles() { convert "$1" -alpha off -crop "$2" +repage -crop "$3" +repage -format '%#\n' info:; }

# digest FILE [GEOMETRY]: the digest of a picture, or of its part GEOMETRY.
digest() { convert "$1" -alpha off ${2:+-crop "$2" +repage} -format '%#' info:; }

# same_as_art FILE X Y ART: the picture holds the art file, pixel for pixel, with its top-left
# corner at (X, Y).
same_as_art() {
  local size
  size=$(identify -format '%wx%h' "$ART_DIR/$4")
  [ "$(digest "$1" "$size+$2+$3")" = "$(digest "$ART_DIR/$4")" ]
}

# pick N...: lines N (from 0) of the standard input, in the order given.
pick() {
  local lines n
  mapfile -t lines
  for n; do echo "${lines[$n]}"; done
}

# glyph_cells SHADE GLYPH...: the digests of those cells of the glyph sheet (16x20, the top of
# each 22-pixel shade band).
glyph_cells() {
  local shade=$1
  shift
  tiles "$ART_DIR/glyphs.bmp" "752x20+0+$((22 * shade))" 16x20 | pick "$@"
}

# all_glyph_cells: every cell of the glyph sheet in every shade, one digest a line.
all_glyph_cells() {
  local shade
  for shade in 0 1 2; do glyph_cells "$shade" {0..46}; done
}

# foreign_cells FILE GEOMETRY: how many 16x20 cells of the part GEOMETRY are no cell of the glyph
# sheet (the part starts on the rain's grid).
foreign_cells() {
  tiles "$1" "$2" 16x20 | grep -cvxFf <(all_glyph_cells) || true
}

# blank_cells FILE GEOMETRY: how many 16x20 cells of the part are black.
blank_cells() {
  local blank
  blank=$(glyph_cells 0 0)
  tiles "$1" "$2" 16x20 | grep -cx "$blank" || true
}

# colour_counts FILE [GEOMETRY]: "count red green blue" for each colour of a picture, or of its
# part GEOMETRY.
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

# osd_cells TEXT: the cells of the on-screen display's font that show TEXT, as the program picks
# them: a space, or anything without a glyph, is the blank cell 0; digits are 1 to 10, capitals
# A to Y 11 to 35, the colon (and Z) 36.
osd_cells() {
  local i char code
  for ((i = 0; i < ${#1}; i++)); do
    char=${1:i:1}
    code=$(printf '%d' "'$char")
    case "$char" in
      :) echo 36 ;;
      [A-Z]) echo $((code - 54)) ;;
      [0-9]) echo $((code - 47)) ;;
      *) echo 0 ;;
    esac
  done
}

# shows_osd FILE TEXT: the on-screen display of the picture reads TEXT (upper case): its
# characters are 16x40 cells of the font from (16, 20) on.
shows_osd() {
  local cells
  mapfile -t cells < <(osd_cells "$2")
  [ "$(tiles "$1" "$((16 * ${#2}))x40+16+20" 16x40)" = \
    "$(tiles "$ART_DIR/osdfont.bmp" 592x40+0+0 16x40 | pick "${cells[@]}")" ]
}
