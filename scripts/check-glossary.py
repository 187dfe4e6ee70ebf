#!/usr/bin/env python3
"""Checks that each translation speaks of the game's things as its glossary
says: one word a game term, in every message.

Each translations/glossary-LANG.md holds two tables:

  ## Terms
  | English | In the English texts | LANG | Accepted forms | Avoid | Why |

  ## Names kept
  | In the English texts | In LANG |

  ## Words to avoid        (optional)
  | Word | Why |

A message whose English text holds one of a term's English forms (whole
words, any case; a form written /like this/ is a regular expression) must
hold one of the term's accepted forms in its translation (any case, within
a word too, so that inflected and compound words count). No translation may
hold a word listed under Avoid, or under Words to avoid (whole words, case
as written). A name kept
in the English text must appear in the translation as the table writes it;
names are taken out of the English text before its terms are looked for, so
that "Invest Bank" asks for no word for investment.

Usage: check-glossary.py [TRANSLATIONS_FOLDER]   (default: translations)
The exit status is 1 when a message breaks its glossary, 2 when a glossary
or translation is missing or cannot be read.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET


def split_list(cell):
    return [item.strip() for item in cell.split(",") if item.strip()]


def tables(text):
    """The rows of each table, by the heading it stands under."""
    found, heading = {}, None
    for line in text.splitlines():
        if line.startswith("## "):
            heading = line[3:].strip()
        elif line.startswith("|") and heading is not None:
            cells = [cell.strip().strip("`") for cell in line.strip().strip("|").split("|")]
            if all(re.fullmatch(r":?-+:?", cell) for cell in cells):
                continue
            found.setdefault(heading, []).append(cells)
    return {name: rows[1:] for name, rows in found.items()}  # without the header row


def english_pattern(form):
    if len(form) > 1 and form.startswith("/") and form.endswith("/"):
        return re.compile(form[1:-1], re.IGNORECASE)
    return re.compile(r"(?<!\w)" + re.escape(form) + r"(?!\w)", re.IGNORECASE)


def read_glossary(path):
    parts = tables(path.read_text(encoding="utf-8"))
    if "Terms" not in parts or "Names kept" not in parts:
        raise ValueError(f"{path}: needs the tables 'Terms' and 'Names kept'")
    terms = []
    for cells in parts["Terms"]:
        if len(cells) != 6:
            raise ValueError(f"{path}: a term row needs 6 cells: {cells}")
        english, forms, word, accepted, avoid, why = cells
        if not (forms and word and accepted and why):
            raise ValueError(f"{path}: the term '{english}' lacks a cell")
        terms.append({
            "term": english,
            "english": [english_pattern(form) for form in split_list(forms)],
            "accepted": [form.lower() for form in split_list(accepted)],
            "avoid": split_list(avoid),
        })
    names = []
    for cells in parts["Names kept"]:
        if len(cells) != 2:
            raise ValueError(f"{path}: a name row needs 2 cells: {cells}")
        names.append((cells[0], cells[1]))
    for cells in parts.get("Words to avoid", []):
        if len(cells) != 2 or not cells[0]:
            raise ValueError(f"{path}: a word to avoid needs 2 cells: {cells}")
        terms.append({"term": "words to avoid", "english": [], "accepted": [],
                      "avoid": [cells[0]]})
    return terms, names


def shown(text):
    """A caption as the player reads it: without its accelerator marks."""
    return re.sub(r"&(.)", r"\1", text)


def messages(path):
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message.findtext("source") or "", message.findtext("translation") or ""


def check(glossary, translation):
    terms, names = read_glossary(glossary)
    avoided = [(term["term"], word, re.compile(r"(?<!\w)" + re.escape(word) + r"(?!\w)"))
               for term in terms for word in term["avoid"]]
    faults = []
    count = 0
    for context, source, translated in messages(translation):
        count += 1
        english, said = shown(source), shown(translated)
        where = f"{translation.name} [{context}] \"{source[:60]}\""
        for name, kept in names:
            if name in english:
                english = english.replace(name, " ")
                if kept not in said:
                    faults.append(f"{where}: the name '{name}' should read '{kept}'")
        for term in terms:
            if any(p.search(english) for p in term["english"]):
                if not any(form in said.lower() for form in term["accepted"]):
                    faults.append(f"{where}: '{term['term']}' is not said as "
                                  f"{' / '.join(term['accepted'])}")
        for term, word, pattern in avoided:
            if pattern.search(said):
                faults.append(f"{where}: '{word}' is avoided" +
                              (f" ('{term}' is said otherwise)" if term != "words to avoid" else ""))
    return count, sum(1 for term in terms if term["english"]), faults


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "translations")
    sources = sorted(folder.glob("tavo_*.ts"))
    if not sources:
        print(f"check-glossary: no translation in {folder}", file=sys.stderr)
        return 2
    status = 0
    for translation in sources:
        language = translation.stem.removeprefix("tavo_")
        glossary = folder / f"glossary-{language}.md"
        if not glossary.exists():
            print(f"check-glossary: {translation.name} has no {glossary.name}", file=sys.stderr)
            return 2
        try:
            count, size, faults = check(glossary, translation)
        except (ValueError, ET.ParseError) as error:
            print(f"check-glossary: {error}", file=sys.stderr)
            return 2
        for fault in faults:
            print(fault, file=sys.stderr)
        print(f"{translation.name}: {count} messages against {size} terms of {glossary.name}: "
              f"{'ok' if not faults else f'{len(faults)} fault(s)'}")
        if faults:
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
