#!/usr/bin/env bash
# Takes docs/screenshot.png: the built program on a virtual X display (Xvfb)
# with a window manager, two sample pages open. Needs xvfb, openbox, xdotool
# and ImageMagick's import.
# Usage: scripts/screenshot.sh [build dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
for tool in xvfb-run openbox xdotool import iconv; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb openbox xdotool imagemagick)" >&2; exit 1; }
done
cmake --build "$build" --target marquill

# A folder of its own, so the run neither reads nor writes the build's settings.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/marquill" "$build/marquill.html" "$work/"
printf '[Marquill]\r\nLeft=0\r\nTop=0\r\nWidth=1024\r\nHeight=668\r\n' >"$work/MARQUILL.INI"

page() {  # name, then the lines; written as the program keeps pages: CP932, CR LF
    local name=$1
    shift
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >"$work/$name"
}
page index.html '<HTML>' '<HEAD>' '<TITLE>山の写真館</TITLE>' '<!-- Marquill 32 -->' '</HEAD>' \
    '<BODY BGCOLOR="#FFFFF0" TEXT="#333333">' '<H1 ALIGN=center>山の写真館</H1>' '<HR SIZE=2 WIDTH="80%">' \
    '<P>ようこそ。四季の山を撮りためた写真を載せています。</P>' '<UL>' \
    '<LI><A HREF="spring.html">春の八ヶ岳</A>' '<LI><A HREF="summer.html">夏の北アルプス</A>' \
    '<LI><A HREF="autumn.html">秋の尾瀬</A>' '</UL>' \
    '<P><FONT SIZE=2 COLOR="#808080">最終更新：2026年12月8日</FONT></P>' '</BODY>' '</HTML>'
page spring.html '<HTML>' '<HEAD>' '<TITLE>春の八ヶ岳</TITLE>' '</HEAD>' '<BODY>' \
    '<H2>春の八ヶ岳</H2>' '<TABLE BORDER=1 CELLPADDING=4>' \
    '<TR><TH>日付</TH><TH>場所</TH><TH>写真</TH></TR>' \
    '<TR><TD>4月29日</TD><TD>赤岳</TD><TD><IMG SRC="akadake.jpg" ALT="赤岳"></TD></TR>' \
    '<TR><TD>5月3日</TD><TD>硫黄岳</TD><TD><IMG SRC="iou.jpg" ALT="硫黄岳"></TD></TR>' \
    '</TABLE>' '<P><A HREF="index.html">戻る</A></P>' '</BODY>' '</HTML>'

export work
xvfb-run -a -s "-screen 0 1024x700x24" bash -c '
    set -e
    openbox >/dev/null 2>&1 &
    sleep 1
    cd "$work"
    ./marquill index.html spring.html >/dev/null 2>&1 &
    program=$!
    for _ in $(seq 50); do
        xdotool search --name "Ｍａｒｑｕｉｌｌ" >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 2
    import -window root "$work/screenshot.png"
    kill $program
'
cp "$work/screenshot.png" docs/screenshot.png
echo "docs/screenshot.png written"
