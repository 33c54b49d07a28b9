#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

#include "AAX_Enums.h"

#include <deque>
#include <map>
#include <vector>

namespace quindle::test::aaxhost
{
    /** The host's controller of one instance (three versions). It answers from state, which a
        test sets before the plug-in asks, and records what the plug-in sets, posts and sends. */
    class Controller : public HostObject
    {
    public:
        Controller (Host& host, Versions offered);
        ~Controller() override;

        struct Meter
        {
            float value = 0.0f;
            float peak = 0.0f;
            AAX_CBoolean clipped = 0;
        };

        struct MIDIPacket
        {
            AAX_CFieldIndex port;
            AAX_CMidiPacket packet;
        };

        struct State
        {
            std::string effectID = "com.Norvane.Quindle";
            AAX_CSampleRate sampleRate = 48000.0f;
            AAX_EStemFormat inputStemFormat = AAX_eStemFormat_Stereo;
            AAX_EStemFormat outputStemFormat = AAX_eStemFormat_Stereo;
            int32_t signalLatency = 0;
            int32_t hybridSignalLatency = 0;
            std::map<int32_t, AAX_CPropertyValue> cycleCounts;
            AAX_CTimeOfDay todLocation = 0;
            AAX_CTransportCounter automationTimestamp = 0;
            std::string hostName = "Quindle Test Host";
            AAX_CTargetPlatform targetPlatform = 0;
            AAX_CBoolean isAudioSuite = 0;
            std::map<AAX_CTypeID, Meter> meters;
            /** Handed out by GetNextMIDIPacket, oldest first; empty answers AAX_ERROR_NULL_OBJECT. */
            std::deque<MIDIPacket> midiPackets;
        };

        /** What the host answers. Written by the test; the plug-in's sets and clears change it too. */
        State state;

        struct Packet
        {
            AAX_CFieldIndex field;
            std::vector<uint8_t> payload;
        };

        struct Notification
        {
            AAX_CTypeID type;
            const void* data;             // the pointer as the plug-in passed it
            uint32_t size;
            std::vector<uint8_t> bytes;
        };

        std::vector<Packet> packets() const;
        std::vector<Notification> notifications() const;
        std::vector<int32_t> latenciesSet() const;
        void clearRecords();

    private:
        class Interface;
        std::vector<std::unique_ptr<Interface>> mFacets;
        std::vector<Packet> mPackets;
        std::vector<Notification> mNotifications;
        std::vector<int32_t> mLatenciesSet;
    };
} // namespace quindle::test::aaxhost
