#pragma once

#include "AAX.h"

/** A MIDI node of the algorithm context, owned by the host. */
class AAX_IMIDINode
{
public:
    virtual AAX_CMidiStream* GetNodeBuffer() = 0;
    virtual AAX_Result PostMIDIPacket (AAX_CMidiPacket* packet) = 0;

protected:
    ~AAX_IMIDINode() = default;
};
