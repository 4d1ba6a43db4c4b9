#include "ui/process_sound.h"

#include <audiopolicy.h>
#include <mmdeviceapi.h>

namespace {

// Releases a COM interface when it goes out of scope.
template <class Interface>
class Held {
public:
    Held() = default;
    ~Held()
    {
        if (m_pointer)
            m_pointer->Release();
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    Interface** Out() { return &m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

private:
    Interface* m_pointer = nullptr;
};

// The volume of this process's default session (not shared with other
// processes) on the default playback device, or none.
bool OpenSessionVolume(Held<ISimpleAudioVolume>& volume)
{
    Held<IMMDeviceEnumerator> devices;
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IMMDeviceEnumerator), reinterpret_cast<void**>(devices.Out()))))
        return false;
    Held<IMMDevice> device;
    if (FAILED(devices->GetDefaultAudioEndpoint(eRender, eConsole, device.Out())))
        return false;
    Held<IAudioSessionManager> sessions;
    if (FAILED(device->Activate(__uuidof(IAudioSessionManager), CLSCTX_INPROC_SERVER, nullptr,
                                reinterpret_cast<void**>(sessions.Out()))))
        return false;
    return SUCCEEDED(sessions->GetSimpleAudioVolume(nullptr, FALSE, volume.Out())) && volume;
}

}  // namespace

ProcessSound::~ProcessSound()
{
    Restore();
}

void ProcessSound::Mute()
{
    if (m_mutedBefore)
        return;
    const std::optional<bool> muted = IsMuted();
    if (muted && SetMuted(true))
        m_mutedBefore = *muted;
}

void ProcessSound::Restore()
{
    if (!m_mutedBefore)
        return;
    SetMuted(*m_mutedBefore);
    m_mutedBefore.reset();
}

std::optional<bool> ProcessSound::IsMuted()
{
    Held<ISimpleAudioVolume> volume;
    BOOL muted = FALSE;
    if (!OpenSessionVolume(volume) || FAILED(volume->GetMute(&muted)))
        return std::nullopt;
    return muted != FALSE;
}

bool ProcessSound::SetMuted(bool muted)
{
    Held<ISimpleAudioVolume> volume;
    return OpenSessionVolume(volume) && SUCCEEDED(volume->SetMute(muted ? TRUE : FALSE, nullptr));
}
