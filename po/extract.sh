#!/usr/bin/env bash
# Writes the template of every text the game shows, collected from src/ as
# po/update.sh describes, to OUTPUT.
#
#   extract.sh OUTPUT
set -euo pipefail
out=$(realpath -m "$1")
cd "$(dirname "$0")/.."
find src -name '*.cpp' -o -name '*.hpp' | LC_ALL=C sort |
  xgettext --files-from=- --output="$out" --from-code=UTF-8 --language=C++ \
    --keyword --keyword=tr:2,2t --keyword=tr:2c,3,3t --keyword=gettext_noop \
    --add-comments=TRANSLATORS: --add-location=file --package-name=velmora --msgid-bugs-address=velmora@users.noreply.github.com \
    --sort-by-file
