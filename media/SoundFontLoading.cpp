// The synthesiser and what it plays from: finding a General MIDI SoundFont,
// loading it (on a thread of its own while the logo plays), reading the theme
// and bringing its instruments into memory before the audio thread needs them.
#include "SdlSound.h"

#include "FileNames.h"
#include "MidiFile.h"
#include "ThemeScore.h"

#include <QFile>
#include <QFileInfo>

#include <fluidsynth.h>

#include <mutex>
#include <utility>

namespace kotebu {

namespace {

// The default gain of 0.2 is far too quiet next to a wave sound; at 0.7 the
// theme's loudest chords already touch full scale with the small GM font.
constexpr double SynthGain = 0.6;

// A SoundFont this large is loaded preset by preset, so a 148 MB font does
// not cost 148 MB of memory for the theme's seven instruments. The presets a
// theme uses are loaded and pinned before it plays (see pinPresets), so the
// audio thread never reads them from the disk. Small fonts are loaded whole.
constexpr qint64 LoadOnDemandBytes = 32 * 1024 * 1024;

void dropFluidLog(int, const char *, void *) {}

// FluidSynth writes errors to stderr by default, a missing SoundFont
// included; sound failures stay silent in this game.
void silenceFluidLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, dropFluidLog, nullptr);
    });
}

} // namespace

QStringList soundFontCandidates()
{
    return {
        QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
        QStringLiteral("/usr/share/soundfonts/FluidR3_GM.sf2"),
        QStringLiteral("/usr/share/soundfonts/default.sf2"),
    };
}

QString findSoundFont(const QStringList &candidates)
{
    if (qEnvironmentVariableIsSet("KOTEBU_SOUNDFONT")) {
        const QString chosen = qEnvironmentVariable("KOTEBU_SOUNDFONT");
        return QFileInfo(chosen).isFile() ? chosen : QString();
    }
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

SdlSound::LoadedSynth SdlSound::loadSynth(const QString &theme)
{
    silenceFluidLog();
    LoadedSynth loaded;
    const QString font = findSoundFont();
    if (font.isEmpty()) {
        loaded.error = QStringLiteral("No SoundFont was found.");
        return loaded;
    }
    fluid_settings_t *settings = new_fluid_settings();
    if (!settings) {
        loaded.error = QStringLiteral("The synthesiser could not start.");
        return loaded;
    }
    fluid_settings_setnum(settings, "synth.sample-rate", SampleRate);
    fluid_settings_setnum(settings, "synth.gain", SynthGain);
    if (QFileInfo(font).size() > LoadOnDemandBytes)
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);

    fluid_synth_t *synth = new_fluid_synth(settings);
    const int fontId = synth ? fluid_synth_sfload(synth, QFile::encodeName(font).constData(), 1) : FLUID_FAILED;
    if (fontId == FLUID_FAILED) {
        if (synth)
            delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        loaded.error = QStringLiteral("The SoundFont could not be loaded.");
        return loaded;
    }
    loaded.settings = settings;
    loaded.synth = synth;
    loaded.fontId = fontId;
    // The theme the game will sing is read and laid out now, on this thread,
    // and its instruments loaded, rather than when the selector opens or its
    // first notes are due.
    if (!theme.isEmpty())
        loaded.theme = readTheme(findFileNoCase(theme));
    pinPresets(loaded, loaded.theme.score ? loaded.theme.score->presets() : ThemeScore().presets());
    return loaded;
}

SdlSound::ReadTheme SdlSound::readTheme(const QString &found)
{
    ReadTheme theme;
    if (found.isEmpty())
        return theme;
    const QFileInfo file(found);
    theme.path = found;
    theme.size = file.size();
    theme.modified = file.lastModified();
    if (const std::optional<MidiFile> song = readMidi(readSmallFile(found, LargestThemeBytes)))
        theme.score.emplace(*song, SampleRate);
    return theme;
}

// The score of the theme in `found`: the one the loading thread laid out
// while the logo played when it read this very file, unchanged since, so the
// selector never waits for a large file; otherwise read here.
std::optional<ThemeScore> SdlSound::themeScore(const QString &found)
{
    ReadTheme early = std::exchange(m_loaded.theme, ReadTheme());
    const QFileInfo file(found);
    if (!early.path.isEmpty() && early.path == found && early.size == file.size()
        && early.modified == file.lastModified())
        return std::move(early.score);
    return readTheme(found).score;
}

void SdlSound::pinPresets(LoadedSynth &loaded, const std::vector<ThemeScore::Preset> &presets)
{
    for (const ThemeScore::Preset &preset : presets) {
        if (!loaded.pinned.emplace(preset.bank, preset.program, preset.drums).second)
            continue;
        // The same fallbacks the synthesiser takes when a font lacks the
        // preset asked for: another kit, or the program in bank 0, or piano.
        std::vector<std::pair<int, int>> tries{{preset.bank, preset.program}};
        if (preset.drums)
            tries.push_back({preset.bank, 0});
        else
            tries.insert(tries.end(), {{0, preset.program}, {0, 0}});
        for (const auto &[bank, program] : tries) {
            if (fluid_synth_pin_preset(loaded.synth, loaded.fontId, bank, program) == FLUID_OK)
                break;
        }
    }
}

void SdlSound::preloadSynth(const QString &theme)
{
    if (m_loaded.synth || m_synthTried || m_synthLoading.valid())
        return;
    m_synthLoading = std::async(std::launch::async, &loadSynth, theme);
}

bool SdlSound::ensureSynth()
{
    if (m_loaded.synth)
        return true;
    if (m_synthTried)
        return false;
    m_synthTried = true;

    LoadedSynth loaded = m_synthLoading.valid() ? m_synthLoading.get() : loadSynth({});
    if (!loaded.synth) {
        m_lastError = loaded.error;
        return false;
    }
    DeviceLock lock(m_device);
    m_loaded = std::move(loaded);
    return true;
}

void SdlSound::releaseSynth()
{
    auto release = [](LoadedSynth &loaded) {
        if (loaded.synth)
            delete_fluid_synth(loaded.synth);
        if (loaded.settings)
            delete_fluid_settings(loaded.settings);
        loaded = LoadedSynth();
    };
    if (m_synthLoading.valid()) {
        LoadedSynth unused = m_synthLoading.get();
        release(unused);
    }
    release(m_loaded);
}

} // namespace kotebu
