#include "Sound.h"

#include "FileNames.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QThread>

namespace kotebu {

Q_LOGGING_CATEGORY(lcSound, "kotebu.sound", QtInfoMsg)

namespace {

// Until a real sound is installed every call is silent and fails softly.
class SilentSound final : public SoundSystem {
public:
    bool openAndPlayMidi(const QString &) override { return false; }
    void closeMidi() override {}
    int midiPositionSixteenths() const override { return -1; }
    bool playWave(const QString &) override { return false; }
    void stopWave() override {}
    QString lastError() const override { return QStringLiteral("There is no sound output."); }
    bool hasOutput() override { return false; }
};

SilentSound silent;
SoundSystem *installed = nullptr;
SoundSystem *programSound = nullptr;
std::function<void()> defaultSound;

const QString CarriedOut = QStringLiteral("The command was carried out.");

void trace(const char *prefix, const QString &text)
{
    qCDebug(lcSound).noquote() << QLatin1String(prefix) + text;
}

void playDefaultSound()
{
    if (defaultSound) {
        defaultSound();
        return;
    }
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    // The beep belongs to the window system, which lives on the UI thread.
    if (QThread::currentThread() == app->thread())
        QApplication::beep();
    else
        QMetaObject::invokeMethod(app, [] { QApplication::beep(); }, Qt::QueuedConnection);
}

// Runs while QApplication is being destroyed, so a device closes before
// what it plays from (the synthesiser, the theme's player), and before
// anything Qt tears down.
void releaseProgramSound()
{
    if (installed == programSound)
        installed = nullptr;
    delete programSound;
    programSound = nullptr;
}

} // namespace

void installProgramSound(const std::function<std::unique_ptr<SoundSystem>()> &make)
{
    if (!programSound) {
        programSound = make().release();
        qAddPostRoutine(releaseProgramSound);
    }
    setSoundSystem(programSound);
}

SoundSystem &sound()
{
    return installed ? *installed : silent;
}

void setSoundSystem(SoundSystem *system)
{
    installed = system;
}

QString themeFileName()
{
    return QStringLiteral("Megami.mid");
}

void StopMidi()
{
    const bool wasOpen = sound().midiPositionSixteenths() >= 0;
    sound().closeMidi();
    trace("(StopMidi)Error=", wasOpen ? CarriedOut : QStringLiteral("No theme is open."));
}

void PlayMidi(const QString &fileName)
{
    // The working directory and the name may both hold blanks; the path is
    // passed whole, never split.
    const QString path = QDir::currentPath() + folderSeparator() + fileName;
    StopMidi();
    const bool opened = sound().openAndPlayMidi(path);
    QString why = opened ? CarriedOut : sound().lastError();
    if (why.isEmpty())
        why = QStringLiteral("The theme could not be opened.");
    trace("(OpenMidi)Error=", why);
    trace("(PlayMidi)Error=", opened ? CarriedOut : QStringLiteral("No theme is open."));
}

QString StatusMidiPosition()
{
    const int position = sound().midiPositionSixteenths();
    return position < 0 ? QString() : QString::number(position);
}

void sndPlaySound(const QString &fileName, int flags)
{
    // Every sound is asynchronous here; WaveAsync is what the game always
    // asks for. A new sound replaces the playing one, even when it fails.
    const bool played = sound().playWave(fileName);
    // The fallback is for a file that cannot be played while sound works;
    // a machine with no sound output at all stays silent.
    if (!played && !(flags & WaveNoDefault) && sound().hasOutput())
        playDefaultSound();
}

void setDefaultSound(std::function<void()> play)
{
    defaultSound = std::move(play);
}

} // namespace kotebu
