#include "tests/aaxhost/testhost/Transport.h"

#include "AAX_IACFTransport.h"
#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    class Transport::Interface final : public Facet<AAX_IACFTransport_V3, Transport>
    {
    public:
        using Facet::Facet;

        AAX_Result GetCurrentTempo (double* out) const override { return reply ("GetCurrentTempo", out, state().tempo); }

        AAX_Result GetCurrentMeter (int32_t* outNumerator, int32_t* outDenominator) const override
        {
            return replyPair ("GetCurrentMeter", outNumerator, state().meterNumerator, outDenominator, state().meterDenominator);
        }

        AAX_Result IsTransportPlaying (bool* out) const override { return reply ("IsTransportPlaying", out, state().playing); }
        AAX_Result GetCurrentTickPosition (int64_t* out) const override { return reply ("GetCurrentTickPosition", out, state().tickPosition); }

        AAX_Result GetCurrentLoopPosition (bool* outLooping, int64_t* outStart, int64_t* outEnd) const override
        {
            const AAX_Result result = replyPair ("GetCurrentLoopPosition", outLooping, state().looping, outStart, state().loopStartTick);
            return result != AAX_SUCCESS ? result : put ("GetCurrentLoopPosition", outEnd, state().loopEndTick);
        }

        AAX_Result GetCurrentNativeSampleLocation (int64_t* out) const override
        {
            return reply ("GetCurrentNativeSampleLocation", out, state().sampleLocation);
        }

        AAX_Result GetCustomTickPosition (int64_t* out, int64_t sampleLocation) const override
        {
            asked (sampleLocation);
            return reply ("GetCustomTickPosition", out, state().customTickPosition);
        }

        AAX_Result GetBarBeatPosition (int32_t* outBars, int32_t* outBeats, int64_t* outDisplayTicks, int64_t sampleLocation) const override
        {
            asked (sampleLocation);
            const AAX_Result result = replyPair ("GetBarBeatPosition", outBars, state().bars, outBeats, state().beats);
            return result != AAX_SUCCESS ? result : put ("GetBarBeatPosition", outDisplayTicks, state().displayTicks);
        }

        AAX_Result GetTicksPerQuarter (uint32_t* out) const override { return reply ("GetTicksPerQuarter", out, state().ticksPerQuarter); }
        AAX_Result GetCurrentTicksPerBeat (uint32_t* out) const override { return reply ("GetCurrentTicksPerBeat", out, state().ticksPerBeat); }

        AAX_Result GetTimelineSelectionStartPosition (int64_t* out) const override
        {
            return reply ("GetTimelineSelectionStartPosition", out, state().selectionStart);
        }

        AAX_Result GetTimeCodeInfo (AAX_EFrameRate* outRate, int32_t* outOffset) const override
        {
            return replyPair ("GetTimeCodeInfo", outRate, state().frameRate, outOffset, state().timeCodeOffset);
        }

        AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* outRate, int64_t* outOffset) const override
        {
            return replyPair ("GetFeetFramesInfo", outRate, state().feetFramesRate, outOffset, state().feetFramesOffset);
        }

        AAX_Result IsMetronomeEnabled (int32_t* out) const override { return reply ("IsMetronomeEnabled", out, state().metronomeEnabled); }

        AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* outRate, int64_t* outOffset) const override
        {
            return replyPair ("GetHDTimeCodeInfo", outRate, state().hdFrameRate, outOffset, state().hdTimeCodeOffset);
        }

    private:
        State& state() const { return owner().state; }

        template <typename A, typename B>
        AAX_Result replyPair (const char* operation, A* outA, const A& a, B* outB, const B& b) const
        {
            const AAX_Result result = reply (operation, outA, a);
            return result != AAX_SUCCESS ? result : put (operation, outB, b);
        }

        void asked (int64_t sampleLocation) const
        {
            const std::lock_guard<std::mutex> lock (owner().mMutex);
            owner().mAskedSampleLocations.push_back (sampleLocation);
        }
    };

    Transport::Transport (Host& host, Versions offered)
        : HostObject (host, "Transport", offered)
    {
        offerFacets (*this, mFacets, { IID_IAAXTransportV1, IID_IAAXTransportV2, IID_IAAXTransportV3 });
    }

    Transport::~Transport() = default;

    std::vector<int64_t> Transport::askedSampleLocations() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mAskedSampleLocations;
    }
} // namespace quindle::test::aaxhost
