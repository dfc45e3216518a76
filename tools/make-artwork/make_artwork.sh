#!/usr/bin/env bash
# Draws Quillon's artwork: the skin images loaded at run time (res/*.gif,
# res/*.bmp), the button bitmaps and the icon compiled into the resources
# (res/buttons/, res/quillon.ico). Needs ImageMagick 6 and a CJK font.
# The output is committed; run this again only to change the artwork.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/res
mkdir -p "$out/buttons"
font=${QUILLON_FONT:-/usr/share/fonts/truetype/wqy/wqy-microhei.ttc}

# Palette: deep blue panels, a teal accent, light neutral surfaces.
navy_top='#1d3557'; navy_bottom='#2a4d78'; accent='#3fa7b5'
ink='#22313f'; muted='#6b7c8f'; surface='#f5f8fb'; rule='#d3dce6'

# Left and right pictures are 200 and 400 pixels wide, equally high.
left_w=200; right_w=400; pic_h=340; strip_h=48

# Left picture: product name and the four steps, the current one lit.
left_panel() { # $1 file, $2 current step (1-4)
  local args=() labels=("读取操作员卡" "填写联系方式" "确认并提交" "注册结果")
  local i y
  for i in 1 2 3 4; do
    y=$((104 + (i - 1) * 46))
    if [ "$i" = "$2" ]; then
      args+=(-fill "$accent" -stroke none -draw "circle 36,$y 36,$((y - 12))"
             -fill white -pointsize 14 -annotate "+31+$((y + 5))" "$i"
             -fill white -pointsize 15 -annotate "+58+$((y + 6))" "${labels[$((i - 1))]}")
    else
      args+=(-fill none -stroke '#7f95ad' -strokewidth 1.5 -draw "circle 36,$y 36,$((y - 11))"
             -stroke none -fill '#9fb1c5' -pointsize 13 -annotate "+32+$((y + 5))" "$i"
             -fill '#a9b8c9' -pointsize 14 -annotate "+58+$((y + 5))" "${labels[$((i - 1))]}")
    fi
  done
  convert -size ${left_w}x${pic_h} gradient:"$navy_top"-"$navy_bottom" -font "$font" \
    -fill white -pointsize 24 -annotate +24+46 "Quillon" \
    -fill '#b8c7d9' -pointsize 12 -annotate +25+68 "企业安装注册向导" \
    "${args[@]}" \
    -fill '#8ea3ba' -pointsize 11 -annotate +24+322 "SQL Pelagos" \
    -type TrueColor "BMP3:$1"
}

# Left picture of the outcome step: a large check mark or cross.
outcome_panel() { # $1 file, $2 colour, $3 draw mark, $4 caption
  convert -size ${left_w}x${pic_h} gradient:"$navy_top"-"$navy_bottom" -font "$font" \
    -fill white -pointsize 24 -annotate +24+46 "Quillon" \
    -fill '#b8c7d9' -pointsize 12 -annotate +25+68 "企业安装注册向导" \
    -fill "$2" -stroke none -draw "circle 100,170 100,126" \
    -stroke white -strokewidth 7 -fill none -draw "$3" \
    -stroke none -fill white -pointsize 16 -gravity north -annotate +0+238 "$4" \
    -type TrueColor "BMP3:$1"
}

# Right picture: a light surface with a heading and optional body text.
right_panel() { # $1 file, $2 heading, $3 extra draw arguments...
  local file=$1 heading=$2; shift 2
  convert -size ${right_w}x${pic_h} xc:"$surface" -font "$font" \
    -fill "$ink" -pointsize 20 -annotate +28+46 "$heading" \
    -fill "$accent" -draw "rectangle 28,58 76,60" \
    "$@" -type TrueColor "BMP3:$file"
}

left_panel "$out/DlgReadCard_Left.bmp" 1
left_panel "$out/DlgUserContact_Left.bmp" 2
left_panel "$out/DlgShowUserInfo_Left.bmp" 3
outcome_panel "$out/DlgEnd_Left_Successful.bmp" '#3aa876' \
  "polyline 80,172 95,188 122,154" "注册成功"
outcome_panel "$out/DlgEnd_Left_Fail.bmp" '#d0643f' \
  "line 84,154 116,186 line 116,154 84,186" "注册未完成"

# The card step's content lives in its picture: a card and the instructions.
right_panel "$out/DlgReadCard_Right.bmp" "读取操作员卡" \
  -fill white -stroke "$rule" -strokewidth 1 -draw "roundrectangle 120,96 270,190 10,10" \
  -stroke none -fill "$accent" -draw "roundrectangle 138,116 170,140 4,4" \
  -fill "$rule" -draw "rectangle 138,158 252,164" -draw "rectangle 138,172 214,178" \
  -fill "$ink" -pointsize 14 -annotate +44+232 "请将操作员卡插入读卡器，" \
  -annotate +44+258 "然后点击“下一步”读取身份信息。" \
  -fill "$muted" -pointsize 12 -annotate +44+292 "读卡期间请勿拔出操作员卡。"
right_panel "$out/DlgUserContact_Right.bmp" "填写联系方式" \
  -fill "$muted" -pointsize 12 -annotate +28+300 "电话与地址仅用于本次注册的联系。"
# The review text box covers this picture: a plain white page.
convert -size ${right_w}x${pic_h} xc:white -type TrueColor "BMP3:$out/DlgShowUserInfo_Right.bmp"
# The outcome text stands at the top of this picture; the decoration sits low.
convert -size ${right_w}x${pic_h} xc:"$surface" -font "$font" \
  -fill "$rule" -draw "rectangle 28,276 372,277" \
  -fill "$muted" -pointsize 12 -annotate +28+300 "感谢使用 Quillon 企业安装注册向导。" \
  -type TrueColor "BMP3:$out/DlgEnd_Right.bmp"

# Caption bar, its close image and the bottom strip under the pictures.
convert -size 590x26 gradient:'#16283f'-"$navy_top" -font "$font" \
  -fill "$accent" -draw "circle 16,13 16,7" \
  -fill white -pointsize 13 -annotate +30+18 "Quillon 企业安装注册向导" "$out/Quillon_Title.gif"
convert -size 34x26 xc:'#16283f' -stroke '#c8d3df' -strokewidth 2 \
  -draw "line 12,8 22,18 line 22,8 12,18" "$out/Title_Close.gif"
convert -size 600x${strip_h} xc:'#eef2f6' -fill "$rule" -draw "rectangle 0,0 600,1" \
  "$out/Quillon_Bottom.gif"

# Message box background: a white card with a thin frame and a header band.
convert -size 320x150 xc:white -fill "$navy_top" -draw "rectangle 0,0 320,27" \
  -font "$font" -fill white -pointsize 13 -annotate +12+19 "提示" \
  -fill none -stroke '#9fb1c5' -draw "rectangle 0,0 319,149" "$out/MessageBox_Bk.gif"

# Busy indicator: twelve spokes, the bright one turning, 48 x 48.
frames=()
for f in $(seq 0 11); do
  args=()
  for s in $(seq 0 11); do
    age=$(( (f - s + 12) % 12 ))
    shade=$(( 60 + age * 15 ))
    a=$(echo "$s * 30" | bc)
    x1=$(echo "24 + 10 * s($a * 3.14159 / 180)" | bc -l); y1=$(echo "24 - 10 * c($a * 3.14159 / 180)" | bc -l)
    x2=$(echo "24 + 20 * s($a * 3.14159 / 180)" | bc -l); y2=$(echo "24 - 20 * c($a * 3.14159 / 180)" | bc -l)
    args+=(-stroke "rgb($shade,$((shade + 60 > 255 ? 255 : shade + 60)),$((shade + 70 > 255 ? 255 : shade + 70)))"
           -draw "stroke-linecap round line $x1,$y1 $x2,$y2")
  done
  convert -size 48x48 xc:"$surface" -strokewidth 4 "${args[@]}" \
    "$out/.frame$f.gif"
  frames+=("$out/.frame$f.gif")
done
convert -delay 10 -loop 0 "${frames[@]}" "$out/indicator_big.gif"
rm -f "${frames[@]}"

# Button bitmaps, 87 x 25, 24 bits: normal, pressed, focused, disabled.
button() { # $1 resource number, $2 state, $3 caption
  local fill text border dy=0 ring=()
  case $2 in
    normal)   fill='#2f6ead'; text=white; border='#275d93' ;;
    pressed)  fill='#214f7f'; text='#e3ecf5'; border='#1a3f66'; dy=1 ;;
    focused)  fill='#3a82c6'; text=white; border='#9fd6de'
              ring=(-fill none -stroke white -draw "roundrectangle 2,2 84,22 3,3") ;;
    disabled) fill='#d5dbe2'; text='#8994a1'; border='#c3cbd4' ;;
  esac
  convert -size 87x25 xc:"$surface" -fill "$fill" -stroke "$border" -strokewidth 1 \
    -draw "roundrectangle 0,0 86,24 4,4" \
    "${ring[@]}" \
    -stroke none -font "$font" -pointsize 13 -fill "$text" -gravity center \
    -annotate "+$dy+$dy" "$3" -type TrueColor "BMP3:$out/buttons/$1.bmp"
}
while read -r caption normal pressed focused disabled; do
  button "$normal" normal "$caption"
  button "$pressed" pressed "$caption"
  button "$focused" focused "$caption"
  [ "$disabled" != - ] && button "$disabled" disabled "$caption"
done <<'TABLE'
下一步 139 148 163 168
上一步 141 153 156 166
取消 144 149 160 171
确认 140 152 164 167
完成 145 151 161 170
退出 138 150 162 -
重新注册 143 154 157 173
TABLE

# Application icon: the accent disc with a white quill stroke.
convert -size 32x32 xc:none -fill "$navy_top" -draw "roundrectangle 0,0 31,31 6,6" \
  -fill "$accent" -draw "circle 16,16 16,6" -stroke white -strokewidth 3 \
  -draw "line 11,22 21,10" \( +clone -resize 16x16 \) "$out/quillon.ico"
echo "artwork written to $out"
