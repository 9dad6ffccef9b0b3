#include "SoftwareMixer.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int SIDES = 2;

std::int16_t Saturate(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(value, std::numeric_limits<std::int16_t>::min(),
                                                     std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

void SoftwareMixer::Start(int channelCount) {
    std::lock_guard<std::mutex> guard(_lock);
    _channels.assign(static_cast<std::size_t>(channelCount), Channel{});
}

void SoftwareMixer::Stop() {
    std::lock_guard<std::mutex> guard(_lock);
    _channels.clear();
}

bool SoftwareMixer::HasChannel(int channel) const {
    std::lock_guard<std::mutex> guard(_lock);
    return channel >= 0 && static_cast<std::size_t>(channel) < _channels.size();
}

bool SoftwareMixer::IsPlaying(int channel) const {
    std::lock_guard<std::mutex> guard(_lock);
    return _channels[static_cast<std::size_t>(channel)].sample != nullptr;
}

bool SoftwareMixer::Play(int channel, const FSOUND_SAMPLE* sample) {
    if (!HasChannel(channel) || sample->frames.empty()) return false;
    std::lock_guard<std::mutex> guard(_lock);
    _channels[static_cast<std::size_t>(channel)] = Channel{sample, 0};
    return true;
}

void SoftwareMixer::StopSample(const FSOUND_SAMPLE* sample) {
    std::lock_guard<std::mutex> guard(_lock);
    for (Channel& channel : _channels) {
        if (channel.sample == sample) channel = Channel{};
    }
}

void SoftwareMixer::Mix(std::int16_t* stereoFrames, int frameCount) {
    std::lock_guard<std::mutex> guard(_lock);
    std::fill(stereoFrames, stereoFrames + frameCount * SIDES, std::int16_t{0});
    for (Channel& channel : _channels) {
        if (channel.sample != nullptr) _AddChannel(channel, stereoFrames, static_cast<std::size_t>(frameCount));
    }
}

void SoftwareMixer::_AddChannel(Channel& channel, std::int16_t* stereoFrames, std::size_t frameCount) {
    const std::vector<std::int16_t>& frames = channel.sample->frames;
    const std::size_t count = std::min(frameCount, frames.size() - channel.position);
    for (std::size_t i = 0; i < count; ++i) {
        const int value = frames[channel.position + i];
        stereoFrames[SIDES * i] = Saturate(stereoFrames[SIDES * i] + value);
        stereoFrames[SIDES * i + 1] = Saturate(stereoFrames[SIDES * i + 1] + value);
    }
    channel.position += count;
    if (channel.position == frames.size()) channel = Channel{};
}
