#!/bin/bash
# Regenerates the cover pictures that the catalogue service serves.
#
#   make-covers.sh [DATA_DIR]   title cards for every community.cover in
#                               DATA_DIR/catalogue.txt (default: server/data)
#   make-covers.sh --test DIR   the flat test covers DIR/lpic/solid.jpg
#                               (RGB 0,0,255) and DIR/lpic/red.jpg (RGB 255,0,0)
#
# Needs ImageMagick's convert; Chinese titles need the WenQuanYi Zen Hei font
# (Debian package fonts-wqy-zenhei), otherwise a Latin font is used.
# The cards are plain generated artwork, never copies of real covers.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

if [[ ${1:-} == --test ]]; then
    dir=${2:?usage: make-covers.sh --test DIR}
    mkdir -p "$dir/lpic"
    # One flat colour each: the tests compare the drawn frame's pixels.
    convert -size 60x80 'xc:rgb(0,0,255)' -strip -quality 95 "$dir/lpic/solid.jpg"
    convert -size 60x80 'xc:rgb(255,0,0)' -strip -quality 95 "$dir/lpic/red.jpg"
    exit 0
fi

data=${1:-$here/data}
catalogue=$data/catalogue.txt
mkdir -p "$data/lpic"

font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
[[ -f $font ]] || font=DejaVu-Sans

palette=('#8c2f39' '#2f4858' '#33658a' '#55286f' '#386641' '#7f4f24' '#1d3557' '#6a040f' '#3d405b' '#005f73')

card() {  # isbn title author file
    local isbn=$1 title=$2 author=$3 file=$4
    local sum colour
    sum=$(printf '%s' "$isbn" | md5sum | cut -c1-4)
    colour=${palette[$((16#$sum % ${#palette[@]}))]}
    convert -size 300x400 "xc:$colour" \
        -fill 'rgba(255,255,255,0.12)' -draw 'rectangle 0,330 300,400' \
        -fill white -draw 'rectangle 24,40 276,43' \
        \( -size 252x190 -background none -fill white -font "$font" -gravity center "caption:$title" \) \
        -gravity north -geometry +0+60 -composite \
        \( -size 252x50 -background none -fill '#f1e9d2' -font "$font" -gravity center "caption:$author" \) \
        -gravity north -geometry +0+262 -composite \
        -font "$font" -pointsize 14 -fill '#f1e9d2' -gravity south -annotate +0+24 "ISBN $isbn" \
        -strip -quality 82 "$data/lpic/$file"
    echo "$file"
}

isbn='' title='' author='' cover=''
flush() {
    if [[ -n $isbn && -n $cover ]]; then card "$isbn" "${title:-ISBN $isbn}" "$author" "$cover"; fi
    isbn='' title='' author='' cover=''
}
trim() { local s=$1; s=${s#"${s%%[![:space:]]*}"}; printf '%s' "${s%"${s##*[![:space:]]}"}"; }

while IFS= read -r line || [[ -n $line ]]; do
    line=${line%$'\r'}
    case $(trim "$line") in
    '#'* | '') ;;
    '['*']')
        flush
        isbn=$(trim "$line"); isbn=${isbn#[}; isbn=${isbn%]}
        ;;
    *=*)
        key=$(trim "${line%%=*}")
        value=$(trim "${line#*=}")
        case $key in
        community.title) title=$value ;;
        community.author) [[ -n $author ]] || author=$value ;;
        community.cover) cover=$value ;;
        esac
        ;;
    esac
done <"$catalogue"
flush
