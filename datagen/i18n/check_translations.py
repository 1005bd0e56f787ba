#!/usr/bin/env python3
"""Checks that every text the code marks for translation is translated in
every language, with the same placeholders, and that no entry is unfinished.

Usage: check_translations.py LUPDATE [ROOT]
LUPDATE is Qt's lupdate, which lists the marked texts of the sources."""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SOURCE_DIRS = ['app', 'base', 'canvas', 'capture', 'frameeffect', 'model', 'outlines',
               'tools', 'update', 'widgets']


def messages(path):
    """{(context, source): (translation, type)} of a .ts file."""
    found = {}
    for context in ET.parse(path).getroot().findall('context'):
        name = context.findtext('name')
        for message in context.findall('message'):
            translation = message.find('translation')
            text = translation.text or ''
            forms = [form.text or '' for form in translation.findall('numerusform')]
            if forms:
                # A text counted with %n is done when every plural form is.
                text = '' if any(not form.strip() for form in forms) else forms[0]
            found[(name, message.findtext('source'))] = (text, translation.get('type', ''))
    return found


def placeholders(text):
    return sorted(set(re.findall(r'%\d', text)))


def problems(root, marked):
    found = []
    i18n = os.path.join(root, 'resources', 'i18n')
    for folder in sorted(d for d in os.listdir(i18n) if os.path.isdir(os.path.join(i18n, d))):
        path = os.path.join(i18n, folder, 'lumetra_%s.ts' % folder)
        if folder == 'enu':
            continue  # the texts' own language
        if not os.path.exists(path):
            found.append('%s: no translation file' % folder)
            continue
        have = messages(path)
        for key, (text, kind) in have.items():
            if kind:
                found.append('%s: %s %r is %s' % (folder, key[0], key[1], kind))
        for key in marked:
            text, kind = have.get(key, ('', 'missing'))
            if kind == 'missing' or not text.strip():
                found.append('%s: %s %r is not translated' % (folder, key[0], key[1]))
            elif placeholders(text) != placeholders(key[1]):
                found.append('%s: %s %r has placeholders %s' %
                             (folder, key[0], key[1], placeholders(text)))
            elif key[1][:1] == ' ' and text[:1] != ' ':
                found.append('%s: %s %r lost its leading space' % (folder, key[0], key[1]))
    return found


def main():
    lupdate = sys.argv[1]
    root = sys.argv[2] if len(sys.argv) > 2 else os.path.dirname(
        os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    with tempfile.TemporaryDirectory() as scratch:
        scan = os.path.join(scratch, 'scan.ts')
        subprocess.run([lupdate, '-silent', '-locations', 'none'] +
                       [os.path.join(root, d) for d in SOURCE_DIRS] + ['-ts', scan],
                       check=True, stderr=subprocess.DEVNULL)
        marked = set(messages(scan))
    if not marked:
        print('lupdate found no marked texts')
        return 1
    found = problems(root, marked)
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
