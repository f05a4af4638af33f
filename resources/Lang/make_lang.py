#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Build and check the Tarvex language files.

Sources are the UTF-8 files src/<code>.txt (pol, ang, rus, lit, ita), one
line per interface text slot, LF line ends:

    T<k>=<text>

where k is the slot number, 0 to 180, equal to the line number counted
from 0.  The script writes Tarvex_lang.<code> beside itself, encoded as the
program reads it (windows-1251 for Russian, windows-1250 for the others),
with CR LF line ends, and checks every rule the program's reader depends on:

  * exactly 181 lines, line k labelled T<k>;
  * an "=" on every line, at least one character after it, no second "=";
  * no control characters, no leading blank;
  * each text encodable in the file's code page and at most 127 bytes;
  * slots the program never shows hold "-", the others hold real text;
  * the TPS type texts (slots 84-89) are exactly 14 characters long;
  * the pointer label (slot 6) has no letter that reaches below the baseline;
  * slot 20 (learning not running) is not worded as a refusal;
  * the Polish texts that repeat the dialog templates' own texts are
    those texts, unchanged;
  * every text fits the place where it is drawn or shown (see NOTES.md);
  * the written bytes, read back the way the program reads them (text
    mode, character by character), give back exactly the 181 texts.

Usage:
    python3 make_lang.py            build the five files, then check them
    python3 make_lang.py --check    check the sources and the files already
                                    present, write nothing; fails when a
                                    file is missing or differs from what the
                                    sources give
    python3 make_lang.py --report   also print, per slot, the width of each
                                    language's text against its limit

Exit status 0 when everything holds, 1 otherwise.  Only the standard
library is used.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SRC_DIR = os.path.join(HERE, "src")

SLOT_COUNT = 181
MAX_TEXT_BYTES = 127

# Language code -> (code page, description).  The code is the file's
# extension and the name of its source file.
LANGUAGES = [
    ("pol", "cp1250", "Polish"),
    ("ang", "cp1250", "English"),
    ("rus", "cp1251", "Russian"),
    ("lit", "cp1250", "Lithuanian"),
    ("ita", "cp1250", "Italian"),
]

# Slots that the program never shows; they keep the placeholder "-".  The
# slots once unused now hold the texts of the recording, playback, comparison
# and picture commands; the program has English texts of its own for them
# when a language file leaves them "-".
UNUSED_SLOTS = set()
PLACEHOLDER = "-"

# Texts drawn with a fixed character count.  The TPS type names are
# drawn on the oscilloscope beside the lambda sensor type, which is always
# drawn as 14 characters; they are kept at the same length.
FIXED_LENGTH = {84: 14, 85: 14, 86: 14, 87: 14, 88: 14, 89: 14}

# Texts that must not reach below the baseline: the pointer label is moved by
# clearing an area that ends one or two pixels above the bottom of its
# character cell at 640x480 and 800x600, so a descender would be left behind.
NO_DESCENDERS = {6}
DESCENDERS = set("gjpqy,;()[]{}|_@$µ¶§ąęçşţĄĘÇŞŢQрудфщцџђјўДЦЩЏ")

# Slot 20 is shown when learning is not running after a press of the learning
# button: a run that has ended or one that never started. It states that fact
# and is not worded as a refusal; these are the stems of each language's
# word for "refused" (slots 18 and 19).
NEUTRAL_SLOTS = {20}
REFUSAL_STEMS = {"pol": "odrzuc", "ang": "refus", "rus": "отклон", "lit": "atme",
                 "ita": "rifiut"}

# Polish texts that are the dialog templates' own texts and must stay
# exactly as the templates have them.
POLISH_TEMPLATE_TEXTS = {
    33: "NAUKA",
    134: "PRZYWRÓCENIE USTAWIEŃ FABRYCZNYCH STEROWNIKA:         ",
    135: "-pamięć w urządzeniu zostanie zapisana wartościami  fabrycznymi."
         "           ",
    136: "ZRESETUJ   I   PRZYWRÓĆ USTAWIENIA FABRYCZNE",
    142: "Kursor wartości",
    156: "Tarvex",
    157: "Informacje o programie",
    158: "Wersja programu:",
    159: "Odczytana wersja sterownika:",
    160: "Zamknij",
}

# Texts that are the same in every language.
SAME_IN_ALL = {156: "Tarvex"}
# Window titles start with the program name.
TITLE_SLOTS = range(175, 181)
TITLE_PREFIX = "Tarvex - "

# ---------------------------------------------------------------------------
# Character widths.
#
# Advance widths of Arial in units of 1/2048 em (the same figures as the
# metric-compatible Liberation Sans), for every printable character of
# windows-1250 and windows-1251.  The program draws with Arial; the
# dialogs use MS Sans Serif, whose proportions are close enough to Arial's
# for an estimate.
ADVANCE_GROUPS = {
    391: "'",
    455: "ijlĺłіј‘’‚",
    532: "|¦",
    569: " !,./:;I[\\]ft·ÍÎíîţІЇї",
    597: "ľ",
    682: "()-`r¨´¸ŕřˇ˘˙˛˝“”„‹›",
    684: "{}",
    717: "•",
    727: '"',
    747: "гѓ",
    768: "ť",
    797: "*",
    819: "°",
    842: "ґ",
    896: "кќ",
    938: "т",
    939: "з",
    961: "^",
    1001: "Ґ",
    1024: "JcksvxyzçýćčśşšźżžЈсухѕў",
    1045: "эє",
    1067: "чь",
    1088: "в",
    1100: "¶",
    1109: "ЃГпя",
    1124: "±÷",
    1131: "нџ",
    1139: "#$0123456789?L_abdeghnopqu¤§«»áâäéëóôöúüăąđęěĹĽŁńňőůűаеорёђћ–†‡€",
    1144: "ий",
    1173: "бц",
    1180: "µ",
    1193: "ЌК",
    1195: "дл",
    1196: "+<=>~¬×",
    1237: "З",
    1251: "FTZßŢŤŹŻŽТ",
    1259: "ď",
    1280: "ъ",
    1301: "ЎУ",
    1344: "БЛЬ",
    1365: "Ч",
    1366: "&ABEKPSVXYÁÂÄÉËÝĂĄĘĚŚŞŠЅАВЕРХ",
    1367: "Ё",
    1370: "ж",
    1387: "Д",
    1408: "м",
    1472: "ЄЏИЙПЭы",
    1479: "CDHNRUwÇÚÜĆČĎĐŃŇŔŘŮŰНСЯ",
    1509: "©®",
    1515: "Ц",
    1536: "ю",
    1557: "Ф",
    1593: "GOQÓÔÖŐО",
    1621: "Ъ",
    1643: "ш",
    1664: "њ",
    1685: "фщ",
    1706: "MmМ",
    1749: "Ћ",
    1771: "Ђ",
    1813: "Ы",
    1821: "%",
    1856: "љ",
    1877: "Ш",
    1891: "Ж",
    1920: "Щ",
    1933: "W",
    2048: "—…‰™",
    2069: "ЊЮ",
    2079: "@",
    2165: "Љ",
    2197: "№",
}
ADVANCE = {ch: width for width, chars in ADVANCE_GROUPS.items() for ch in chars}

# Arial's average character width (OS/2 xAvgCharWidth).  A font created
# with a width of w pixels draws a text of advance sum A as A * w / 904
# pixels wide.
ARIAL_AVERAGE = 904
# Dialog units are based on the mean width of the letters a-z and A-Z:
# four horizontal dialog units are one such mean letter.
DIALOG_AVERAGE = sum(ADVANCE[c] for c in
                     "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") / 52


def advance_sum(text):
    """Sum of the advance widths of text; None if a character is unknown."""
    total = 0
    for ch in text:
        if ch not in ADVANCE:
            return None
        total += ADVANCE[ch]
    return total


# ---------------------------------------------------------------------------
# Places where texts are drawn by the program (dashboard, oscilloscope).
#
# Positions are design units of the 800 x 570 window; x is scaled by the
# size's ScaleX and truncated.  Font widths in pixels for each window size:
# (SmallFont Central European, SmallFont Cyrillic, LargeFont).
SIZES = [
    # size, ScaleX, small CE, small Cyrillic, large
    ("640x480", 0.8, 6, 6, 11),
    ("800x600", 1.0, 8, 8, 14),
    ("1024x768", 1.28, 10, 8, 18),
    ("1280x960", 1.6, 12, 12, 23),
    ("1280x1024", 1.6, 12, 12, 23),
]

STATUS_ROW = (40, 440, "dashboard status panel, row text (rows are 400 units wide)")
SCOPE_LEFT = (50, 195, "oscilloscope, left label column (panel frames start at 198)")

# slot -> (font, [(x start, x limit, where), ...])
DRAWN = {
    0: ("small", [(240, 445, "dashboard, lambda panel title (panel ends at 450)")]),
    1: ("small", [(150, 355, "dashboard, left label under the lambda track "
                             "(right label starts at 360)")]),
    2: ("small", [(360, 445, "dashboard, right label under the lambda track")]),
    3: ("small", [(270, 445, "dashboard, TPS panel title")]),
    4: ("small", [(135, 300, "dashboard, TPS inertia caption (its value is drawn at 305)")]),
    5: ("small", [(245, 445, "dashboard, actuator panel title")]),
    6: ("small", [(399, 440, "dashboard, label under the start-position pointer: "
                             "drawn at start position + 144 (at most 399), the "
                             "area cleared when the pointer moves ends at 440")]),
    11: ("small", [(520, 775, "dashboard, temperature panel title")]),
    14: ("small", [(515, 612, "dashboard fuel box, petrol (box ends at 615)"),
                   (655, 752, "oscilloscope fuel box, petrol (box ends at 755)")]),
    15: ("small", [(535, 612, "dashboard fuel box, gas (box ends at 615)"),
                   (675, 752, "oscilloscope fuel box, gas (box ends at 755)")]),
    150: ("small", [(130, 193, "oscilloscope, time axis caption "
                               "(first tick label at 196)")]),
    151: ("large", [(700, 790, "oscilloscope, unit after the lambda read-out")]),
    152: ("small", [(710, 790, "oscilloscope, unit after the actuator read-out")]),
    153: ("small", [(710, 790, "oscilloscope, unit after the engine-speed read-out")]),
}
for _slot in list(range(12, 14)) + list(range(16, 33)):
    DRAWN[_slot] = ("small", [STATUS_ROW])
for _slot in range(84, 90):
    DRAWN[_slot] = ("small", [(50, 195, "oscilloscope, TPS type text under the "
                                        "TPS trace name (panel frame at 198)")])
for _slot in range(143, 150):
    DRAWN[_slot] = ("small", [SCOPE_LEFT])

# ---------------------------------------------------------------------------
# Texts shown in dialog controls: limit in mean letters (4 dialog units
# each), counted on the text without trailing blanks.
_D = {}


def _dialog(slots, limit, where):
    for s in slots:
        _D[s] = (limit, where)


_dialog([33], 10, "Readings view, learning button (70 x 40 px at 800x600, "
                  "71 x 30 px at 640x480, dialog font MS Sans Serif 8)")
_dialog(range(35, 39), 20, "Configuration, section heading, sunken, 85 units wide")
_dialog([39], 19, "Configuration, check box at x 8, before the label column at x 100")
_dialog(list(range(40, 44)) + list(range(46, 52)) + [52], 31,
        "Configuration, row label at x 100, list at x 231")
_dialog([44, 45], 28, "Configuration, indented row label at x 114, list at x 231")
_dialog(range(53, 61), 12, "Configuration, unit text right of a list")
_dialog(range(61, 64), 8.5, "Configuration, entry of list 1018 (48 units wide)")
_dialog(range(64, 82), 16.5, "Configuration, entry of list 1021 (81 units wide)")
_dialog(range(82, 84), 11.5, "Configuration, entry of list 1023 (61 units wide)")
_dialog(range(84, 90), 14, "Configuration, entry of list 1024 (71 units wide)")
_dialog(range(92, 97), 19, "Options, section heading, sunken, 80 units wide")
_dialog([98], 40, "Options sub-dialog, title bar")
_dialog(range(99, 103), 22, "Options sub-dialog, label of a correction list")
_dialog([103], 10, "Options sub-dialog, OK button")
_dialog([104, 109, 112, 115, 116], 33, "Options, check box at x 85, list at x 235")
_dialog([105, 106, 107, 108, 117], 36, "Options, row label at x 85, list at x 235")
_dialog([110, 111, 113, 114], 29, "Options, indented row label at x 115, list at x 235")
_dialog(range(118, 129), 12, "Options, unit text right of a list")
_dialog(range(129, 132), 10.5, "Options, entry of list 1052 (56 units wide)")
_dialog([134, 135], 72, "Reset view, text line (at 640x480 about 570 px "
                        "visible, MS Sans Serif 12)")
_dialog([136], 55, "Reset view, button (450 px wide at 640x480)")
_dialog([137, 169, 170, 172], 40, "message box caption")
_dialog([142], 16, "Oscilloscope, value-cursor check box "
                   "(about 150 px visible at 640x480)")
_dialog([156], 9, "program information, name beside the icon (38 units)")
_dialog([157], 40, "program information, title bar")
_dialog([158], 18, "program information, right-aligned label (73 units)")
_dialog([159], 23, "program information, centred label (89 units)")
_dialog([160], 11, "program information, Close button (50 units)")
_dialog([161, 162], 41, "program information, version box (170 units)")
_dialog([165, 166], 60, "file dialog title bar")
_dialog(range(175, 181), 50, "main window title bar")
DIALOG = _D

# The Options view's button 1014 is a multi-line push button of 63 x 33
# dialog units: lines of at most 14 mean letters, at most 3 lines.
WRAPPED = {97: (14, 3, "Options, multi-line button 1014 (63 x 33 units)")}


def wrap_lines(text, line_limit):
    """Greedy word wrap in mean letters; returns the lines or None if a word
    alone is too wide."""
    lines = []
    current = ""
    for word in text.split():
        candidate = word if not current else current + " " + word
        if advance_sum(candidate) / DIALOG_AVERAGE <= line_limit:
            current = candidate
            continue
        if not current or advance_sum(word) / DIALOG_AVERAGE > line_limit:
            return None
        lines.append(current)
        current = word
    if current:
        lines.append(current)
    return lines


# ---------------------------------------------------------------------------

class Checker:
    def __init__(self):
        self.errors = []

    def error(self, where, message):
        self.errors.append("%s: %s" % (where, message))


def read_source(code, chk):
    """Return the 181 texts of src/<code>.txt, or None."""
    path = os.path.join(SRC_DIR, code + ".txt")
    where = "src/%s.txt" % code
    try:
        with open(path, "rb") as f:
            raw = f.read()
    except OSError as e:
        chk.error(where, "cannot read: %s" % e)
        return None
    if raw.startswith(b"\xef\xbb\xbf"):
        chk.error(where, "starts with a byte order mark")
        return None
    try:
        content = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        chk.error(where, "not valid UTF-8: %s" % e)
        return None
    if "\r" in content:
        chk.error(where, "contains carriage returns; use LF line ends")
        return None
    if not content.endswith("\n"):
        chk.error(where, "last line has no line end")
        return None
    lines = content[:-1].split("\n")
    if len(lines) != SLOT_COUNT:
        chk.error(where, "has %d lines, expected %d" % (len(lines), SLOT_COUNT))
        return None
    texts = []
    for k, line in enumerate(lines):
        lw = "%s:%d (slot %d)" % (where, k + 1, k)
        label, sep, text = line.partition("=")
        if not sep:
            chk.error(lw, "no '='")
            texts.append(None)
            continue
        if label != "T%d" % k:
            chk.error(lw, "label is %r, expected 'T%d'" % (label, k))
        if text == "":
            chk.error(lw, "nothing after '='")
        if "=" in text:
            chk.error(lw, "a second '=' in the text")
        bad = [c for c in text if ord(c) < 32 or 127 <= ord(c) < 160]
        if bad:
            chk.error(lw, "control character(s) %r" % bad)
        if text[:1].isspace():
            chk.error(lw, "text starts with a blank")
        texts.append(text)
    return texts


def check_content(code, cp, texts, chk):
    where0 = "src/%s.txt" % code
    for k, text in enumerate(texts):
        if text is None:
            continue
        where = "%s slot %d" % (where0, k)
        try:
            encoded = text.encode(cp)
        except UnicodeEncodeError as e:
            chk.error(where, "%r not encodable in %s" % (text[e.start:e.end], cp))
            continue
        if len(encoded) > MAX_TEXT_BYTES:
            chk.error(where, "%d bytes, at most %d" % (len(encoded), MAX_TEXT_BYTES))
        if k in UNUSED_SLOTS:
            if text != PLACEHOLDER:
                chk.error(where, "slot is never shown and must hold %r" % PLACEHOLDER)
        elif text.strip() in ("", PLACEHOLDER):
            chk.error(where, "slot is shown by the program but holds no text")
        if k in FIXED_LENGTH and len(text) != FIXED_LENGTH[k]:
            chk.error(where, "must be exactly %d characters (pad with blanks), is %d"
                      % (FIXED_LENGTH[k], len(text)))
        if k in NO_DESCENDERS and DESCENDERS & set(text):
            chk.error(where, "%r reaches below the baseline, which the pointer's "
                      "clearing leaves behind" % "".join(sorted(DESCENDERS & set(text))))
        if k in NEUTRAL_SLOTS and REFUSAL_STEMS[code] in text.lower():
            chk.error(where, "states that learning is not running and must not read as a "
                      "refusal (%r)" % REFUSAL_STEMS[code])
        if code == "pol" and k in POLISH_TEMPLATE_TEXTS and text != POLISH_TEMPLATE_TEXTS[k]:
            chk.error(where, "must be the template text %r" % POLISH_TEMPLATE_TEXTS[k])
        if k in SAME_IN_ALL and text != SAME_IN_ALL[k]:
            chk.error(where, "must be %r" % SAME_IN_ALL[k])
        if k in TITLE_SLOTS and not text.startswith(TITLE_PREFIX):
            chk.error(where, "window title must start with %r" % TITLE_PREFIX)
        if advance_sum(text) is None:
            unknown = sorted({c for c in text if c not in ADVANCE})
            chk.error(where, "no width known for %r" % unknown)
            continue
        for problem in fit_problems(code, k, text):
            chk.error(where, problem)


def drawn_widths(code, k, text):
    """Yield (size, where, width px, limit px) for every place slot k is drawn."""
    font, places = DRAWN[k]
    adv = advance_sum(text)
    for size, sx, small_ce, small_cy, large in SIZES:
        if font == "large":
            w = large
        else:
            w = small_cy if code == "rus" else small_ce
        width = adv * w / ARIAL_AVERAGE
        for x0, x1, where in places:
            limit = int(x1 * sx) - int(x0 * sx)
            yield size, where, width, limit


def fit_problems(code, k, text):
    problems = []
    if k in DRAWN:
        for size, where, width, limit in drawn_widths(code, k, text):
            if width > limit:
                problems.append("too wide at %s: %.1f px, room %d px (%s)"
                                % (size, width, limit, where))
    if k in DIALOG:
        limit, where = DIALOG[k]
        width = advance_sum(text.rstrip()) / DIALOG_AVERAGE
        if width > limit:
            problems.append("too wide: %.1f mean letters, room %.1f (%s)"
                            % (width, limit, where))
    if k in WRAPPED:
        line_limit, max_lines, where = WRAPPED[k]
        lines = wrap_lines(text, line_limit)
        if lines is None or len(lines) > max_lines:
            problems.append("does not fit in %d lines of %d mean letters (%s)"
                            % (max_lines, line_limit, where))
    return problems


def encode_file(texts, cp):
    out = bytearray()
    for k, text in enumerate(texts):
        out += ("T%d=" % k).encode("ascii") + text.encode(cp) + b"\r\n"
    return bytes(out)


def read_like_program(data):
    """Read a language file the way the program does: text mode (CR LF
    reads as LF, Ctrl-Z ends the file), one character at a time; line k
    fills slot k with what follows its last '='."""
    chars = data.replace(b"\r\n", b"\n")
    cut = chars.find(b"\x1a")
    if cut >= 0:
        chars = chars[:cut]
    slots = {}
    line = 0
    in_text = False
    i = 0
    n = len(chars)
    while i < n:
        c = chars[i:i + 1]
        i += 1
        if c == b"\n":
            line += 1
            in_text = False
        if in_text:
            slots[line] = slots.get(line, b"") + c
        if c == b"=":
            if i < n:
                slots[line] = chars[i:i + 1]
                i += 1
                in_text = True
    return slots, line


def check_file_bytes(code, cp, texts, data, chk):
    where = "Tarvex_lang.%s" % code
    if data.count(b"\r\n") != SLOT_COUNT:
        chk.error(where, "has %d CR LF line ends, expected %d"
                  % (data.count(b"\r\n"), SLOT_COUNT))
    stripped = data.replace(b"\r\n", b"")
    if b"\r" in stripped or b"\n" in stripped:
        chk.error(where, "has a line end that is not CR LF")
    if not data.endswith(b"\r\n"):
        chk.error(where, "last line has no CR LF")
    slots, lines = read_like_program(data)
    if lines != SLOT_COUNT:
        chk.error(where, "reads as %d lines, expected %d" % (lines, SLOT_COUNT))
    for k in range(SLOT_COUNT):
        expected = texts[k].encode(cp)
        got = slots.get(k)
        if got != expected:
            chk.error(where, "slot %d reads back as %r, expected %r" % (k, got, expected))
        elif len(got) > MAX_TEXT_BYTES:
            chk.error(where, "slot %d holds %d bytes" % (k, len(got)))
    extra = [k for k in slots if k >= SLOT_COUNT]
    if extra:
        chk.error(where, "gives text to slots past %d: %s" % (SLOT_COUNT - 1, extra))


def report(all_texts):
    print()
    print("Width per slot (drawn texts: px at the tightest size / room; "
          "dialog texts: mean letters / room)")
    for k in range(SLOT_COUNT):
        if k not in DRAWN and k not in DIALOG:
            continue
        cells = []
        for code, cp, _ in LANGUAGES:
            text = all_texts.get(code)
            if not text or text[k] is None or advance_sum(text[k]) is None:
                cells.append("%s ?" % code)
                continue
            if k in DRAWN:
                worst = max(drawn_widths(code, k, text[k]), key=lambda r: r[2] / r[3])
                cells.append("%s %5.1f/%d@%s" % (code, worst[2], worst[3], worst[0]))
            else:
                w = advance_sum(text[k].rstrip()) / DIALOG_AVERAGE
                cells.append("%s %4.1f/%s" % (code, w, DIALOG[k][0]))
        print("%3d  %s" % (k, "  ".join(cells)))


def main(argv):
    check_only = "--check" in argv
    want_report = "--report" in argv
    unknown = [a for a in argv if a not in ("--check", "--report")]
    if unknown:
        print(__doc__)
        return 2
    chk = Checker()
    all_texts = {}
    for code, cp, name in LANGUAGES:
        texts = read_source(code, chk)
        if texts is None:
            continue
        all_texts[code] = texts
        check_content(code, cp, texts, chk)

    summary = []
    if chk.errors and not check_only:
        print("sources have errors; nothing written")
    for code, cp, name in (LANGUAGES if check_only or not chk.errors else []):
        texts = all_texts.get(code)
        if texts is None or None in texts:
            continue
        try:
            data = encode_file(texts, cp)
        except UnicodeEncodeError:
            continue  # already reported
        path = os.path.join(HERE, "Tarvex_lang." + code)
        if check_only:
            try:
                with open(path, "rb") as f:
                    present = f.read()
            except OSError as e:
                chk.error("Tarvex_lang.%s" % code, "cannot read: %s" % e)
                continue
            if present != data:
                chk.error("Tarvex_lang.%s" % code,
                          "differs from src/%s.txt; run make_lang.py" % code)
            data = present
        else:
            with open(path, "wb") as f:
                f.write(data)
            with open(path, "rb") as f:
                data = f.read()
        check_file_bytes(code, cp, texts, data, chk)
        longest = max(len(t.encode(cp)) for t in texts)
        summary.append("%-4s Tarvex_lang.%s  %-10s %-7s %d lines, %d bytes, "
                       "longest text %d bytes"
                       % (code, code, name, "windows-" + cp[2:], data.count(b"\r\n"),
                          len(data), longest))

    for line in summary:
        print(line)
    if want_report:
        report(all_texts)
    if chk.errors:
        print()
        for e in chk.errors:
            print("ERROR " + e)
        print("%d error(s)" % len(chk.errors))
        return 1
    print("all checks passed (%s)" % ("files checked, nothing written" if check_only
                                      else "files written and checked"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
