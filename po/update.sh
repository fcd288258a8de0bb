#!/usr/bin/env bash
# Collects every text the game shows from the sources into po/velmora.pot and
# merges it into each language's po/LL.po, for the translators:
#
#   bash po/update.sh            # then translate the new entries of po/LL.po
#
# A text is collected where it is looked up, tr(lang, "…") or
# tr(lang, "context", "…"), or marked where it is named, gettext_noop("…");
# comments starting "TRANSLATORS:" just before go with it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash po/extract.sh po/velmora.pot
for po in po/*.po; do
  msgmerge --quiet --update --backup=none --no-fuzzy-matching "$po" po/velmora.pot
  # The template's date would change every catalogue on every run.
  sed -i '/^"POT-Creation-Date: /d' "$po"
done
