"""「闘いの女神」 (Goddess of Battle): the score of the theme song.

The song is written as a row of blocks laid end to end from the first
sixteenth note. Every block carries its chords (name:length in sixteenths,
the lengths adding up to the block's length), and may carry a sung line of
the melody, a brass riff or a guitar solo. Notes are written pitch:length,
"r" is a rest; "|" is only there for the eye, "/" parts the two halves of a
sung line. `sung` holds the line's words in kana, as they are sung: one note
to a syllable (a small kana joins the one before it, "ー" holds the note),
and the generator counts them against the notes of each half.

The selector shows line N of the words when the playing position reaches
sixteenth 10 x step, so every sung block starts on (or a sixteenth or two
after) its step: the `step` field says which one, and the generator refuses
to write a song whose blocks drift off it.

Key: D major; the last choruses go up a whole tone to E (transpose 2).
"""

TEMPO_BPM = 126
DIVISION = 480          # ticks per quarter note

# GM programs (zero-based) of the parts.
PROGRAMS = {
    "melody": 80,   # Lead 1 (square): the singing voice
    "bass": 33,     # Electric bass (finger)
    "strings": 48,  # String ensemble
    "piano": 1,     # Bright acoustic piano
    "brass": 61,    # Brass section: intro and break riffs
    "solo": 29,     # Overdriven guitar: the bridge solo
    "double": 73,   # Flute, in unison with the singing voice
}

# The two hooks come back several times; only the chords of their tails
# change with the room before the next line.
FIGHT_WORDS = "たたかいのめがみ　きらめいて"
HOOK_FIGHT = ("A4:2 D5:2 E5:2 F#5:2 | A5:2 F#5:2 E5:2 E5:6 r:2 / "
              "C#5:2 E5:2 A5:4 A5:2 | B5:10")
FIRE_WORDS = "もえあがれ　ゆうきのほのお"
HOOK_FIRE = ("B4:2 D5:2 G5:4 F#5:2 G5:4 r:2 / "
             "E5:2 E5:2 A5:4 A5:2 B5:2 A5:4 | F#5:12")
WIND_WORDS = "ひかるかぜが　せなかおす"
PRE_WIND = ("B4:2 B4:2 B4:2 A4:2 B4:2 D5:4 r:2 / "
            "C#5:2 C#5:2 D5:2 E5:2 | E5:8")

BLOCKS = [
    # --- intro: steps 1-6 (the title banner shows at step 1) ---
    dict(name="intro", drums="intro", crash=True,
         chords="D:16 G:8 A:8 Bm:16 G:8 A:16",
         brass="A4:2 D5:2 E5:2 F#5:2 A5:4 F#5:4 | G5:4 F#5:2 G5:2 A5:8 | "
               "F#5:2 F#5:2 E5:2 D5:2 B4:8 | D5:4 B4:4 | E5:4 C#5:4 A4:8"),

    # --- verse 1 ---
    dict(name="verse1-1", step=7, line=1, sung="あさやけの　おかをこえ", drums="verse", crash=True,
         chords="D:16 A/C#:16 Bm:16 G:12",
         melody="F#4:2 A4:2 D5:4 C#5:2 A4:6 r:2 / E4:2 A4:2 C#5:2 B4:2 A4:8"),
    dict(name="verse1-2", step=13, line=2, sung="ぎんのつるぎ　むねにだき", drums="verse",
         chords="Bm:16 G:16 D:16 A:20",
         melody="B4:2 B4:2 A4:2 B4:2 D5:2 B4:6 r:2 / G4:2 G4:2 A4:2 B4:2 D5:8"),
    dict(name="verse1-3", step=20, line=3, sung="こわくない　ひとりじゃない", drums="verse",
         chords="G:16 A:16 F#m:16 Bm:24",
         melody="D5:2 D5:2 E5:2 D5:2 B4:6 r:2 / A4:2 C#5:2 E5:2 E5:2 D5:2 C#5:8"),
    dict(name="verse1-4", step=27, line=4, sung="えがおで　あしたへゆこう", drums="verse",
         chords="Em:16 A:16 D:16 A:12", fill_after=True,
         melody="G4:2 B4:2 E5:4 B4:6 r:2 / A4:2 B4:2 C#5:2 E5:2 E5:4 C#5:4 | D5:8"),

    # --- pre-chorus 1 ---
    dict(name="pre1-5", step=33, line=5, sung=WIND_WORDS, drums="pre", crash=True,
         chords="G:16 A:16 F#m:8 Bm:8", melody=PRE_WIND),
    dict(name="pre1-6", step=38, line=6, sung="ゆめのちず　ひろげたら", drums="pre",
         chords="G:16 D:16 Em:16 A:16 F#m:8 Bm:8",
         melody="B4:4 D5:4 D5:4 G5:4 | F#5:12 r:2 / E5:2 G5:4 B5:4 G5:8 | A5:12"),
    dict(name="pre1-7", step=46, line=7, sung="さあゆこう　どこまでも", drums="pre",
         chords="G:16 A:12 Bm:20 A:12", fill_after=True,
         melody="B4:2 D5:2 G5:4 F#5:2 G5:4 r:2 / C#5:2 E5:2 A5:4 E5:4 | F#5:8"),

    # --- chorus 1: the first hook, then the break ---
    dict(name="chorus1-8", step=52, line=8, sung=FIGHT_WORDS, drums="chorus", crash=True,
         chords="D:16 A:16 Bm:16 G:12", melody=HOOK_FIGHT),
    dict(name="break", step=58, drums="break", crash=True,
         chords="G:8 A:8 Bm:8 A:8",
         brass="B5:2 A5:2 F#5:2 A5:2 C#6:4 A5:4 | B5:2 A5:2 F#5:2 D5:2 E5:8"),

    # --- verse 2 ---
    dict(name="verse2-9", step=61, line=9, sung="あらしのよるも　まけないで", drums="verse",
         chords="D:16 A/C#:16 Bm:16 G:20",
         melody="F#4:2 A4:2 D5:2 D5:2 C#5:2 B4:2 A4:4 r:2 / E4:2 A4:2 C#5:2 B4:2 A4:8"),
    dict(name="verse2-10", step=68, line=10, sung="ほしをかぞえ　つよくなる", drums="verse",
         chords="Bm:16 G:16 D:16 A:24", fill_after=True,
         melody="B4:2 B4:2 A4:2 B4:2 D5:2 B4:6 r:2 / G4:2 A4:2 B4:2 D5:2 D5:8"),
    dict(name="pre2-5", step=75, line=5, sung=WIND_WORDS, drums="pre", crash=True,
         chords="G:16 A:16 F#m:8 Bm:8", melody=PRE_WIND),
    dict(name="pre2-11", step=80, line=11, sung="なみだのあとに　にじがでる", drums="pre",
         chords="G:16 A:16 F#m:16 Bm:16 A:8", fill_after=True,
         melody="B4:2 B4:2 D5:2 D5:2 G5:2 F#5:2 G5:2 r:2 / C#5:2 E5:2 A5:4 E5:2 E5:8"),

    # --- chorus 2: both hooks ---
    dict(name="chorus2-12", step=87, line=12, sung=FIRE_WORDS, drums="chorus", crash=True,
         chords="G:16 A:16 F#m:16 Bm:12 A:8", melody=HOOK_FIRE),
    dict(name="chorus2-8", step=94, line=8, sung=FIGHT_WORDS, drums="chorus",
         chords="D:16 A:16 Bm:16 G:16 Em:12 A:16", fill_after=True,
         melody=HOOK_FIGHT),

    # --- bridge: the guitar sings, the banners show (steps 103 and 109) ---
    dict(name="bridge", drums="bridge", crash=True,
         chords="Bm:16 G:16 D:16 A:16 Bm:16 G:16 Em:16 A:8 B:8", fill_after=True,
         solo="F#5:2 B5:2 D6:2 B5:2 F#5:4 D5:4 | G5:4 B5:4 D6:6 B5:2 | "
              "A5:2 F#5:2 D5:2 F#5:2 A5:4 D6:4 | C#6:4 A5:4 E5:4 C#6:4 | "
              "D6:4 C#6:2 B5:2 F#5:4 B5:4 | D6:6 B5:2 G5:4 D5:4 | "
              "E5:2 G5:2 B5:2 D6:2 E6:4 B5:4 | C#6:4 A5:4 | D#6:4 F#6:4"),

    # --- last choruses, a whole tone up ---
    dict(name="final-12a", step=116, line=12, sung=FIRE_WORDS, drums="chorus", crash=True, transpose=2,
         chords="G:16 A:16 F#m:16 Bm:16 A:8", melody=HOOK_FIRE),
    dict(name="final-8a", step=123, line=8, sung=FIGHT_WORDS, drums="chorus", crash=True, transpose=2,
         chords="D:16 A:16 Bm:16 G:12", melody=HOOK_FIGHT),
    dict(name="final-12b", step=129, line=12, sung=FIRE_WORDS, drums="chorus", crash=True, transpose=2,
         chords="G:16 A:16 F#m:16 Bm:12 A:8", melody=HOOK_FIRE),
    dict(name="final-8b", step=136, line=8, sung=FIGHT_WORDS, drums="chorus", crash=True, transpose=2,
         chords="D:16 A:16 Bm:16 G:12", fill_after=True, melody=HOOK_FIGHT),

    # --- the one held word, the end banner (step 148) and the last chord ---
    dict(name="final-13", step=142, line=13, sung="ヴィクトリー！", drums="chorus", crash=True, transpose=2,
         chords="G:8 A:8 D:52",
         melody="D5:4 G5:4 A5:8 | D6:32"),
    dict(name="last-hit", drums="end", crash=True, transpose=2,
         chords="D:16",
         brass="D5:16"),
]

# Silence after the last chord, so that it rings out before the file ends.
TAIL_SIXTEENTHS = 8
