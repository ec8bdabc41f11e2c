#!/usr/bin/python3
"""Plays the first game to its ending by keys alone, through the
accessibility bus as a screen reader does, with the Orca screen reader
listening:

    on-x11.sh play_by_keys.py PROGRAM GAME_FILES
    on-x11.sh play_by_keys.py PROGRAM GAME_FILES --nights TS_FILE...

(KOTEBU_SHOW_SPEECH=1 prints all Orca said, KOTEBU_ORCA_RECORD=FILE keeps
Orca's whole record.)

With --nights, the game starts once in each language of the translation
files named instead, as a desktop in that language starts it: the first game
chosen by its key, Start pressed, and Orca must speak her birthday and the
night's message in that language, as the translation has them.

The heroine is 28 with the information to read the enemy book: the first
adventure is the boss, beaten for certain. Chooses the game in the
selector, presses Start with Return; at night tries the heart (her love is
full: refused), gives the book, shortens the day in Game > Config; asks to
Exit and answers No; after the fight opens the enemy viewer with Return and
closes it; in the ending tabs to its text and presses 完. On the way every
showing picture of the selector and the game window must have a name, and
Orca's own record must come to hold, each in its moment, what a sighted
player reads: her
birthday, the refusal, the status with the figures when the focus comes back
to her picture, the morning, the monster in the viewer and the ending with
its score.
"""

import os
import pty
import xml.etree.ElementTree
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import termios
import threading
import time

# A session bus of our own, started on the display on-x11.sh made: the
# accessibility bus and its registry start from it on demand and inherit
# its environment, the display included.
if "KOTEBU_OWN_SESSION_BUS" not in os.environ:
    if not shutil.which("dbus-run-session"):
        sys.exit("dbus-run-session is missing: install the Debian package dbus-daemon")
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        sys.exit("the accessibility bus is missing: install the Debian package at-spi2-core")
    os.environ["KOTEBU_OWN_SESSION_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as missing:
    sys.exit("the AT-SPI client is missing (%s): install the Debian packages python3-gi and gir1.2-atspi-2.0" % missing)

if not shutil.which("orca"):
    sys.exit("orca is missing: install the Debian package orca")

PROGRAM, GAME_FILES = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
NIGHT_MESSAGE = "夜になった。ことぶは、ぐーぐー寝ている。"
BOOK_MESSAGE = "ことぶは武術の勉強をした。知識が１増えた。"
MORNING_MESSAGE = "朝になった。ことぶは冒険に出かけた。"
BOSS_MESSAGE_START = "まねっこぷぅが現れた！"
# Roles of the things a sighted player sees as pictures or presses.
PICTURE_ROLES = {"image", "push button", "frame"}

# What Orca must say, each a row: why, and a piece of the utterance. The
# test waits for each in Orca's record before the game goes on.
BIRTHDAY = ("her birthday on the night the game opens", "ことぶは28才になった。")
REFUSAL = ("the heart refused: her love is full", "愛情はもう上がらない。")
STATUS = ("the status with the new figure as the focus comes back to her", "28才 ／ 経験値 299 体力：3 愛情：5 情報力：5 知識：5")
MORNING = ("the morning's message", MORNING_MESSAGE)
VIEWER = ("the monster's name and description in the viewer", "まねっこぷぅ。この世界を物まねで")
SCORE = ("the ending with its score", "点でした。")
SPOKEN = [BIRTHDAY, REFUSAL, STATUS, MORNING, VIEWER, SCORE]

KEY_TAB, KEY_RETURN, KEY_LEFT, KEY_ESCAPE, KEY_HOME = 0xFF09, 0xFF0D, 0xFF51, 0xFF1B, 0xFF50
ALT_MASK = 1 << 3  # Mod1


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=20.0):
    """Polls probe() until it gives something true, as the bus answers."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except GLib.Error:  # an object that went away between two calls
            found = None
        if found:
            return found
        if time.monotonic() > end:
            raise Failure("waited %.0f s for %s" % (timeout, what))
        time.sleep(0.05)


def has(obj, state):
    return obj.get_state_set().contains(state)


def descendants(obj):
    for i in range(obj.get_child_count()):
        child = obj.get_child_at_index(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def active_window(app, name):
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if window is not None and has(window, Atspi.StateType.ACTIVE) and name in window.get_name():
            return window
    return None


def focused(window):
    for obj in descendants(window):
        if has(obj, Atspi.StateType.FOCUSED):
            return obj
    return None


def focused_named(window, name):
    obj = focused(window)
    return obj if obj is not None and obj.get_name() == name else None


def texts(window):
    """The texts the window shows (its labels) and what its voice, a
    notification, last said."""
    return [obj.get_name() or "" for obj in descendants(window) if obj.get_role_name() in ("label", "notification")]


def check_pictures_named(window, where):
    unnamed = [obj.get_role_name() for obj in descendants(window)
               if obj.get_role_name() in PICTURE_ROLES and has(obj, Atspi.StateType.SHOWING)
               and not obj.get_name()]
    if unnamed:
        raise Failure("%s: %d showing pictures without a name (%s)" % (where, len(unnamed), ", ".join(unnamed)))


def press(keysym):
    Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)


def press_with_alt(keysym):
    Atspi.generate_keyboard_event(ALT_MASK, None, Atspi.KeySynthType.LOCKMODIFIERS)
    try:
        press(keysym)
    finally:
        Atspi.generate_keyboard_event(ALT_MASK, None, Atspi.KeySynthType.UNLOCKMODIFIERS)


def game_folder(root):
    """The shipped files, with a state file whose first game is 28, a point
    short of the boss's level and with full information and love, and a
    night long enough to give the book in however slow the machine."""
    folder = os.path.join(root, "game")
    shutil.copytree(GAME_FILES, folder)
    with open(os.path.join(folder, "KTBSPST.INI"), encoding="utf-8", newline="") as template:
        text = template.read()
    first, rest = text.split("[KoTeBu2]", 1)
    for key, value in (("Gaming", "ON"), ("TimeOfDay", "12000"), ("ICONIC", "OFF"), ("KotebuYear", "80"),
                       ("KotebuEx", "299"), ("Tairyoku", "3"), ("Chiryoku", "4"), ("Joho", "5"),
                       ("Aijo", "5"), ("Miryoku", "1")):
        first = re.sub(r"(?m)^%s=.*?\r?$" % key, "%s=%s\r" % (key, value), first)
    with open(os.path.join(folder, "KTBSP.INI"), "w", encoding="utf-8", newline="") as state:
        state.write(first + "[KoTeBu2]" + rest)
    return folder


def saved(folder, key):
    with open(os.path.join(folder, "KTBSP.INI"), encoding="utf-8") as state:
        first = state.read().split("[KoTeBu2]", 1)[0]
    found = re.search(r"(?m)^%s=(.*?)\r?$" % key, first)
    return found.group(1) if found else None


class Orca:
    """Orca, its record followed as it writes it. Orca writes its debug
    record through a buffer it flushes as it ends; given a terminal for the
    record, it writes line by line, so the test can wait until Orca has
    spoken a thing before the game goes on (a screen reader behind the game
    reads what is there when it gets to it)."""

    def __init__(self, root):
        prefs = os.path.join(root, "orca")
        os.makedirs(prefs)
        self.lines = []
        self._lock = threading.Lock()
        master, terminal = pty.openpty()
        attributes = termios.tcgetattr(terminal)
        attributes[1] &= ~termios.OPOST  # lines as Orca writes them
        termios.tcsetattr(terminal, termios.TCSANOW, attributes)
        # No speech server here: Orca still decides every utterance and
        # records it, and it spawns no speech-dispatcher.
        env = dict(os.environ, SPEECHD_ADDRESS="unix_socket:/nonexistent")
        self.process = subprocess.Popen(["orca", "--replace", "-u", prefs, "--debug-file", os.ttyname(terminal)],
                                        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Kept open here while Orca runs: a terminal with no side open but
        # its master reads as an error, which would end the reading.
        self._terminal = terminal
        self._reader = threading.Thread(target=self._read, args=(master,), daemon=True)
        self._reader.start()
        wait_for("Orca on the accessibility bus", lambda: application(self.process.pid), timeout=60)

    # Each line of the record starts with the time; an utterance holding
    # line breaks runs on over the lines that do not.
    STAMP = re.compile(r"^\s*\d\d:\d\d:\d\d\.\d+ - ")

    def _read(self, master):
        pending = b""
        continuing = False
        record = os.environ.get("KOTEBU_ORCA_RECORD")  # Orca's whole record, to look into
        whole = open(record, "wb") if record else None
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:  # Orca has gone
                break
            if not chunk:
                break
            if whole:
                whole.write(chunk)
            pending += chunk
            *complete, pending = pending.split(b"\n")
            with self._lock:
                for raw in complete:
                    line = raw.decode("utf-8", "replace").rstrip("\r")
                    if continuing and not self.STAMP.match(line):
                        self.lines[-1] += " " + line.strip()
                        continue
                    continuing = "SPEECH OUTPUT:" in line
                    if continuing:
                        self.lines.append(line.strip())
        if whole:
            whole.close()
        os.close(master)

    def said(self):
        with self._lock:
            return list(self.lines)

    def wait_spoken(self, why, words, timeout=60):
        """Waits until Orca has spoken `words`; its lag is its own."""
        try:
            wait_for("Orca to speak %s (%s)" % (why, words), lambda: any(words in line for line in self.said()),
                     timeout=timeout)
        except Failure as failure:
            raise Failure("%s; Orca's last words:\n  %s" % (failure, "\n  ".join(self.said()[-25:])))

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self._terminal)
        self._reader.join(timeout=5)
        return self.said()


def play(root):
    orca = Orca(root)
    folder = game_folder(root)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SDL_AUDIODRIVER="dummy")
    game = subprocess.Popen([PROGRAM], cwd=folder, env=env)
    try:
        app = wait_for("the game on the accessibility bus", lambda: application(game.pid))

        # The selector comes after the logo, the first game's picture ready.
        selector = wait_for("the selector", lambda: active_window(app, "Ｓｅｌｅｃｔｅｒ"), timeout=60)
        wait_for("the first game's picture focused", lambda: focused_named(selector, "ＫｏＴｅＢｕ ～ことぶ～"))
        check_pictures_named(selector, "selector")
        press(KEY_TAB)
        wait_for("Tab to the second game", lambda: focused_named(selector, "ＫｏＴｅＢｕ２ ～ﾊﾙｰﾈﾝ物語～"))
        press(KEY_LEFT)
        wait_for("the arrow back to the first game", lambda: focused_named(selector, "ＫｏＴｅＢｕ ～ことぶ～"))
        press(KEY_RETURN)

        start = wait_for("the start screen", lambda: active_window(app, "KoTeBu ｽﾀｰﾄ"))
        wait_for("Start focused", lambda: focused_named(start, "Start"))
        press(KEY_RETURN)

        window = wait_for("the game window at night",
                          lambda: (lambda w: w if w and NIGHT_MESSAGE in texts(w) else None)(
                              active_window(app, "ことぶ")))
        check_pictures_named(window, "game window")
        orca.wait_spoken(*BIRTHDAY)
        # Orca 48 keeps the descriptions it has read for up to two seconds: a
        # player's pause, so the status read as the focus comes back to her
        # picture is the new one, not the one read as the window opened.
        time.sleep(2.5)
        # The heart first: her love is full, so it is refused, and only
        # heard; then three along the tray to the book, which she takes.
        press(KEY_TAB)
        wait_for("Tab to the heart", lambda: focused_named(window, "ハート：愛情を上げる"))
        press(KEY_RETURN)
        orca.wait_spoken(*REFUSAL)
        for _ in range(3):
            press(KEY_TAB)
        wait_for("Tab to the book", lambda: focused_named(window, "本：知識を上げる"))
        press(KEY_RETURN)
        wait_for("the book's message", lambda: BOOK_MESSAGE in texts(window))
        wait_for("the focus back on her picture", lambda: focused_named(window, "夜：眠る三日月と星"))
        orca.wait_spoken(*STATUS)

        # Game > Config holds the clock while open: Home puts the day at its
        # shortest, Return is ＯＫ. From the next phase on, a second a phase.
        press_with_alt(ord("g"))
        press(ord("c"))
        settings = wait_for("the settings", lambda: active_window(app, "設定"))
        press(KEY_HOME)
        wait_for("the shortest day", lambda: any(obj.get_role_name() == "scroll bar" and obj.get_current_value() == 1
                                                 for obj in descendants(settings)))
        press(KEY_RETURN)
        wait_for("the settings closed", lambda: active_window(app, "ことぶ"))

        wait_for("the morning", lambda: MORNING_MESSAGE in texts(window), timeout=60)
        orca.wait_spoken(*MORNING)

        # Exit asks; No (Escape) plays on.
        press_with_alt(ord("g"))
        press(ord("x"))
        wait_for("the question to end the day", lambda: active_window(app, "終了確認"))
        press(KEY_ESCAPE)
        wait_for("back in the game", lambda: active_window(app, "ことぶ"))

        wait_for("the boss fight", lambda: any(text.startswith(BOSS_MESSAGE_START) for text in texts(window)),
                 timeout=60)
        # Return on her picture opens the enemy viewer after the fight; it
        # speaks as it opens, and Return closes it.
        press(KEY_RETURN)
        wait_for("the enemy viewer", lambda: active_window(app, "敵データ"))
        orca.wait_spoken(*VIEWER)
        press(KEY_RETURN)

        ending = wait_for("the ending", lambda: active_window(app, "おわり"), timeout=60)
        orca.wait_spoken(*SCORE)
        # Tab reaches the text to hear it again; Return is 完 from there too.
        press(KEY_TAB)
        wait_for("Tab to the ending's text", lambda: (lambda f: f and "点でした。" in f.get_name())(focused(ending)))
        wait_for("Orca to speak the ending's text again",
                 lambda: sum(SCORE[1] in line for line in orca.said()) >= 2, timeout=60)
        press(KEY_RETURN)
        status = game.wait(timeout=60)
        if status != 0:
            raise Failure("the game ended with status %d after 完" % status)
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()
        said = orca.stop()

    if os.environ.get("KOTEBU_SHOW_SPEECH"):
        print("Orca said:\n  " + "\n  ".join(said))
    if saved(folder, "Gaming") != "OFF":
        raise Failure("the ending did not mark the game finished: Gaming=%r" % saved(folder, "Gaming"))


def translations(ts_file):
    """The messages of a Qt Linguist file: (context, source) to translation."""
    table = {}
    for context in xml.etree.ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            table[(name, message.findtext("source"))] = message.findtext("translation")
    return table


def hear_nights(root, ts_files):
    """The first night in each language, heard through Orca."""
    orca = Orca(root)
    try:
        for ts_file in ts_files:
            language = os.path.basename(ts_file)[len("kotebu_"):-len(".ts")]
            words = translations(ts_file)
            birthday = words[("DayEvents", "ことぶは%1才になった。")].replace("%1", "28")
            night = words[("DayEvents", NIGHT_MESSAGE)]
            folder = game_folder(os.path.join(root, language))
            env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SDL_AUDIODRIVER="dummy",
                       LANGUAGE=language, LANG="C.UTF-8")
            game = subprocess.Popen([PROGRAM], cwd=folder, env=env)
            try:
                app = wait_for("the game on the accessibility bus", lambda: application(game.pid))
                selector_title = words[("Form7", "ＫｏＴｅＢｕ　Ｓｐｅｃｉａｌ　Ｐａｃｋ　Ｓｅｌｅｃｔｅｒ")]
                wait_for("the %s selector" % language, lambda: active_window(app, selector_title), timeout=60)
                press(ord("1"))
                wait_for("the %s start screen" % language, lambda: active_window(app, words[("Form8", "KoTeBu ｽﾀｰﾄ")]))
                press(KEY_RETURN)
                orca.wait_spoken("her birthday in %s" % language, birthday)
                orca.wait_spoken("the night in %s" % language, night)
            finally:
                game.kill()
                game.wait()
    finally:
        said = orca.stop()
    if os.environ.get("KOTEBU_SHOW_SPEECH"):
        print("Orca said:\n  " + "\n  ".join(said))


def main():
    root = tempfile.mkdtemp()
    if sys.argv[3:4] == ["--nights"]:
        try:
            hear_nights(root, sys.argv[4:])
        except Failure as failure:
            sys.exit("FAILED: %s" % failure)
        finally:
            shutil.rmtree(root, ignore_errors=True)
        print("Orca spoke the first night in %s" % ", ".join(os.path.basename(f) for f in sys.argv[4:]))
        return
    try:
        play(root)
    except Failure as failure:
        sys.exit("FAILED: %s" % failure)
    finally:
        shutil.rmtree(root, ignore_errors=True)
    print("played to the ending by keys: every picture named, and Orca spoke %s" % ", ".join(why for why, _ in SPOKEN))


if __name__ == "__main__":
    main()
