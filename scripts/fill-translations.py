#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts translations written as Python dictionaries into translations/zindle_{de,es,fr}.ts:
#   T = {'English source as the program holds it': ('German', 'Spanish', 'French'), ...}
# Run `ninja -C build update_translations` first (it adds the new sources), then this with one
# or more dictionary files, then update_translations again (it tidies the files). A source that
# no dictionary knows and that is still unfinished is listed, and then nothing is written.
import importlib.util
import pathlib
import sys
import xml.etree.ElementTree as ET

folder = pathlib.Path(__file__).resolve().parent.parent / 'translations'
texts = {}
for name in sys.argv[1:]:
    spec = importlib.util.spec_from_file_location('texts', name)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    texts.update(module.T)

trees, missing = {}, set()
for column, language in enumerate(['de', 'es', 'fr']):
    path = folder / f'zindle_{language}.ts'
    tree = ET.parse(path)
    for message in tree.getroot().iter('message'):
        translation = message.find('translation')
        source = message.find('source').text
        if source in texts:
            translation.text = texts[source][column]
            translation.attrib.pop('type', None)
        elif translation.get('type') == 'unfinished':
            missing.add(source)
    trees[path] = tree
for source in sorted(missing):
    print('untranslated:', repr(source))
if missing:
    sys.exit(1)
for path, tree in trees.items():
    body = ET.tostring(tree.getroot(), encoding='unicode')
    path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + '\n', encoding='utf-8')
