#!/usr/bin/env python3
"""Writes a pseudo-translation of the game: every message of a translation
source, translated as itself between the marks U+27E6 and U+27E7, so that a
window or message showing a text that bypassed the translator shows it
unmarked. Usage: make-pseudo-translation.py SOURCE.ts OUTPUT.ts"""
import sys
import xml.etree.ElementTree as ET

tree = ET.parse(sys.argv[1])
root = tree.getroot()
root.set("language", "eo")
for message in root.iter("message"):
    source = message.find("source").text or ""
    translation = message.find("translation")
    translation.attrib.pop("type", None)
    translation.text = "\u27e6" + source + "\u27e7"
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
