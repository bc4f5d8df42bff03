#!/usr/bin/env bash
# Makes the Wine prefix the Windows build runs in (tests and the smoke run), once: a prefix of
# its own, never the user's ~/.wine, with the Japanese Windows fonts the program asks for
# mapped to the IPA fonts installed here.
#
#   scripts/wine-prefix.sh build/windows/wine
set -euo pipefail

prefix=$(realpath -m "$1")
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -f "$prefix/brelvik-fonts" ]; then
    exit 0
fi
echo "Making the Wine prefix $prefix"
mkdir -p "$prefix"
wineboot -i >/dev/null 2>&1
key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
while IFS='=' read -r name face; do
    wine reg add "$key" /v "$name" /t REG_SZ /d "$face" /f >/dev/null 2>&1
done <<'FONTS'
MS Gothic=IPAGothic
MS PGothic=IPAPGothic
MS UI Gothic=IPAPGothic
ＭＳ ゴシック=IPAGothic
ＭＳ Ｐゴシック=IPAPGothic
Meiryo=IPAPGothic
Meiryo UI=IPAPGothic
Yu Gothic UI=IPAPGothic
FONTS
wineserver -w
touch "$prefix/brelvik-fonts"
