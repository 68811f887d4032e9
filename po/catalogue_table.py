#!/usr/bin/env python3
"""Writes the catalogue as a C++ table, for the builds that carry their languages
inside themselves (Orvane.exe, the page): the texts the program's sources mark,
each language's translation of them, the languages in po/LINGUAS order.

    catalogue_table.py OUTPUT LANG.mo...

Each .mo is msgfmt's, made from po/LANG.po with only the program's texts (msggrep).
The output depends on nothing but its inputs, so that builds stay reproducible."""
import os
import struct
import sys


def read_mo(path):
    """The msgid -> msgstr pairs of a GNU .mo file, its header left out."""
    data = open(path, "rb").read()
    order = "<" if data[:4] == b"\xde\x12\x04\x95" else ">"
    _, count, originals, translations = struct.unpack(order + "4I", data[4:20])

    def string(table, i):
        length, offset = struct.unpack(order + "2I", data[table + 8 * i:table + 8 * i + 8])
        return data[offset:offset + length]
    pairs = {string(originals, i): string(translations, i) for i in range(count)}
    pairs.pop(b"", None)
    return pairs


def literal(text):
    """A C++ string literal of the UTF-8 bytes: printable ASCII as it is, the rest in octal."""
    out = []
    for byte in text:
        char = chr(byte)
        if char in "\"\\?":
            out.append("\\" + char)
        elif 32 <= byte < 127:
            out.append(char)
        else:
            out.append(f"\\{byte:03o}")
    return '"' + "".join(out) + '"'


def main():
    output, mo_files = sys.argv[1], sys.argv[2:]
    languages = [(os.path.basename(os.path.dirname(os.path.dirname(p))), read_mo(p)) for p in mo_files]
    english = sorted(set().union(*(pairs.keys() for _, pairs in languages)))
    lines = ["// Made by po/catalogue_table.py from po/*.po; not to be edited.", "#pragma once", "",
             "namespace ui::catalogue {", "",
             f"inline constexpr int textCount = {len(english)};",
             f"inline constexpr int languageCount = {len(languages)};", "",
             "// The marked texts, in byte order.",
             "inline constexpr const char* englishTexts[textCount] = {"]
    lines += [f"    {literal(e)}," for e in english]
    lines += ["};", "", "inline constexpr const char* languageNames[languageCount] = {"]
    lines += [f"    {literal(name.encode())}," for name, _ in languages]
    lines += ["};", "", "// Each language's words for the texts above; an empty one keeps the English.",
              "inline constexpr const char* texts[languageCount][textCount] = {"]
    for name, pairs in languages:
        lines.append("    {")
        lines += [f"        {literal(pairs.get(e, b''))}," for e in english]
        lines.append("    },")
    lines += ["};", "", "} // namespace ui::catalogue", ""]
    os.makedirs(os.path.dirname(output), exist_ok=True)
    with open(output, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines))


if __name__ == "__main__":
    main()
