#include "tests/aaxhost/testhost/Controller.h"

#include "AAX_IACFController.h"
#include "AAX_UIDs.h"

namespace quindle::test::aaxhost
{
    namespace
    {
        std::vector<uint8_t> bytesOf (const void* data, uint32_t size)
        {
            const auto* begin = static_cast<const uint8_t*> (data);
            return begin != nullptr ? std::vector<uint8_t> (begin, begin + size) : std::vector<uint8_t>();
        }
    }

    class Controller::Interface final : public Facet<AAX_IACFController_V3, Controller>
    {
    public:
        using Facet::Facet;

        AAX_Result GetEffectID (AAX_IString* out) const override { return reply ("GetEffectID", out, state().effectID); }
        AAX_Result GetSampleRate (AAX_CSampleRate* out) const override { return reply ("GetSampleRate", out, state().sampleRate); }
        AAX_Result GetInputStemFormat (AAX_EStemFormat* out) const override { return reply ("GetInputStemFormat", out, state().inputStemFormat); }
        AAX_Result GetOutputStemFormat (AAX_EStemFormat* out) const override { return reply ("GetOutputStemFormat", out, state().outputStemFormat); }
        AAX_Result GetSignalLatency (int32_t* out) const override { return reply ("GetSignalLatency", out, state().signalLatency); }

        AAX_Result GetCycleCount (AAX_EProperty property, AAX_CPropertyValue* out) const override
        {
            const auto entry = state().cycleCounts.find (property);
            return reply ("GetCycleCount", out, entry != state().cycleCounts.end() ? entry->second : 0);
        }

        AAX_Result GetTODLocation (AAX_CTimeOfDay* out) const override { return reply ("GetTODLocation", out, state().todLocation); }

        AAX_Result SetSignalLatency (int32_t samples) override
        {
            return change ("SetSignalLatency", [&] {
                owner().mLatenciesSet.push_back (samples);
                state().signalLatency = samples;
            });
        }

        AAX_Result SetCycleCount (AAX_EProperty* properties, AAX_CPropertyValue* values, int32_t count) override
        {
            if (count > 0 && (properties == nullptr || values == nullptr))
                return owner().nullArgument ("SetCycleCount");

            return change ("SetCycleCount", [&] {
                for (int32_t i = 0; i < count; ++i)
                    state().cycleCounts[properties[i]] = values[i];
            });
        }

        AAX_Result PostPacket (AAX_CFieldIndex field, const void* payload, uint32_t size) override
        {
            if (payload == nullptr && size != 0)
                return owner().nullArgument ("PostPacket");

            return change ("PostPacket", [&] { owner().mPackets.push_back ({ field, bytesOf (payload, size) }); });
        }

        AAX_Result GetCurrentMeterValue (AAX_CTypeID meterID, float* out) const override
        {
            return onMeter ("GetCurrentMeterValue", meterID, [&] (Meter& m) { return put ("GetCurrentMeterValue", out, m.value); });
        }

        AAX_Result GetMeterPeakValue (AAX_CTypeID meterID, float* out) const override
        {
            return onMeter ("GetMeterPeakValue", meterID, [&] (Meter& m) { return put ("GetMeterPeakValue", out, m.peak); });
        }

        AAX_Result ClearMeterPeakValue (AAX_CTypeID meterID) const override
        {
            return onMeter ("ClearMeterPeakValue", meterID, [] (Meter& m) { m.peak = 0.0f; return kDone; });
        }

        AAX_Result GetMeterCount (uint32_t* out) const override { return reply ("GetMeterCount", out, state().meters.size()); }

        AAX_Result GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* out) const override
        {
            return onMeter ("GetMeterClipped", meterID, [&] (Meter& m) { return put ("GetMeterClipped", out, m.clipped); });
        }

        AAX_Result ClearMeterClipped (AAX_CTypeID meterID) const override
        {
            return onMeter ("ClearMeterClipped", meterID, [] (Meter& m) { m.clipped = 0; return kDone; });
        }

        AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) override
        {
            return change ("GetNextMIDIPacket", [&] {
                auto& queue = state().midiPackets;
                if (queue.empty())
                    return AAX_Result { AAX_ERROR_NULL_OBJECT };
                if (outPort == nullptr || outPacket == nullptr)
                    return owner().nullArgument ("GetNextMIDIPacket");

                *outPort = queue.front().port;
                *outPacket = queue.front().packet;
                queue.pop_front();
                return kDone;
            });
        }

        AAX_Result SendNotification (AAX_CTypeID type, const void* data, uint32_t size) override
        {
            return change ("SendNotification", [&] {
                owner().mNotifications.push_back ({ type, data, size, bytesOf (data, size) });
            });
        }

        AAX_Result GetHybridSignalLatency (int32_t* out) const override { return reply ("GetHybridSignalLatency", out, state().hybridSignalLatency); }
        AAX_Result GetCurrentAutomationTimestamp (AAX_CTransportCounter* out) const override { return reply ("GetCurrentAutomationTimestamp", out, state().automationTimestamp); }
        AAX_Result GetHostName (AAX_IString* out) const override { return reply ("GetHostName", out, state().hostName); }
        AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform* out) const override { return reply ("GetPlugInTargetPlatform", out, state().targetPlatform); }
        AAX_Result GetIsAudioSuite (AAX_CBoolean* out) const override { return reply ("GetIsAudioSuite", out, state().isAudioSuite); }

    private:
        static constexpr AAX_Result kDone = AAX_SUCCESS;

        State& state() const { return owner().state; }

        template <typename Apply>
        AAX_Result onMeter (const char* operation, AAX_CTypeID meterID, Apply&& apply) const
        {
            return change (operation, [&] {
                const auto meter = state().meters.find (meterID);
                return meter != state().meters.end() ? apply (meter->second) : AAX_Result { AAX_ERROR_INVALID_METER_INDEX };
            });
        }
    };

    Controller::Controller (Host& host, Versions offered)
        : HostObject (host, "Controller", offered)
    {
        offerFacets (*this, mFacets, { IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3 });
    }

    Controller::~Controller() = default;

    std::vector<Controller::Packet> Controller::packets() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mPackets;
    }

    std::vector<Controller::Notification> Controller::notifications() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mNotifications;
    }

    std::vector<int32_t> Controller::latenciesSet() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mLatenciesSet;
    }

    void Controller::clearRecords()
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mPackets.clear();
        mNotifications.clear();
        mLatenciesSet.clear();
    }
} // namespace quindle::test::aaxhost
