"""Checks every Catalan text the program writes against Debian's Catalan dictionary
(hunspell -d ca): what app/ passes to tr(), translated(), QT_TRANSLATE_NOOP("frm", ...) and
QCoreApplication::translate("frm", ...), and the desktop entry's and the metainfo's texts.
Argument: the source folder."""
import pathlib
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

# Texts kept whole as the window was drawn: the caption of the decompose buttons.
CAPTIONS = {"descomposar"}
# Taken out wherever they stand: the school abbreviations of the greatest common divisor
# and the least common multiple (whose button leaves out the last period), and the two
# without periods, as the desktop entry's search keywords; the name of the image format
# the board is saved in.
ACCEPTED = ["m.c.d.", "m.c.m.", "m.c.m", "mcd", "mcm", "PNG"]

LITERAL = r'"((?:[^"\\]|\\.)*)"'
CALLS = [r"\btr\(\s*", r"\btranslated\(\s*", r'QT_TRANSLATE_NOOP\(\s*"frm",\s*',
         r'QCoreApplication::translate\(\s*"frm",\s*']
source = pathlib.Path(sys.argv[1])
texts = [(path.name, text) for path in sorted((source / "app").glob("*.[ch]*"))
         for call in CALLS for text in re.findall(call + LITERAL, path.read_text("utf-8"))]
desktop = (source / "packaging/cat.escola.descomposicio.desktop").read_text("utf-8")
texts += [("desktop entry", value.replace(";", " ")) for value in
          re.findall(r"^(?:Name|GenericName|Comment|Keywords)=(.*)$", desktop, re.MULTILINE)]
metainfo = ElementTree.parse(source / "packaging/cat.escola.descomposicio.metainfo.xml")
texts += [("metainfo", " ".join(node.text.split())) for tag in (
    "name", "summary", "description/p", "screenshots/screenshot/caption", "keywords/keyword")
    for node in metainfo.findall(tag)]


def words(text):
    if text in CAPTIONS:
        return ""
    # A number in words stands for each placeholder of arg(), so that an article elided
    # before it ("l'%1") or an ordinal ending ("%1è") reads as Catalan; the middle dot
    # between the parts of a line is no word.
    text = re.sub("%[0-9]", "onze", text).replace("·", " ")
    # A file dialog's pattern, "(*.png)", is no word either.
    text = re.sub(r"\(\*\.\w+\)", " ", text)
    for accepted in ACCEPTED:
        text = re.sub(r"(?<!\w)" + re.escape(accepted) + r"(?!\w)", " ", text)
    return text


hunspell = subprocess.run(["hunspell", "-d", "ca", "-i", "utf-8", "-l"], capture_output=True,
                          text=True, input="\n".join(words(text) for _, text in texts))
if hunspell.returncode != 0 or hunspell.stderr:
    sys.exit(f"hunspell -d ca failed (tools/deps installs hunspell-ca): {hunspell.stderr}")
unknown = [f"{origin}: {word!r} in {text!r}" for origin, text in texts
           for word in sorted(set(hunspell.stdout.split()))
           if re.search(r"(?<!\w)" + re.escape(word) + r"(?!\w)", words(text))]
print(f"{len(texts)} texts checked\n" + ("\n".join(unknown) or "every word is in the dictionary"))
sys.exit(1 if unknown else 0)
