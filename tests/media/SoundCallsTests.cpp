// The game's sound calls over a recording sound system: what each call asks
// of the system, in which order, and what it writes to the trace.
#include "Fakes.h"
#include "Sound.h"

#include <QDir>
#include <QLoggingCategory>

#include <gtest/gtest.h>

using namespace kotebu;

namespace {

class RecordingSound final : public SoundSystem {
public:
    QStringList calls;
    bool opens = true;
    int position = -1;

    bool openAndPlayMidi(const QString &path) override
    {
        calls << "open " + path;
        if (opens)
            position = 0;
        return opens;
    }
    void closeMidi() override
    {
        calls << "close";
        position = -1;
    }
    int midiPositionSixteenths() const override { return position; }
    bool playWave(const QString &path) override
    {
        calls << "wave " + path;
        return true;
    }
    void stopWave() override { calls << "stop wave"; }
    QString lastError() const override { return QStringLiteral("no such file"); }
};

QStringList traced;

void keepTrace(QtMsgType, const QMessageLogContext &context, const QString &text)
{
    if (QByteArray(context.category) == "kotebu.sound")
        traced << text;
}

class SoundCalls : public ::testing::Test {
protected:
    SoundCalls() { setSoundSystem(&fake); }
    ~SoundCalls() override
    {
        setSoundSystem(nullptr);
        QLoggingCategory::setFilterRules(QString());
    }

    test::Sandbox box;
    RecordingSound fake;
};

} // namespace

TEST_F(SoundCalls, PlayMidiClosesFirstAndOpensTheWholePathInTheWorkingFolder)
{
    ASSERT_TRUE(QDir(box.dir()).mkdir("my games"));
    ASSERT_TRUE(QDir::setCurrent(box.dir() + "/my games"));
    PlayMidi("Megami theme.mid");
    PlayMidi("Megami theme.mid");
    const QString path = QDir::currentPath() + "/Megami theme.mid";
    EXPECT_EQ(fake.calls, (QStringList{"close", "open " + path, "close", "open " + path}));
}

TEST_F(SoundCalls, TraceNamesEachStepAndIsOffUnlessAskedFor)
{
    EXPECT_FALSE(lcSound().isDebugEnabled()) << "the player never sees the trace";
    QLoggingCategory::setFilterRules("kotebu.sound.debug=true");
    traced.clear();
    const QtMessageHandler old = qInstallMessageHandler(keepTrace);
    fake.opens = false;
    PlayMidi("Megami.mid");
    StopMidi();
    qInstallMessageHandler(old);
    ASSERT_EQ(traced.size(), 4);
    EXPECT_EQ(traced[0], "(StopMidi)Error=No theme is open.");
    EXPECT_EQ(traced[1], "(OpenMidi)Error=no such file");
    EXPECT_TRUE(traced[2].startsWith("(PlayMidi)Error=")) << traced[2].toStdString();
    EXPECT_NE(traced[2], "(PlayMidi)Error=");
    EXPECT_TRUE(traced[3].startsWith("(StopMidi)Error="));
}
