#!/bin/bash
# Loads the word search pages of a folder in headless Chromium and counts the
# red pixels of the answer outline: the outlined page (outlines_on.html) must
# show a box around "hello" in the middle of the letter table, the page whose
# loader returns at once (outlines_off.html) none.
# usage: outline_in_browser.sh <folder>
set -euo pipefail
work=$1

width=1000
height=800

shoot() {
    local page=$1 shot=$2
    # Chromium prints harmless warnings on stderr; the screenshot is what counts.
    timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --hide-scrollbars --user-data-dir="$work/profile-$(basename "$page" .html)" \
        --window-size=$width,$height --screenshot="$shot" "file://$page" >"$work/chromium.log" 2>&1 || true
    if [[ ! -s $shot ]]; then
        echo "no screenshot of $page"
        cat "$work/chromium.log"
        exit 1
    fi
}

# White where a pixel is pure enough red, black elsewhere.
red_mask() {
    convert "$1" -alpha off -fuzz 20% -fill black +opaque '#ff0000' -fill white -opaque '#ff0000' "$2"
}

count_white() {
    convert "$1" -format '%[fx:round(mean*w*h)]' info:
}

shoot "$work/outlines_on.html" "$work/on.png"
shoot "$work/outlines_off.html" "$work/off.png"
red_mask "$work/on.png" "$work/on-red.png"
red_mask "$work/off.png" "$work/off-red.png"

on=$(count_white "$work/on-red.png")
off=$(count_white "$work/off-red.png")
# The red box: its width, height and left edge in the screenshot.
read -r box_w box_h box_x box_y < <(convert "$work/on-red.png" -trim -format '%w %h %X %Y\n' info: | tr -d '+')
echo "red pixels with outlines: $on, without: $off; red box ${box_w}x${box_h} at $box_x,$box_y"

fail=0
# The outline of five cells across: 140 x 20 pixels, drawn as four one-pixel lines.
if ((on < 2 * (140 + 20))); then echo "too few red pixels with outlines on"; fail=1; fi
if ((off != 0)); then echo "red pixels although the loader returns at once"; fail=1; fi
if ((box_w < 139 || box_w > 143 || box_h < 19 || box_h > 23)); then echo "red box is not the outline of five cells"; fail=1; fi
# The letter table is centred, and so is "hello" in it: the box's middle is the page's.
centre=$((box_x + box_w / 2))
if ((centre < width / 2 - 4 || centre > width / 2 + 4)); then echo "outline not over the word (centre $centre)"; fail=1; fi
# Inside the box stand the word's dark letters.
dark=$(convert "$work/on.png" -crop "$((box_w - 4))x$((box_h - 4))+$((box_x + 2))+$((box_y + 2))" -alpha off \
    -colorspace Gray -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)
echo "dark pixels inside the box: $dark"
if ((dark < 50)); then echo "no letters inside the outline"; fail=1; fi
exit $fail
