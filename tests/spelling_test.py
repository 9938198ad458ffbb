"""Checks every Catalan text the program writes against Debian's Catalan dictionary
(hunspell -d ca): what app/ passes to tr(), QT_TRANSLATE_NOOP("frm", ...) and
QCoreApplication::translate("frm", ...), and what the desktop entry and the metainfo say.
Argument: the source folder."""
import pathlib
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

# Texts kept as the window was drawn, whole: the captions of the decompose buttons and of
# the speed item.
CAPTIONS = {"descomposar", "rapid"}
# Words no dictionary holds, taken out before the check wherever they stand: the school
# abbreviations of the greatest common divisor and the least common multiple (the button
# writes the second without its last period), and the same without periods as search
# keywords of the desktop entry.
ACCEPTED = ["m.c.d.", "m.c.m.", "m.c.m", "mcd", "mcm"]

LITERAL = r'"((?:[^"\\]|\\.)*)"'
CALLS = [r"\btr\(\s*" + LITERAL, r'QT_TRANSLATE_NOOP\(\s*"frm",\s*' + LITERAL,
         r'QCoreApplication::translate\(\s*"frm",\s*' + LITERAL]

source = pathlib.Path(sys.argv[1])
texts = []
for path in sorted((source / "app").glob("*.[ch]*")):
    code = path.read_text(encoding="utf-8")
    texts += [(path.name, text) for call in CALLS for text in re.findall(call, code)]
for line in (source / "packaging/cat.escola.descomposicio.desktop").read_text().splitlines():
    key, _, value = line.partition("=")
    if key in ("Name", "GenericName", "Comment", "Keywords"):
        texts += [("desktop entry", value.replace(";", " "))]
metainfo = ElementTree.parse(source / "packaging/cat.escola.descomposicio.metainfo.xml")
for tag in ("name", "summary", "description/p", "screenshots/screenshot/caption",
            "keywords/keyword"):
    texts += [("metainfo", " ".join(node.text.split())) for node in metainfo.findall(tag)]

def checked_words(text):
    if text in CAPTIONS:
        return ""
    words = re.sub("%[0-9]", " ", text)  # the placeholders of arg()
    for accepted in ACCEPTED:
        words = re.sub(r"(?<!\w)" + re.escape(accepted) + r"(?!\w)", " ", words)
    return words


hunspell = subprocess.run(["hunspell", "-d", "ca", "-i", "utf-8", "-l"],
                          input="\n".join(checked_words(text) for _, text in texts),
                          capture_output=True, text=True)
if hunspell.returncode != 0 or hunspell.stderr:
    sys.exit(f"hunspell -d ca failed (tools/deps installs hunspell-ca): {hunspell.stderr}")
flagged = set(hunspell.stdout.split())
unknown = [f"{origin}: {word!r} in {text!r}" for origin, text in texts for word in sorted(flagged)
           if re.search(r"(?<!\w)" + re.escape(word) + r"(?!\w)", checked_words(text))]
print(f"{len(texts)} texts checked")
print("\n".join(unknown) or "every word is in the dictionary")
sys.exit(1 if unknown else 0)
