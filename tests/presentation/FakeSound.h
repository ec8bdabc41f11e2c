#pragma once

#include "Sound.h"

#include <QStringList>

namespace kotebu::test {

// Sound that only records what the windows asked of it; the theme's position
// is whatever the test puts in `position`.
class FakeSound final : public SoundSystem {
public:
    FakeSound() { setSoundSystem(this); }
    ~FakeSound() override { setSoundSystem(nullptr); }

    bool openAndPlayMidi(const QString &path) override
    {
        themesOpened << path;
        position = 0;
        return true;
    }
    void closeMidi() override
    {
        ++themeCloses;
        position = -1;
    }
    int midiPositionSixteenths() const override { return position; }
    bool playWave(const QString &path) override
    {
        waves << path;
        return true;
    }
    void stopWave() override {}

    int position = -1;
    int themeCloses = 0;
    QStringList themesOpened;
    QStringList waves;
};

} // namespace kotebu::test
