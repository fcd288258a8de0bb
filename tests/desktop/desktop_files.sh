#!/usr/bin/env bash
# The desktop's files as the desktop's own tools see them: the AppStream
# metadata and the desktop entry validated, the manual pages rendered
# without a warning, and an installation into a scratch prefix in which the
# MIME database maps *.棋譜 to the record type and the desktop database
# offers the entry for it, with the icons in place.
#
#   desktop_files.sh BUILD_DIR APP_ID RECORD_MIME_TYPE
set -uo pipefail
build=$1 id=$2 type=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "desktop_files: FAIL: $*" >&2
  failed=1
}

desktop=$build/src/app/desktop
entry=$desktop/$id.desktop
metainfo=$desktop/$id.metainfo.xml

# The validators: no error and no warning.
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $out"
out=$(desktop-file-validate "$entry" 2>&1)
[ -z "$out" ] || fail "desktop-file-validate: $out"

# One ID throughout.
grep -qx "Icon=$id" "$entry" || fail "the entry's icon is not $id"
grep -qx "MimeType=$type;" "$entry" || fail "the entry does not declare $type"
grep -q '^Exec=/.*/velmora .*%f$' "$entry" || fail "the entry does not name the program by its full path and pass the file (%f)"
grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metadata does not launch $id.desktop"
grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "the metadata does not provide $type"

# The manual pages, as lintian renders them: not a single warning.
for page in "$build"/docs/man/*.6.gz; do
  out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$out" ] || fail "$(basename "$page"): $out"
  lines=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | wc -l)
  [ "$lines" -gt 40 ] || fail "$(basename "$page") renders to only $lines lines"
done
[ -f "$build/docs/man/velmora.6.gz" ] && [ -f "$build/docs/man/velmora-script.6.gz" ] ||
  fail "a manual page is missing"

# Installed into a prefix of its own, then the databases refreshed as the
# README tells a user to.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
share=$prefix/share
for f in "applications/$id.desktop" "metainfo/$id.metainfo.xml" "mime/packages/$id.xml" \
  "icons/hicolor/scalable/apps/$id.svg" "icons/hicolor/48x48/apps/$id.png" \
  "icons/hicolor/scalable/mimetypes/${type//\//-}.svg" "icons/hicolor/48x48/mimetypes/${type//\//-}.png" \
  "man/man6/velmora.6.gz" "man/man6/velmora-script.6.gz" "doc/velmora/copyright"; do
  [ -s "$share/$f" ] || fail "not installed: share/$f"
done
# The installed entry starts the program installed beside it, by its full path.
exec_line=$(grep '^Exec=' "$share/applications/$id.desktop")
[ "$exec_line" = "Exec=$prefix/bin/velmora --desktop %f" ] || fail "the installed entry runs: $exec_line"
[ -x "$prefix/bin/velmora" ] || fail "the program the entry names is not there"
XDG_DATA_DIRS=$share update-mime-database "$share/mime" || fail "update-mime-database failed"
grep -q "^[0-9]*:$type:\*\.棋譜$" "$share/mime/globs2" || fail "*.棋譜 is not mapped to $type"
update-desktop-database "$share/applications" || fail "update-desktop-database failed"
grep -q "^$type=.*$id.desktop" "$share/applications/mimeinfo.cache" ||
  fail "no entry offered for $type"
# What xdg-open asks before it starts a program for a file.
touch "$work/一局目.棋譜"
export XDG_DATA_HOME=$work/none XDG_DATA_DIRS=$share:/usr/share XDG_CONFIG_HOME=$work/none
[ "$(xdg-mime query filetype "$work/一局目.棋譜")" = "$type" ] ||
  fail "xdg-mime takes a record for $(xdg-mime query filetype "$work/一局目.棋譜")"
[ "$(xdg-mime query default "$type")" = "$id.desktop" ] || fail "xdg-mime opens $type with $(xdg-mime query default "$type")"

exit "$failed"
