#!/usr/bin/env bash
# Builds the Debian package from the build tree with cpack, as the README
# says, and looks into it with dpkg-deb: the control fields, run-time
# dependencies worked out from the binaries, and every file in its place.
#
#   debian_package.sh BUILD_DIR OUT_DIR VERSION APP_ID RECORD_MIME_TYPE
set -uo pipefail
build=$1 out=$2 version=$3 id=$4 type=$5
failed=0
fail() {
  echo "debian_package: FAIL: $*" >&2
  failed=1
}

rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || {
  cat "$out/cpack.log" >&2
  fail "cpack failed"
  exit 1
}
arch=$(dpkg --print-architecture)
deb=$out/velmora_${version}_${arch}.deb
[ -f "$deb" ] || {
  fail "no $(basename "$deb")"
  exit 1
}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velmora ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Priority)" = optional ] || fail "Priority: $(field Priority)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Homepage)" ] || fail "no Homepage"
depends=$(field Depends)
for lib in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libfontconfig1 libsdl2-2.0-0; do
  [[ ", $depends" == *", $lib (>= "* ]] || fail "Depends lacks a versioned $lib: $depends"
done
[[ "$(field Description | head -1)" = "shogi with the mirror piece rule" ]] || fail "Description's synopsis"
[ "$(field Description | wc -l)" -gt 4 ] || fail "no long description"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
icon=${type//\//-}
for f in usr/games/velmora usr/games/velmora-script usr/lib/games/velmora/libvelmora.so \
  "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
  "usr/share/mime/packages/$id.xml" "usr/share/icons/hicolor/scalable/apps/$id.svg" \
  "usr/share/icons/hicolor/256x256/apps/$id.png" "usr/share/icons/hicolor/16x16/apps/$id.png" \
  "usr/share/icons/hicolor/scalable/mimetypes/$icon.svg" "usr/share/icons/hicolor/48x48/mimetypes/$icon.png" \
  usr/share/man/man6/velmora.6.gz usr/share/man/man6/velmora-script.6.gz \
  usr/share/doc/velmora/copyright usr/share/doc/velmora/changelog.gz \
  usr/share/velmora/Velmora.htm usr/share/velmora/BGM.wav usr/share/velmora/その他.wav \
  usr/share/velmora/禁止.wav usr/share/velmora/駒打音.wav \
  usr/share/velmora/Velmora.en.htm usr/share/locale/en/LC_MESSAGES/velmora.mo; do
  grep -qx "\./$f" <<<"$contents" || fail "not in the package: /$f"
done
grep -E '^\./usr/(local|include|bin)/' <<<"$contents" && fail "files outside Debian's places"
dpkg-deb -c "$deb" | awk '$2 != "root/root" {print}' | grep . && fail "files not owned by root"

# The files themselves: the programs find their library, the documents read.
x=$out/extracted
dpkg-deb -x "$deb" "$x"
readelf -d "$x/usr/games/velmora" | grep -q 'R.*PATH.*\[\$ORIGIN/\.\./lib/games/velmora\]' ||
  fail "velmora does not look for its library beside it"
[ -z "$(LD_LIBRARY_PATH= ldd "$x/usr/games/velmora" | grep 'not found')" ] || fail "velmora lacks a library"
# /usr/games is not on every user's PATH: the desktop entry names the program by its full path.
grep -qx 'Exec=/usr/games/velmora --desktop %f' "$x/usr/share/applications/$id.desktop" ||
  fail "the desktop entry runs: $(grep '^Exec=' "$x/usr/share/applications/$id.desktop")"
grep -q '^License: MIT' "$x/usr/share/doc/velmora/copyright" || fail "the copyright names no MIT licence"
zcat "$x/usr/share/doc/velmora/changelog.gz" | head -1 | grep -q "^velmora ($version) " ||
  fail "the changelog does not start with version $version"
# Run from an empty folder, the programs take the sounds installed beside them.
(cd "$out" && strace -f -e trace=openat -o "$out/opened" "$x/usr/games/velmora-script" </dev/null >/dev/null 2>&1)
grep -q "\"$x/usr/share/velmora/BGM.wav\", O_RDONLY" "$out/opened" || fail "velmora-script does not find its sounds"
"$x/usr/games/velmora" --version | head -1 | grep -qx "velmora $version" || fail "velmora --version"

exit "$failed"
