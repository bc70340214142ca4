#!/bin/sh
# Renders the hand-written SVG sources in resources/svg/ into the PNG images
# of the style sheet (resources/style/images/) and rewrites resources.qrc.
#
# The build does not run this script: the PNGs are committed. Run it by hand
# after changing an SVG or the table below:
#
#     sh resources/render-images.sh
#
# It needs rsvg-convert from Debian's librsvg2-bin
# (apt-get install librsvg2-bin) and the DejaVu fonts (fonts-dejavu-core),
# which the logo and the splash use for their lettering.
#
# Glyph icons are drawn once in "currentColor"; each state (normal, hover,
# pressed, disabled, checked) is the same SVG rendered with a small user
# style sheet that sets the glyph colour and, where the SVG has one, the
# fill of its background shape (.bg, .box, .tile, .ring).
#
# Every image is produced by one "render" call:
#     render <svg base name> <png base name> <width> <height> [css]
# which also renders it at twice the size as <png base name>@2x.png, the
# picture Qt and the program's own loaders take on a screen of device pixel
# ratio 2 (render_single leaves the double size out: the nine-slice shadow,
# whose slice widths are pixels of the image, and the 256-pixel program icon).
# Each picture also adds a line to rendered-images.txt:
#     <png> <svg> <width> <height> <md5 of the svg>
# tests/resources reads that list: every PNG in the qrc must come from a
# line, have the size it names, and its SVG must still have that MD5 (an SVG
# edited without running this script again fails the test).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
svg_dir="$here/svg"
out_dir="$here/style/images"
qrc="$here/resources.qrc"
manifest="$here/rendered-images.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "rsvg-convert not found: apt-get install librsvg2-bin" >&2
    exit 1
}

mkdir -p "$out_dir"
rm -f "$out_dir"/*.png
: > "$work/list"
: > "$work/manifest"

# The palette of the look; style.css uses the same values.
INK='#1e2633'
MUTED='#5e6a7d'
QUIET='#8a94a6'
ACCENT='#2f6fe4'
ACCENT_HOVER='#4682f0'
ACCENT_PRESSED='#2158c4'
ACCENT_SOFT='#e8f0fd'
ACCENT_SOFT2='#dbe7fc'
DISABLED='#b9c1cd'
DANGER='#e5484d'
DANGER_PRESSED='#c9363b'
DANGER_SOFT='#fde8e8'
WHITE='#ffffff'

render_single() {
    src="$svg_dir/$1.svg"
    png="$out_dir/$2.png"
    printf '%s\n' "${5:-}" > "$work/style.css"
    rsvg-convert --width "$3" --height "$4" --stylesheet "$work/style.css" \
        --output "$png" "$src"
    echo "$2.png" >> "$work/list"
    sum=$(md5sum < "$src" | cut -c1-32)
    echo "$2.png $1.svg $3 $4 $sum" >> "$work/manifest"
}

render() {
    render_single "$1" "$2" "$3" "$4" "${5:-}"
    render_single "$1" "$2@2x" $(($3 * 2)) $(($4 * 2)) "${5:-}"
}

glyph() { echo "svg { color: $1; }"; }

# A glyph icon in the four states of a button.
button_states() {
    render "$1" "$2_normal" "$3" "$3" "$(glyph $MUTED)"
    render "$1" "$2_hover" "$3" "$3" "$(glyph $ACCENT)"
    render "$1" "$2_pressed" "$3" "$3" "$(glyph $ACCENT_PRESSED)"
    render "$1" "$2_disabled" "$3" "$3" "$(glyph $DISABLED)"
}

# Title-bar buttons: the hover state lights a rounded background.
render window_minimize window_minimize_normal 30 22 "$(glyph $MUTED)"
render window_minimize window_minimize_hover 30 22 "$(glyph $INK) .bg { fill: #e6eaf0; }"
render window_minimize window_minimize_pressed 30 22 "$(glyph $INK) .bg { fill: #d5dbe4; }"
render window_close window_close_normal 30 22 "$(glyph $MUTED)"
render window_close window_close_hover 30 22 "$(glyph $WHITE) .bg { fill: $DANGER; }"
render window_close window_close_pressed 30 22 "$(glyph $WHITE) .bg { fill: $DANGER_PRESSED; }"

# Panel and bottom-bar buttons.
button_states close close 16
render close close_small_normal 10 10 "$(glyph $QUIET)"
render close close_small_hover 10 10 "$(glyph $DANGER)"
button_states back back 16
button_states gear gear 16
button_states help help 16
button_states folder folder 16
button_states external external 16

# Merge table side buttons and the progress line.
button_states plus plus 16
button_states arrow_up arrow_up 16
button_states arrow_down arrow_down 16
button_states trash trash 16
button_states pause pause 16
button_states play play 16
button_states stop stop 16

# Tabs: quiet when unchecked, accent when checked.
for tab in split merge; do
    render "$tab" "tab_${tab}_normal" 16 16 "$(glyph $MUTED)"
    render "$tab" "tab_${tab}_hover" 16 16 "$(glyph $INK)"
    render "$tab" "tab_${tab}_checked" 16 16 "$(glyph $ACCENT)"
done

# Start page: the big Split and Merge pictures.
for big in split_big merge_big; do
    render "$big" "${big}_normal" 56 56 "$(glyph $ACCENT) .tile { fill: $ACCENT_SOFT; }"
    render "$big" "${big}_hover" 56 56 "$(glyph $WHITE) .tile { fill: $ACCENT; }"
    render "$big" "${big}_pressed" 56 56 "$(glyph $WHITE) .tile { fill: $ACCENT_PRESSED; }"
done

# Drop areas: the round "Add file" button.
render add_file add_file_normal 44 44 "$(glyph $ACCENT)"
render add_file add_file_hover 44 44 "$(glyph $ACCENT) .ring { fill: $ACCENT_SOFT2; stroke: $ACCENT; }"
render add_file add_file_pressed 44 44 "$(glyph $WHITE) .ring { fill: $ACCENT; stroke: $ACCENT; }"

# Merge table row buttons, named as the table delegate expects them.
render table_search tablesearchnormal 20 20 "$(glyph $QUIET)"
render table_search tablesearchpressed 20 20 "$(glyph $ACCENT) .bg { fill: $ACCENT_SOFT2; }"
render table_search tablesearchfocusnormal 20 20 "$(glyph $ACCENT)"
render table_search tablesearchfocuspressed 20 20 "$(glyph $WHITE) .bg { fill: $ACCENT; }"
render table_delete tabledeletenormal 20 20 "$(glyph $QUIET)"
render table_delete tabledeletepress 20 20 "$(glyph $DANGER) .bg { fill: $DANGER_SOFT; }"
render table_delete tabledeletefocusnormal 20 20 "$(glyph $MUTED)"
render table_delete tabledeletefocuspressed 20 20 "$(glyph $WHITE) .bg { fill: $DANGER; }"

# Check boxes and radio buttons: .box is the frame, .mark / .dot the tick.
for kind in checkbox radio; do
    case $kind in checkbox) tick=.mark ;; radio) tick=.dot ;; esac
    render $kind ${kind}_unchecked 18 18 ""
    render $kind ${kind}_unchecked_hover 18 18 ".box { stroke: $ACCENT; }"
    render $kind ${kind}_unchecked_disabled 18 18 ".box { fill: #f1f3f6; stroke: #d5dbe3; }"
    render $kind ${kind}_checked 18 18 ".box { fill: $ACCENT; stroke: $ACCENT; } $tick { opacity: 1; }"
    render $kind ${kind}_checked_hover 18 18 ".box { fill: $ACCENT_HOVER; stroke: $ACCENT_HOVER; } $tick { opacity: 1; }"
    render $kind ${kind}_checked_disabled 18 18 ".box { fill: #c3cedf; stroke: #c3cedf; } $tick { opacity: 1; }"
done

# Combo box arrow.
render chevron_down chevron_down_normal 12 12 "$(glyph $MUTED)"
render chevron_down chevron_down_disabled 12 12 "$(glyph $DISABLED)"

# Pictures drawn in their own colours, at the sizes the widgets show them.
render sort Sort 10 14
render sort_up SortUp 10 14
render sort_down SortDown 10 14
render size_grip size_grip 12 12
render lock lock 30 39
render locked locked 35 35
render helplabel helplabel 22 22
render_single shadow shadow 72 72
render icon16 icon16 16 16
render logo logo 300 72
render splash splash 480 300
render_single AppIconPdf256 AppIconPdf256 256 256

# The resource file lists the style sheet and every image rendered above.
{
    echo '<!DOCTYPE RCC>'
    echo '<RCC version="1.0">'
    echo '    <qresource prefix="/">'
    echo '        <file>style/style.css</file>'
    sort "$work/list" | while read -r name; do
        echo "        <file>style/images/$name</file>"
    done
    echo '    </qresource>'
    echo '</RCC>'
} > "$qrc"

{
    echo "# Written by render-images.sh: png, svg source, width, height, md5 of the svg."
    sort "$work/manifest"
} > "$manifest"

echo "rendered $(wc -l < "$work/list") images into $out_dir"
