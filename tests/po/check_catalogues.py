#!/usr/bin/env python3
"""Every text the game can show has a translation in every catalogue.

Collects the texts from src/ with xgettext, as po/update.sh does, and checks
each po/LL.po with GNU gettext's own tools: msgfmt --check finds no fault,
msgcmp finds every text translated and no translation of a text that is gone.
Then it looks for texts that were never marked: every string literal of src/
with a character beyond ASCII must be a text xgettext collected, a context or
a placeholder of one, or one of the few literals below that the player never
reads as a text.

    check_catalogues.py SOURCE_DIR WORK_DIR
"""
import pathlib
import re
import subprocess
import sys

# Literals with Japanese characters that are data, not texts to translate.
NOT_TEXTS = {
    # velmora --help, in English like the program's messages on standard error.
    "src/app/command_line.cpp": None,
    "src/app/fonts.cpp": None,  # the characters the font is made ready for
    "src/app/pictures.cpp": None,  # the kanji pieces' faces are pictures
    "src/app/record_panel.cpp": {"*.棋譜"},  # the record files' pattern
    "src/format/encoding.cpp": None,  # code points the encodings test for
    "src/format/settings.cpp": None,  # the settings file's keys and values, the same in every language
    "src/window/settings.cpp": {"背景画", "移動指導", "経過時間", "駒", "国際式"},
    "src/game/sound.cpp": {"その他.wav", "禁止.wav", "駒打音.wav"},  # file names
    "src/game/record.cpp": {"\ufeff"},
    "src/input/record_panel.cpp": {".棋譜"},
    # The pieces' faces (pictures) and their names in the Japanese notation; the
    # last-move names beside the board are marked for translation.
    "src/rules/pieces.hpp": None,
    # The Japanese notation of the move list; another language writes its own beside it.
    "src/game/notation.cpp": None,
    # Drawn with the source texts only; a translation draws "{手数}手目" whole.
    "src/view/labels.cpp": {"手目"},
    # The recorders' lines of what happens in the game, for tests.
    "src/script/fakes.cpp": None,
}


def run(*args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, **kwargs)


def entries(pot):
    """(context, text, files) of each entry of a .pot file."""
    out = []
    for block in pot.split("\n\n"):
        def field(name):
            m = re.search(r"^%s ((?:\".*\"\n?)+)" % name, block, re.M)
            if not m:
                return None
            text = "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', m.group(1)))
            escapes = {"n": "\n", "r": "\r", "t": "\t"}
            return re.sub(r"\\(.)", lambda e: escapes.get(e.group(1), e.group(1)), text)
        files = re.findall(r"^#: (.*)$", block, re.M)
        text = field("msgid")
        if text:
            out.append((field("msgctxt"), text, " ".join(files).split()))
    return out


def main():
    source, work = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    work.mkdir(parents=True, exist_ok=True)
    failed = []

    pot = work / "velmora.pot"
    r = run("bash", str(source / "po/extract.sh"), str(pot))
    if r.returncode:
        sys.exit("xgettext failed:\n" + r.stderr)
    texts = entries(pot.read_text())

    catalogues = sorted((source / "po").glob("*.po"))
    if not catalogues:
        failed.append("no catalogue in po/")
    for po in catalogues:
        r = run("msgfmt", "--check", "--statistics", "-o", "/dev/null", str(po))
        if r.returncode or "fuzzy" in r.stderr or "untranslated" in r.stderr:
            failed.append("%s: msgfmt --check: %s" % (po.name, r.stderr.strip()))
        r = run("msgcmp", str(po), str(pot))
        if r.returncode or "not used" in r.stderr:
            failed.append("%s: texts without a translation, or translations of texts that are gone "
                          "(run bash po/update.sh and translate):\n%s" % (po.name, r.stderr.strip()))

    # Every literal, marked or not, as xgettext reads them.
    everything = work / "everything.pot"
    files = sorted(str(p.relative_to(source)) for p in (source / "src").rglob("*") if p.suffix in (".cpp", ".hpp"))
    r = run("xgettext", "-a", "--from-code=UTF-8", "--language=C++", "--add-location=file", "-o", str(everything),
            "--files-from=-", input="\n".join(files), cwd=source)
    if r.returncode:
        sys.exit("xgettext -a failed:\n" + r.stderr)
    known = {t for _, t, _ in texts} | {c for c, _, _ in texts if c}
    placeholders = {name for _, t, _ in texts for name in re.findall(r"\{([^{}]*)\}", t)}
    for _, literal, where in entries(everything.read_text()):
        if literal.isascii() or literal in known or literal in placeholders:
            continue
        unmarked = [f for f in where if f not in NOT_TEXTS or (NOT_TEXTS[f] is not None and literal not in NOT_TEXTS[f])]
        if unmarked:
            failed.append("%s: %r is shown untranslated: look it up with tr(lang, ...) where it is shown, "
                          "or mark it with gettext_noop(...)" % (", ".join(unmarked), literal))

    for f in failed:
        print("FAIL " + f)
    print("%d texts, %d catalogues, %d faults" % (len(texts), len(catalogues), len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
