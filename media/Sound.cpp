// Placeholder until the sound layer lands.
#include "Sound.h"
#include <QDir>
namespace kotebu {
namespace {
class SilentSound final : public SoundSystem {
public:
    bool openAndPlayMidi(const QString &) override { return false; }
    void closeMidi() override {}
    int midiPositionSixteenths() const override { return -1; }
    bool playWave(const QString &) override { return false; }
    void stopWave() override {}
};
SilentSound silent;
SoundSystem *installed = nullptr;
}
SoundSystem &sound() { return installed ? *installed : silent; }
void setSoundSystem(SoundSystem *s) { installed = s; }
void installSound() {}
void PlayMidi(const QString &fileName) { StopMidi(); sound().openAndPlayMidi(QDir::currentPath() + QLatin1Char('/') + fileName); }
void StopMidi() { sound().closeMidi(); }
QString StatusMidiPosition() { int p = sound().midiPositionSixteenths(); return p < 0 ? QString() : QString::number(p); }
void sndPlaySound(const QString &fileName, int) { sound().playWave(fileName); }
}
