#!/usr/bin/env python3
"""Adds or replaces translated texts in resources/i18n/<lang>/lumetra_<lang>.ts.

Usage: merge_translations.py ROOT JSONFILE
JSON: {"Context": {"English source": {"deu": "...", "jpn": "...", ...}}}
Every language must be given for every text, so none is left half done.
A text counted with %n gives a list instead: one form per plural form of the
language, in Qt's order (lupdate -target-language shows how many). English
("enu") has a file for those forms only; elsewhere it may be left out."""
import json, sys, os
from xml.sax.saxutils import escape
root, data = sys.argv[1], json.load(open(sys.argv[2], encoding='utf-8'))
langs = sorted(d for d in os.listdir(os.path.join(root, 'resources/i18n')) if os.path.exists(os.path.join(root, 'resources/i18n', d, 'lumetra_%s.ts' % d)))
import xml.etree.ElementTree as ET
for lang in langs:
    path = os.path.join(root, 'resources/i18n', lang, 'lumetra_%s.ts' % lang)
    tree = ET.parse(path)
    ts = tree.getroot()
    for ctxname, messages in data.items():
        ctx = None
        for c in ts.findall('context'):
            if c.findtext('name') == ctxname:
                ctx = c
        if ctx is None:
            ctx = ET.SubElement(ts, 'context')
            ET.SubElement(ctx, 'name').text = ctxname
        for source, per in messages.items():
            if lang not in per:
                if lang == 'enu':
                    continue
                raise SystemExit('missing %s for %r' % (lang, source))
            msg = None
            for m in ctx.findall('message'):
                if m.findtext('source') == source:
                    msg = m
            if msg is None:
                msg = ET.SubElement(ctx, 'message')
                ET.SubElement(msg, 'source').text = source
                ET.SubElement(msg, 'translation')
            translation = msg.find('translation')
            translation.attrib.pop('type', None)
            for form in translation.findall('numerusform'):
                translation.remove(form)
            if isinstance(per[lang], list):
                msg.set('numerus', 'yes')
                translation.text = None
                for text in per[lang]:
                    ET.SubElement(translation, 'numerusform').text = text
            else:
                msg.attrib.pop('numerus', None)
                translation.text = per[lang]
    for ctx in ts.findall('context'):
        if ctx.find('message') is None:
            ts.remove(ctx)
    ET.indent(tree, space='    ')
    body = ET.tostring(ts, encoding='unicode')
    # Qt's own layout: contexts at the margin, as lupdate writes them.
    lines = body.split('\n')
    body = '\n'.join([lines[0]] + [l[4:] if l.startswith('    ') else l for l in lines[1:-1]] + [lines[-1]])
    with open(path, 'w', encoding='utf-8') as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + '\n')
print('updated', len(langs), 'files')
