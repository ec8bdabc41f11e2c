// A wave sound read into memory and converted once to the output format.
#include "SdlSound.h"

#include "FileNames.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace kotebu {

namespace {

// A logo sound is a few hundred kilobytes; a file far larger is not ours and
// is not read into memory, nor converted into more than this.
constexpr qint64 MaxWaveBytes = 16 * 1024 * 1024;
constexpr std::size_t MaxConvertedWaveBytes = 256u * 1024 * 1024;

} // namespace

bool loadWaveFile(const QString &path, std::vector<float> &samples)
{
    samples.clear();
    if (path.isEmpty())
        return false;
    // Read through Qt so that any file name the game can spell opens, then
    // let SDL parse the bytes.
    const QByteArray bytes = readSmallFile(path, MaxWaveBytes);
    if (bytes.isEmpty())
        return false;
    SDL_RWops *rw = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
    if (!rw)
        return false;
    SDL_AudioSpec source;
    Uint8 *data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &source, &data, &length))
        return false;

    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq, AUDIO_F32SYS,
                          SdlSound::Channels, SdlSound::SampleRate) < 0) {
        SDL_FreeWAV(data);
        return false;
    }
    const std::size_t workBytes = std::size_t(length) * std::size_t(std::max(cvt.len_mult, 1));
    if (workBytes > MaxConvertedWaveBytes) {
        SDL_FreeWAV(data);
        return false;
    }
    std::vector<Uint8> work(workBytes);
    std::memcpy(work.data(), data, length);
    SDL_FreeWAV(data);

    std::size_t converted = length;
    if (cvt.needed) {
        cvt.buf = work.data();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) != 0)
            return false;
        converted = std::size_t(cvt.len_cvt);
    }
    // Whole frames only, so the mix never reads half a frame.
    const std::size_t frameBytes = sizeof(float) * SdlSound::Channels;
    samples.resize(converted / frameBytes * SdlSound::Channels);
    std::memcpy(samples.data(), work.data(), samples.size() * sizeof(float));
    return true;
}

} // namespace kotebu
