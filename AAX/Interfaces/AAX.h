#pragma once

// Basic types shared by every part of the AAX library and by the host interfaces.
// Everything here has a fixed width, because the same values cross the boundary to the host.

#include <cstddef>
#include <cstdint>

// Calling convention of procedures the host calls directly (process and creation procedures).
#define AAX_CALLBACK

// Index of a field in an algorithm context structure, whose fields are all pointer-sized.
#define AAX_FIELD_INDEX(aContextType, aMember) \
    static_cast<AAX_CFieldIndex> (offsetof (aContextType, aMember) / sizeof (void*))

typedef int32_t AAX_Result;
typedef const char* AAX_CParamID;
typedef uint32_t AAX_CTypeID;
typedef int32_t AAX_CFieldIndex;
typedef uint8_t AAX_CBoolean;
typedef int32_t AAX_CPropertyValue;
typedef uint32_t AAX_CSelector;
typedef float AAX_CSampleRate;
typedef int64_t AAX_CTimeOfDay;
typedef int64_t AAX_CTransportCounter;
typedef int32_t AAX_CTargetPlatform;

/** A size or position in the host's view coordinates. */
struct AAX_Point
{
    float vert;
    float horz;
};

/** A rectangle in the host's view coordinates. */
struct AAX_Rect
{
    float top;
    float left;
    float width;
    float height;
};

/** The host's chunk record: a fixed header followed by the chunk's data. */
struct AAX_SPlugInChunk
{
    int32_t fSize;           // data size in bytes
    int32_t fVersion;
    uint32_t fManufacturerID;
    uint32_t fProductID;
    uint32_t fPlugInID;
    uint32_t fChunkID;
    uint8_t fName[32];       // NUL-padded
    char fData[1];           // the data, fSize bytes in the host's allocation
};

static_assert (offsetof (AAX_SPlugInChunk, fSize) == 0, "chunk layout is shared with the host");
static_assert (offsetof (AAX_SPlugInChunk, fVersion) == 4, "chunk layout is shared with the host");
static_assert (offsetof (AAX_SPlugInChunk, fChunkID) == 20, "chunk layout is shared with the host");
static_assert (offsetof (AAX_SPlugInChunk, fName) == 24, "chunk layout is shared with the host");
static_assert (offsetof (AAX_SPlugInChunk, fData) == 56, "chunk layout is shared with the host");

typedef AAX_SPlugInChunk* AAX_SPlugInChunkPtr;

/** The identity of one plug-in type as the host registers it. */
struct AAX_SPlugInIdentifierTriad
{
    AAX_CPropertyValue mManufacturerID;
    AAX_CPropertyValue mProductID;
    AAX_CPropertyValue mPlugInID;
};

/** One MIDI message with its time stamp in samples from the start of the block. */
struct AAX_CMidiPacket
{
    uint32_t mTimestamp;
    uint32_t mLength;
    uint8_t mData[4];
    AAX_CBoolean mIsImmediate;
};

/** A block of MIDI messages as a MIDI node hands it out. */
struct AAX_CMidiStream
{
    uint32_t mBufferSize;
    AAX_CMidiPacket* mBuffer;
};

/** Rendering information of the hybrid (host-side) processing path; the library only passes it on. */
struct AAX_SHybridRenderInfo;
