// Placeholder until the Qt Multimedia backend lands: plays nothing, beeps for nothing.
#include "sound/SoundBackend.h"

namespace {
class SilentBackend final : public SoundBackend {
public:
    bool isPlaying() const override { return false; }
    bool start(const QString&) override { return true; }
    void stop() override {}
    void waitUntilDone() override {}
    void alert() override {}
};
}  // namespace

namespace Module1 {
SoundBackend& DefaultSoundBackend()
{
    static SilentBackend backend;
    return backend;
}
}  // namespace Module1
