#!/usr/bin/python3
"""The program's translations, complete and in use.

texts:   each .ts file, brought up to date with the sources in a copy, has every message
         translated, its placeholders and mnemonics kept and no two mnemonics alike in one
         context; the desktop entry and the software-centre record name and describe the
         program in every language.
program: the real program's --help speaks German and French, and English for English (also
         English before German) or an unknown language; a reason it gives is said in German; its window, on the X display it is given, has its German title.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

XML_LANG = '{http://www.w3.org/XML/1998/namespace}lang'
PLACEHOLDER = re.compile(r'%L?([1-9])')


def language_of(ts_path):
    return re.fullmatch(r'spindella_(.+)\.ts', os.path.basename(ts_path)).group(1)


def translations(ts_path):
    """(context, source, translated texts, type) for each message of a .ts file."""
    for context in ET.parse(ts_path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            forms = [form.text or '' for form in translation.iter('numerusform')]
            yield (name, message.findtext('source'), forms or [translation.text or ''],
                   translation.get('type', ''))


def mnemonic(text):
    """The letter after a single '&', as Qt underlines it; '&&' is an ampersand."""
    at = 0
    while (at := text.find('&', at)) != -1 and at + 1 < len(text):
        if not (text[at + 1] == '&' or text[at + 1].isspace()):
            return text[at + 1].casefold()
        at += 2
    return None


def message_faults(context, source, text):
    faults = []
    if not text.strip():
        faults.append('empty')
    # As many of each: a translation that says %1 twice where the source says %1 and %2 is wrong.
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
        faults.append('placeholders differ')
    if mnemonic(source) and not mnemonic(text):
        faults.append('mnemonic lost')
    if source.endswith('\n') != text.endswith('\n'):
        faults.append('final line break differs')
    return [f'{context}: {source!r} -> {text!r}: {fault}' for fault in faults]


def ts_faults(ts_path, lupdate, include, sources):
    with tempfile.TemporaryDirectory() as folder:
        current = os.path.join(folder, os.path.basename(ts_path))
        shutil.copyfile(ts_path, current)
        # The options the build's update_translations uses, so that a text added to the
        # sources appears here as unfinished.
        subprocess.run([lupdate, '-silent', '-no-obsolete', '-locations', 'none', '-I', include,
                        *sources, '-ts', current], check=True)
        messages = list(translations(current))
    faults = []
    taken = {}
    for context, source, texts, kind in messages:
        if kind:
            faults.append(f'{context}: {source!r} is {kind}')
            continue
        for text in texts:
            faults += message_faults(context, source, text)
            letter = mnemonic(text) if mnemonic(source) else None
            if letter:
                other = taken.setdefault((context, letter), text)
                if other != text:
                    faults.append(f'{context}: {other!r} and {text!r} share the mnemonic '
                                  f'{letter!r}')
    if not messages:
        faults.append('no messages at all')
    return faults


def desktop_faults(desktop_entry, metainfo, language):
    keys = {}
    with open(desktop_entry, encoding='utf-8') as entry:
        for line in entry:
            key, equals, value = line.rstrip('\n').partition('=')
            if equals:
                keys[key] = value.strip()
    faults = [f'{desktop_entry}: no {key}[{language}]' for key in ('Name', 'Comment')
              if not keys.get(f'{key}[{language}]')]
    root = ET.parse(metainfo).getroot()
    for tag in ('name', 'summary'):
        if not any(e.get(XML_LANG) == language and (e.text or '').strip()
                   for e in root.findall(tag)):
            faults.append(f'{metainfo}: no <{tag} xml:lang="{language}">')
    return faults


def check_texts(arguments):
    faults = []
    for ts_path in arguments.ts:
        faults += [f'{os.path.basename(ts_path)}: {fault}' for fault in
                   ts_faults(ts_path, arguments.lupdate, arguments.include, arguments.sources)]
        faults += desktop_faults(arguments.desktop_entry, arguments.metainfo,
                                 language_of(ts_path))
    return faults


def help_text(program, language, lang='C.UTF-8'):
    environment = {key: value for key, value in os.environ.items()
                   if not key.startswith('LC_') and key not in ('DISPLAY', 'WAYLAND_DISPLAY')}
    environment.update(LANGUAGE=language, LANG=lang)
    return subprocess.run([program, '--help'], env=environment, capture_output=True, text=True,
                          check=True).stdout


def shown_lines(text):
    """A message's lines as the program prints them, whatever their indentation."""
    return [line.strip() for line in text.replace('%1', 'spindella').split('\n') if line.strip()]


def window_title(program, language):
    environment = dict(os.environ, LANGUAGE=language, PULSE_SERVER='unix:/nonexistent',
                       DBUS_SESSION_BUS_ADDRESS='unix:path=/nonexistent')
    player = subprocess.Popen([program], env=environment, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    try:
        found = subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--pid',
                                str(player.pid)], capture_output=True, text=True, timeout=30)
        window = found.stdout.split()[-1]
        return subprocess.run(['xdotool', 'getwindowname', window], capture_output=True,
                              text=True, check=True).stdout.rstrip('\n')
    finally:
        player.kill()
        player.wait()


def check_program(arguments):
    by_language = {language_of(path): list(translations(path)) for path in arguments.ts}
    english = help_text(arguments.program, 'en')
    faults = []
    if help_text(arguments.program, 'xx', lang='C') != english:
        faults.append('--help under an unknown language is not the English one')
    # English wanted first is English, though a language spoken is wanted after it.
    if help_text(arguments.program, 'en_GB:de') != english:
        faults.append('--help under en_GB:de is not the English one')
    # The help's own messages: those whose English lines are all in the English help.
    in_help = {source for context, source, _, _ in by_language['de'] if context == 'CommandLine'
               and all(line in english for line in shown_lines(source))}
    if not any(source.startswith('Usage:') for source in in_help):
        faults.append(f'--help under English is not the English help:\n{english}')
    for language in ('de', 'fr'):
        shown = help_text(arguments.program, language)
        missing = [line for _, source, texts, _ in by_language[language] if source in in_help
                   for line in shown_lines(texts[0]) if line not in shown]
        if shown == english:
            faults.append(f'--help under {language} is the English one')
        elif missing:
            faults.append(f'--help under {language} lacks {missing}:\n{shown}')
    # A reason is said whole in the language, its parts joined by the translation.
    environment = dict(os.environ, LANGUAGE='de', LANG='C.UTF-8')
    refused = subprocess.run([arguments.program, '--verify', '/nowhere/gone.cue'], env=environment,
                             capture_output=True, text=True).stderr
    if refused != 'Spindella: /nowhere/gone.cue kann nicht geprüft werden: es kann nicht ' \
                  'gelesen werden\n':
        faults.append(f'--verify under de says {refused!r}')
    title = next((texts[0] for context, source, texts, _ in by_language['de']
                  if context == 'MainWindow' and source == 'Halcyra CD Player'), None)
    shown_title = window_title(arguments.program, 'de')
    if not title or shown_title != title:
        faults.append(f'the window under de is titled {shown_title!r}, not the German title '
                      f'{title!r}')
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    commands = parser.add_subparsers(required=True)
    texts = commands.add_parser('texts')
    texts.set_defaults(check=check_texts)
    texts.add_argument('--lupdate', required=True)
    texts.add_argument('--include', required=True, help='the folder the sources include from')
    texts.add_argument('--desktop-entry', required=True)
    texts.add_argument('--metainfo', required=True)
    texts.add_argument('--ts', nargs='+', required=True)
    texts.add_argument('--sources', nargs='+', required=True)
    program = commands.add_parser('program')
    program.set_defaults(check=check_program)
    program.add_argument('--program', required=True)
    program.add_argument('--ts', nargs='+', required=True)
    arguments = parser.parse_args()
    faults = arguments.check(arguments)
    for fault in faults:
        print(f'FAIL: {fault}', file=sys.stderr)
    if not faults:
        print('translations complete and in use' if arguments.check is check_program
              else 'translations complete')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
