#!/usr/bin/env bash
# Photographs the editor itself with a 16-team bracket of Chinese team names
# whose picks are made up to the champion, into docs/bracket-16.png. Starts
# its own Xvfb and stops it and Wine again, whatever happens.
# Usage: screenshot_bracket.sh [dpi]: at a display scale other than 96 the
# editor runs in a copy of the prefix with that LogPixels, and the picture
# goes to docs/bracket-16-<dpi>dpi.png.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
build_project
prepare_prefix
. "$ROOT/cmake/wine-env.sh"

DPI=${1:-96}
OUT="$ROOT/docs/bracket-16.png"
begin_screenshots
if [ "$DPI" != 96 ]; then
  OUT="$ROOT/docs/bracket-16-${DPI}dpi.png"
  scaled_prefix "$DPI" "$DPI" </dev/null
fi

# Sixteen teams with Chinese names, as the first-round boxes (edit controls)
# and the picks (drop-downs) show them; every match decided, round by round,
# up to the champion.
python3 - "$WORK/spring-cup.xml" <<'PY'
import sys
teams = ["台北熊隊", "新竹風隊", "台中鷹隊", "嘉義虎隊", "台南獅隊", "高雄鯨隊", "花蓮豹隊", "宜蘭狼隊",
         "基隆鯊隊", "桃園龍隊", "彰化牛隊", "屏東鹿隊", "澎湖海豚", "金門戰士", "苗栗山貓", "南投雲豹"]
winners = [0, 3, 4, 6, 9, 10, 12, 15]          # round two, by base index
names = list(teams)
names += [teams[i] for i in winners]            # ids 17..24
names += [teams[i] for i in (0, 4, 9, 15)]      # ids 25..28
names += [teams[i] for i in (4, 9)]             # ids 29..30
names += [teams[4]]                             # id 31, the champion
xml = "<Games><Title>Spring Cup 2026</Title><Teams>16</Teams>"
xml += "".join('<Team Name="%s" id="%d"/>' % (n, i + 1) for i, n in enumerate(names))
xml += "</Games>"
open(sys.argv[1], "w", encoding="utf-8").write(xml)
PY

start_display 2048x1024x24

# The picture is of the Chinese editor, whatever language this machine speaks.
shoot_editor zh_TW.UTF-8 "$((900 * DPI / 96))x$((420 * DPI / 96))" "$WORK/spring-cup.xml"
