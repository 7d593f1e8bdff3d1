#!/usr/bin/env bash
# Refreshes translations/quorvel_jpn.ts from the sources and lists the
# entries that still want a translation.
#
#   bash tools/update_translations.sh
#
# Worker texts pass through note("…"), its toned siblings noteGood, noteWarn
# and noteFail, and say("…"), which lupdate reads as
# tr(). Texts of the worker frame (CartWorker, InfoWorker, DumpWorker,
# SaveWorker, and each family's <f>Save) are
# looked up at run time under the concrete worker's class (mdThreadDump, …),
# so they are copied into each of those contexts. Texts the frame's free
# functions pass to frameText("…") (refusals and save error reasons) are
# looked up under DumpWorker itself; lupdate cannot see them through the
# helper, so they are read from workers/worker.cpp. Translations already in
# the file are kept; a text new to a context borrows the translation the same
# text has elsewhere. Entries left unfinished are listed at the end; the
# program shows them in English until they are translated.
set -euo pipefail
cd "$(dirname "$0")/.."

ts=translations/quorvel_jpn.ts
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fresh=$scratch/fresh.ts

lupdate -silent -no-obsolete -locations none -I . \
    -tr-function-alias tr+=note,tr+=noteGood,tr+=noteWarn,tr+=noteFail,tr+=say \
    app gui workers -target-language ja_JP -ts "$fresh"

python3 - "$fresh" "$ts" <<'PY'
import glob, os, re, sys
import xml.etree.ElementTree as ET

fresh_path, ts_path = sys.argv[1], sys.argv[2]

workers = sorted(set(re.findall(r"\bclass\s+(\w+Thread(?:Info|Dump|ReadSave|WriteSave))\b",
                                "".join(open(p, encoding="utf-8").read()
                                        for p in glob.glob("workers/*/*_threads.h") + glob.glob("workers/*/*_save.h")))))
saves = [w for w in workers if w.endswith("Save")]
frame = {
    "CartWorker": workers,
    "InfoWorker": [w for w in workers if w.endswith("Info")],
    "DumpWorker": [w for w in workers if w.endswith("Dump")],
    "SaveWorker": saves,
}
# Each family's save description (mdSave …) logs under its two workers.
for w in saves:
    frame.setdefault(w.split("Thread")[0] + "Save", []).append(w)

def text_of(element):
    """Element text with lupdate's <byte value="xd"/> as the character."""
    if element is None:
        return None
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16) if child.get("value").startswith("x")
                         else int(child.get("value")))
        text += child.tail or ""
    return text

def messages(root):
    for context in root.findall("context"):
        name = context.findtext("name")
        for m in context.findall("message"):
            yield name, m

# What the file holds now: by context and text, and by text alone.
known, by_source = {}, {}
if os.path.exists(ts_path):
    for name, m in messages(ET.parse(ts_path).getroot()):
        t = m.find("translation")
        if t is not None and t.get("type") not in ("unfinished", "obsolete") and text_of(t):
            known[(name, text_of(m.find("source")))] = text_of(t)
            by_source.setdefault(text_of(m.find("source")), text_of(t))

wanted = {}   # context -> ordered sources
for name, m in messages(ET.parse(fresh_path).getroot()):
    source = text_of(m.find("source"))
    for context in frame.get(name, [name]):
        wanted.setdefault(context, [])
        if source not in wanted[context]:
            wanted[context].append(source)

# Literal arguments of frameText(), with C escapes undone.
escapes = {"n": "\n", "r": "\r", "t": "\t"}
for literal in re.findall(r'\bframeText\(\s*"((?:[^"\\]|\\.)*)"\s*\)',
                          open("workers/worker.cpp", encoding="utf-8").read()):
    source = re.sub(r"\\(.)", lambda e: escapes.get(e.group(1), e.group(1)), literal)
    wanted.setdefault("DumpWorker", [])
    if source not in wanted["DumpWorker"]:
        wanted["DumpWorker"].append(source)

root = ET.Element("TS", version="2.1", language="ja_JP")
unfinished = []
for context in sorted(wanted):
    c = ET.SubElement(root, "context")
    ET.SubElement(c, "name").text = context
    for source in wanted[context]:
        m = ET.SubElement(c, "message")
        ET.SubElement(m, "source").text = source
        t = ET.SubElement(m, "translation")
        text = known.get((context, source), by_source.get(source))
        if text is None:
            t.set("type", "unfinished")
            unfinished.append((context, source))
        else:
            t.text = text

ET.indent(root)
with open(ts_path, "w", encoding="utf-8") as f:
    f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
    f.write(ET.tostring(root, encoding="unicode").replace("\r", "&#xd;"))
    f.write("\n")

print("%s: %d contexts, %d texts, %d unfinished"
      % (ts_path, len(wanted), sum(len(v) for v in wanted.values()), len(unfinished)))
for context, source in unfinished:
    print("  unfinished  %-16s %r" % (context, source))
PY
