// The audio module: the wave output on SDL, built as a plugin of its own that
// the program loads the first time a window needs sound (SystemDesktop.cpp).

#include "SdlWaveOutput.h"

namespace platform {

class AudioModule : public SdlWaveOutput
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KordelixWaveOutput_iid)
    Q_INTERFACES(platform::WaveOutput)

public:
    AudioModule() : SdlWaveOutput(makeSdlAudioBackend()) {}
};

} // namespace platform

#include "AudioModule.moc"
