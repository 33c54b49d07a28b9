#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

#include "AAX_Enums.h"

#include <vector>

namespace quindle::test::aaxhost
{
    /** The host's transport (three versions), answering from state. */
    class Transport : public HostObject
    {
    public:
        Transport (Host& host, Versions offered);
        ~Transport() override;

        struct State
        {
            double tempo = 120.0;
            int32_t meterNumerator = 4;
            int32_t meterDenominator = 4;
            bool playing = false;
            int64_t tickPosition = 0;
            bool looping = false;
            int64_t loopStartTick = 0;
            int64_t loopEndTick = 0;
            int64_t sampleLocation = 0;
            int64_t customTickPosition = 0;
            int32_t bars = 1;
            int32_t beats = 1;
            int64_t displayTicks = 0;
            uint32_t ticksPerQuarter = 960000;
            uint32_t ticksPerBeat = 960000;
            int64_t selectionStart = 0;
            AAX_EFrameRate frameRate = AAX_eFrameRate_Undeclared;
            int32_t timeCodeOffset = 0;
            AAX_EFeetFramesRate feetFramesRate = AAX_eFeetFramesRate_24;
            int64_t feetFramesOffset = 0;
            int32_t metronomeEnabled = 0;
            AAX_EFrameRate hdFrameRate = AAX_eFrameRate_Undeclared;
            int64_t hdTimeCodeOffset = 0;
        };

        /** What the host answers; set by the test. */
        State state;

        /** The sample locations the plug-in asked custom tick and bar/beat positions for. */
        std::vector<int64_t> askedSampleLocations() const;

    private:
        class Interface;
        std::vector<std::unique_ptr<Interface>> mFacets;
        std::vector<int64_t> mAskedSampleLocations;
    };
} // namespace quindle::test::aaxhost
