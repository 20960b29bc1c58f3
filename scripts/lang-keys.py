#!/usr/bin/env python3
"""Keeps the translations in res/lang/ complete.

Collects every text the code names: the numbered texts of src/base/TextIds.h and every keyed text
(tk("key", "fallback"), qtk(...), TextCatalog's text("key", "fallback"), the window's
MakeAction(id, "key", "fallback", ...), and the code tables whose texts are looked up by
prefix + name, see TABLES), and checks each res/lang/feldspan_<language>.ts against
them:
  - every text is there, with the code's text as its <source>, and translated;
  - the translation keeps the source's printf directives (%s, %02d, ...) and Qt markers (%1, %2),
    in the same order;
  - no text is there that the code no longer has.
feldspan_zh_TW.ts carries only the texts (numbered or keyed) whose text in the code is English: the
program's other texts are Traditional Chinese already.

  scripts/lang-keys.py            report what each translation lacks; exit 1 when anything does
  scripts/lang-keys.py --list     list the ids and keys the code uses, with the code's texts
  scripts/lang-keys.py --update   bring every .ts in line with the code: new texts are added
                                  untranslated (type="unfinished"), changed sources are marked
                                  unfinished, texts the code dropped are removed
"""

import os
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
LANG_DIR = os.path.join(ROOT, "res", "lang")
# The simulated terminal speaks English only, to its log.
SKIP_DIRS = {os.path.join(ROOT, "src", "sim")}

C_STRING = r'"(?:[^"\\\n]|\\.)*"'
# Adjacent literals, also across the line ends of a macro.
STRINGS = r"(?:%s(?:\s|\\\n)*)+" % C_STRING
KEYED = re.compile(
    r"(?:\bq?tk|\.text|\bMakeAction)\s*\(\s*(?:[\w:]+\s*,\s*)?\"([A-Za-z][\w]*(?:\.[\w]+)+)\"\s*,\s*(" + STRINGS + r")")
NUMBERED = re.compile(r"X\(\s*(\w+)\s*,\s*(\d+)\s*,\s*(" + STRINGS + r")\)")
TABLE_ROW = re.compile(r"X\(\s*(\w+)\s*,\s*[0-9A-Fa-fxXuU]+\s*,(?:\s|\\\n)*(" + STRINGS + r")\)")
# Code tables defined once with X(Name, value, "text") rows, whose texts the code looks up as
# tk("<prefix>Name", text).
TABLES = {
    os.path.join("src", "link", "wire", "TermStatus.h"): "term.status.",
    os.path.join("src", "cradle", "stdfu", "DfuTypes.h"): "dfu.",
}
DIRECTIVE = re.compile(r"%%|%[-+ #0]*\d*(?:\.\d+)?[lhz]*[diuxXcfFeEgGs]|%\d+")
CJK = re.compile(r"[\u3000-\u9fff\uff00-\uffef]")


def c_string(literals):
    """The text of adjacent C string literals."""
    out = []
    for lit in re.findall(C_STRING, literals):
        body = lit[1:-1]
        i = 0
        while i < len(body):
            c = body[i]
            if c == "\\" and i + 1 < len(body):
                n = body[i + 1]
                out.append({"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\", "'": "'"}.get(n, "\\" + n))
                i += 2
            else:
                out.append(c)
                i += 1
    return "".join(out)


def directives(text):
    return [d for d in DIRECTIVE.findall(text) if d != "%%"]


def numbered_texts():
    with open(os.path.join(ROOT, "src", "base", "TextIds.h"), encoding="utf-8") as f:
        src = f.read()
    return {m.group(2): c_string(m.group(3)) for m in NUMBERED.finditer(src)}


def keyed_texts(problems):
    """key -> (fallback, where first used)."""
    keys = {}
    for folder, dirs, files in os.walk(os.path.join(ROOT, "src")):
        if any(folder == d or folder.startswith(d + os.sep) for d in SKIP_DIRS):
            continue
        dirs.sort()
        for name in sorted(files):
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8") as f:
                src = f.read()
            for m in KEYED.finditer(src):
                key, fallback = m.group(1), c_string(m.group(2))
                where = "%s:%d" % (os.path.relpath(path, ROOT), src.count("\n", 0, m.start()) + 1)
                if key in keys and keys[key][0] != fallback:
                    problems.append("%s: key %s is used with two texts (first at %s)" % (where, key, keys[key][1]))
                keys.setdefault(key, (fallback, where))
    for path, prefix in TABLES.items():
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            src = f.read()
        for m in TABLE_ROW.finditer(src):
            keys.setdefault(prefix + m.group(1), (c_string(m.group(2)), "%s:%d" % (path, src.count("\n", 0, m.start()) + 1)))
    return keys


def english_fallback(text):
    words = DIRECTIVE.sub("", text)
    return re.search(r"[A-Za-z]", words) is not None and not CJK.search(words)


def expected(language, ids, keys):
    """id or key -> the code's text, for one language."""
    if language == "zh_TW":
        # The program's own texts that are English (the project tree's labels among them) need
        # their Traditional Chinese as much as the keyed ones do.
        out = {k: v for k, v in ids.items() if english_fallback(v)}
        out.update({k: v[0] for k, v in keys.items() if english_fallback(v[0])})
        return out
    out = dict(ids)
    out.update({k: v[0] for k, v in keys.items()})
    return out


def read_ts(path):
    """id -> (source, translation, unfinished), in file order."""
    root = ET.parse(path).getroot()
    out = {}
    for msg in root.iter("message"):
        tr = msg.find("translation")
        out[msg.get("id")] = (msg.findtext("source", ""), tr.text or "" if tr is not None else "",
                              tr is None or tr.get("type") == "unfinished")
    return root.get("language"), out


def xml_text(text):
    return escape(text, {'"': "&quot;", "\r": "&#xd;", "\t": "&#x9;"})


def write_ts(path, language, messages):
    """messages: list of (id, source, translation, unfinished)."""
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             '<TS version="2.1" language="%s" sourcelanguage="zh_TW">' % language, "<context>",
             "    <name>FeldSpan</name>"]
    for mid, source, translation, unfinished in messages:
        lines.append('    <message id="%s">' % xml_text(mid))
        lines.append("        <source>%s</source>" % xml_text(source))
        lines.append("        <translation%s>%s</translation>" %
                     (' type="unfinished"' if unfinished else "", xml_text(translation)))
        lines.append("    </message>")
    lines += ["</context>", "</TS>", ""]
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def order(mid):
    return (0, int(mid), "") if mid.isdigit() else (1, 0, mid)


def main(argv):
    problems = []
    ids = numbered_texts()
    keys = keyed_texts(problems)
    if "--list" in argv:
        for mid, text in sorted(ids.items(), key=lambda kv: order(kv[0])):
            print("%s\t%s" % (mid, text.encode("unicode_escape").decode("ascii") if "\r" in text else text))
        for key in sorted(keys):
            print("%s\t%s\t%s" % (key, keys[key][0].replace("\n", "\\n"), keys[key][1]))
        return 0

    packs = sorted(f for f in os.listdir(LANG_DIR) if re.fullmatch(r"feldspan_\w+\.ts", f))
    if not packs:
        problems.append("no translations in " + LANG_DIR)
    for name in packs:
        path = os.path.join(LANG_DIR, name)
        language, have = read_ts(path)
        want = expected(language, ids, keys)
        if "--update" in argv:
            merged = []
            for mid in sorted(want, key=order):
                source, translation, unfinished = have.get(mid, (want[mid], "", True))
                merged.append((mid, want[mid], translation, unfinished or source != want[mid]))
            write_ts(path, language, merged)
            continue
        for mid in sorted(want, key=order):
            if mid not in have:
                problems.append("%s lacks %s (%s)" % (name, mid, want[mid]))
                continue
            source, translation, unfinished = have[mid]
            if source != want[mid]:
                problems.append("%s: %s has the source %r, the code says %r" % (name, mid, source, want[mid]))
            elif unfinished or not translation:
                problems.append("%s: %s is not translated" % (name, mid))
            elif directives(translation) != directives(source):
                problems.append("%s: %s takes %s, its translation %s" %
                                (name, mid, directives(source), directives(translation)))
        for mid in sorted(set(have) - set(want), key=order):
            problems.append("%s carries %s, which the code does not use" % (name, mid))
    for p in problems:
        print(p)
    if "--update" not in argv:
        print("%d ids, %d keys, %d translations: %s" %
              (len(ids), len(keys), len(packs), "complete" if not problems else "%d problems" % len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
