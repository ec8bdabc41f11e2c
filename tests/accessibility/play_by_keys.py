#!/usr/bin/python3
"""Plays the first game to its ending by keys alone, through the
accessibility bus as a screen reader does, with the Orca screen reader
listening:

    on-x11.sh play_by_keys.py PROGRAM GAME_FILES

(KOTEBU_SHOW_SPEECH=1 prints all Orca said.)

The heroine is 28 with the information to read the enemy book: the first
adventure is the boss, beaten for certain. Chooses the game in the
selector, presses Start with Return; at night tries the heart (her love is
full: refused), gives the book, shortens the day in Game > Config; asks to
Exit and answers No; after the fight opens the enemy viewer with Return and
closes it; in the ending tabs to its text and presses 完. On the way every
showing picture of the selector and the game window must have a name, and
afterwards Orca's own record must hold what a sighted player reads: her
birthday, the refusal, the status with the figures when the focus comes back
to her picture, the morning, the monster in the viewer and the ending with
its score.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
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

# What Orca must have said, each a row: why, and a piece of the utterance.
SPOKEN = [
    ("her birthday on the night the game opens", "ことぶは28才になった。"),
    ("the heart refused: her love is full", "愛情はもう上がらない。"),
    ("the status with the new figure as the focus comes back to her", "28才 ／ 経験値 299 体力：3"),
    ("the figure the book raised, in that status", "知識：5"),
    ("the morning's message", MORNING_MESSAGE),
    ("the monster's name in the viewer", "まねっこぷぅ。"),
    ("the monster's description in the viewer", "最後の大ボス"),
    ("the ending's score", "得点は"),
]

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


def notifications(window):
    """What the window's notifications hold: the message line, and the note
    a screen reader is told what the window does not show."""
    return [obj.get_name() or "" for obj in descendants(window) if obj.get_role_name() == "notification"]


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
    short of the boss's level and with full information and love: six
    seconds of night to give the book in."""
    folder = os.path.join(root, "game")
    shutil.copytree(GAME_FILES, folder)
    with open(os.path.join(folder, "KTBSPST.INI"), encoding="utf-8", newline="") as template:
        text = template.read()
    first, rest = text.split("[KoTeBu2]", 1)
    for key, value in (("Gaming", "ON"), ("TimeOfDay", "6000"), ("ICONIC", "OFF"), ("KotebuYear", "80"),
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


def start_orca(root):
    prefs = os.path.join(root, "orca")
    os.makedirs(prefs)
    log = os.path.join(root, "orca.log")
    # No speech server here: Orca still decides every utterance and records
    # it in its debug file, and it spawns no speech-dispatcher.
    env = dict(os.environ, SPEECHD_ADDRESS="unix_socket:/nonexistent")
    orca = subprocess.Popen(["orca", "--replace", "-u", prefs, "--debug-file", log], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("Orca on the accessibility bus", lambda: application(orca.pid), timeout=30)
    return orca, log


def spoken(orca, log):
    # Orca works through its queue of events a moment behind the game, and
    # writes its record out as it ends.
    time.sleep(1.5)
    orca.send_signal(signal.SIGTERM)
    try:
        orca.wait(timeout=10)
    except subprocess.TimeoutExpired:
        orca.kill()
        orca.wait()
    with open(log, encoding="utf-8", errors="replace") as record:
        return [line.strip() for line in record if "SPEECH OUTPUT:" in line]


def play(root):
    orca, log = start_orca(root)
    folder = game_folder(root)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SDL_AUDIODRIVER="dummy")
    game = subprocess.Popen([PROGRAM], cwd=folder, env=env)
    try:
        app = wait_for("the game on the accessibility bus", lambda: application(game.pid))

        # The selector comes after the logo, the first game's picture ready.
        selector = wait_for("the selector", lambda: active_window(app, "Ｓｅｌｅｃｔｅｒ"), timeout=30)
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
                          lambda: (lambda w: w if w and NIGHT_MESSAGE in notifications(w) else None)(
                              active_window(app, "ことぶ")))
        check_pictures_named(window, "game window")
        time.sleep(1.5)  # the night's message and her birthday are read as the window opens
        # The heart first: her love is full, so it is refused, and only
        # heard; then three along the tray to the book, which she takes.
        press(KEY_TAB)
        wait_for("Tab to the heart", lambda: focused_named(window, "ハート：愛情を上げる"))
        press(KEY_RETURN)
        time.sleep(0.3)
        for _ in range(3):
            press(KEY_TAB)
        wait_for("Tab to the book", lambda: focused_named(window, "本：知識を上げる"))
        press(KEY_RETURN)
        wait_for("the book's message", lambda: BOOK_MESSAGE in notifications(window), timeout=5)
        wait_for("the focus back on her picture", lambda: focused_named(window, "夜：眠る三日月と星"), timeout=5)
        time.sleep(0.5)

        # Game > Config holds the clock while open: Home puts the day at its
        # shortest, Return is ＯＫ. The next phases come a second apart.
        press_with_alt(ord("g"))
        press(ord("c"))
        settings = wait_for("the settings", lambda: active_window(app, "設定"))
        press(KEY_HOME)
        time.sleep(0.3)
        press(KEY_RETURN)
        wait_for("the settings closed", lambda: active_window(app, "ことぶ"))

        wait_for("the morning", lambda: MORNING_MESSAGE in notifications(window), timeout=15)
        # Orca reads a notification's text from the game a moment after the
        # event (Orca 48 queues events); give it that moment before more comes.
        time.sleep(1.0)

        # Exit asks; No (Escape) plays on.
        press_with_alt(ord("g"))
        press(ord("x"))
        wait_for("the question to end the day", lambda: active_window(app, "終了確認"))
        press(KEY_ESCAPE)
        wait_for("back in the game", lambda: active_window(app, "ことぶ"))

        wait_for("the boss fight", lambda: any(text.startswith(BOSS_MESSAGE_START) for text in notifications(window)),
                 timeout=15)
        time.sleep(1.0)
        # Return on her picture opens the enemy viewer after the fight.
        press(KEY_RETURN)
        viewer = wait_for("the enemy viewer", lambda: active_window(app, "敵データ"))
        time.sleep(1.5)  # it speaks as it opens: Orca's moment to read it
        press(KEY_RETURN)
        wait_for("the viewer closed", lambda: active_window(app, "ことぶ"))

        ending = wait_for("the ending", lambda: active_window(app, "おわり"), timeout=20)
        time.sleep(1.5)
        # Tab reaches the text to hear it again; Shift+Tab is 完 once more.
        press(KEY_TAB)
        wait_for("Tab to the ending's text", lambda: (lambda f: f and "得点は" in f.get_name())(focused(ending)))
        time.sleep(0.5)
        press(KEY_RETURN)
        status = game.wait(timeout=20)
        if status != 0:
            raise Failure("the game ended with status %d after 完" % status)
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()
        said = spoken(orca, log)

    if os.environ.get("KOTEBU_SHOW_SPEECH"):
        print("Orca said:\n  " + "\n  ".join(said))
    if saved(folder, "Gaming") != "OFF":
        raise Failure("the ending did not mark the game finished: Gaming=%r" % saved(folder, "Gaming"))
    missing = [why for why, words in SPOKEN if not any(words in line for line in said)]
    if missing:
        raise Failure("Orca did not speak %s; it said:\n  %s" % ("; ".join(missing), "\n  ".join(said)))


def main():
    root = tempfile.mkdtemp()
    try:
        play(root)
    except Failure as failure:
        sys.exit("FAILED: %s" % failure)
    finally:
        shutil.rmtree(root, ignore_errors=True)
    print("played to the ending by keys: every picture named, and Orca spoke %s" % ", ".join(why for why, _ in SPOKEN))


if __name__ == "__main__":
    main()
