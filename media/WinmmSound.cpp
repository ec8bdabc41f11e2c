// The sound on Windows, through Windows' own multimedia library as the game
// was first written for it: the theme goes to Windows' MIDI synthesiser
// message by message (DeviceSound and ThemePlayer schedule it), the waves
// play through PlaySound. No device means silence.
#include "DeviceSound.h"

#include <QDir>

#include <windows.h>
#include <mmsystem.h>

#include <vector>

namespace kotebu {

namespace {

class WinmmMidi final : public MidiOutput {
public:
    // While a theme plays, the system's timer ticks every millisecond rather
    // than every 15.6: the player's thread wakes for each note on time.
    explicit WinmmMidi(HMIDIOUT handle) : m_handle(handle) { timeBeginPeriod(1); }
    ~WinmmMidi() override
    {
        midiOutReset(m_handle);
        midiOutClose(m_handle);
        timeEndPeriod(1);
    }

    void send(const ThemeScore::Message &message, const char *sysex) override
    {
        if (message.status != 0xF0) {
            midiOutShortMsg(m_handle, DWORD(message.status) | DWORD(message.data1) << 8 | DWORD(message.data2) << 16);
            return;
        }
        // A sysex goes whole, with its framing bytes, and its buffer stays
        // until the driver is done with it.
        std::vector<char> bytes;
        bytes.reserve(message.sysexLength + 2);
        bytes.push_back(char(0xF0));
        bytes.insert(bytes.end(), sysex, sysex + message.sysexLength);
        bytes.push_back(char(0xF7));
        MIDIHDR header = {};
        header.lpData = bytes.data();
        header.dwBufferLength = DWORD(bytes.size());
        if (midiOutPrepareHeader(m_handle, &header, sizeof header) != MMSYSERR_NOERROR)
            return;
        // A sysex is a few bytes, sent in a millisecond or two; a driver that
        // keeps it longer is stopped before its buffer goes.
        if (midiOutLongMsg(m_handle, &header, sizeof header) == MMSYSERR_NOERROR) {
            for (int waited = 0; waited < 200 && !(header.dwFlags & MHDR_DONE); ++waited)
                Sleep(1);
        }
        if (midiOutUnprepareHeader(m_handle, &header, sizeof header) == MIDIERR_STILLPLAYING) {
            midiOutReset(m_handle);
            midiOutUnprepareHeader(m_handle, &header, sizeof header);
        }
    }

    void silence() override { midiOutReset(m_handle); }

private:
    HMIDIOUT m_handle;
};

class WinmmDevices final : public SoundDevices {
public:
    ~WinmmDevices() override { stopWave(); }

    std::unique_ptr<MidiOutput> openMidi() override
    {
        HMIDIOUT handle = nullptr;
        if (midiOutGetNumDevs() == 0 || midiOutOpen(&handle, MIDI_MAPPER, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR)
            return nullptr;
        return std::make_unique<WinmmMidi>(handle);
    }

    bool playWave(const QString &path) override
    {
        const QString native = QDir::toNativeSeparators(path);
        return PlaySoundW(reinterpret_cast<LPCWSTR>(native.utf16()), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }

    void stopWave() override { PlaySoundW(nullptr, nullptr, 0); }

    bool hasOutput() override { return waveOutGetNumDevs() > 0 || midiOutGetNumDevs() > 0; }
};

} // namespace

void installSound()
{
    installProgramSound([] { return std::make_unique<DeviceSound>(std::make_unique<WinmmDevices>()); });
}

} // namespace kotebu
