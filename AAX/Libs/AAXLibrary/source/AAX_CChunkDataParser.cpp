#include "AAX_CChunkDataParser.h"

#include "AAX_CHostServices.h"
#include "AAX_Errors.h"

#include <cstring>
#include <limits>

namespace
{
    constexpr uint32_t kMarker = 0x01010101u;
    constexpr uint32_t kMarkerSize = 4;

    // Two characters per type code from 1 to 5.
    constexpr char kPrefixes[] = "f_l_d_s_r_";
    constexpr uint32_t kPrefixSize = 2;

    // The reader takes a name from at most this many bytes, its terminator included.
    constexpr uint32_t kMaxNameFieldText = 255;

    uint32_t padTo4 (uint32_t size) noexcept
    {
        return (size + 3u) & ~3u;
    }

    bool hasPrefix (int32_t type) noexcept
    {
        return type >= AAX_CChunkDataParser::kDataType_Float && type <= AAX_CChunkDataParser::kDataType_String;
    }

    /** Prefix, name, terminator, padded to 4. */
    uint32_t nameFieldSize (const AAX_CChunkDataParser::DataValue& value) noexcept
    {
        return padTo4 (kPrefixSize + value.mDataName.Length() + 1);
    }

    uint32_t valueFieldSize (const AAX_CChunkDataParser::DataValue& value) noexcept
    {
        switch (value.mDataType)
        {
            case AAX_CChunkDataParser::kDataType_Float:
            case AAX_CChunkDataParser::kDataType_Int32:
            case AAX_CChunkDataParser::kDataType_Int16:  return 4;
            case AAX_CChunkDataParser::kDataType_Double: return 8;
            case AAX_CChunkDataParser::kDataType_String: return padTo4 (value.mStringValue.Length() + 1);
            default:                                     return 0;
        }
    }

    int32_t typeFromLetter (char letter) noexcept
    {
        switch (letter)
        {
            case 'f': return AAX_CChunkDataParser::kDataType_Float;
            case 'l': return AAX_CChunkDataParser::kDataType_Int32;
            case 'd': return AAX_CChunkDataParser::kDataType_Double;
            case 's': return AAX_CChunkDataParser::kDataType_Int16;
            case 'r': return AAX_CChunkDataParser::kDataType_String;
            default:  return AAX_CChunkDataParser::kDataType_Unknown;
        }
    }

    void writeBigEndian (unsigned char* out, uint64_t bits, uint32_t numBytes) noexcept
    {
        for (uint32_t i = 0; i < numBytes; ++i)
            out[i] = static_cast<unsigned char> (bits >> (8u * (numBytes - 1u - i)));
    }

    uint64_t readBigEndian (const unsigned char* in, uint32_t numBytes) noexcept
    {
        uint64_t bits = 0;

        for (uint32_t i = 0; i < numBytes; ++i)
            bits = (bits << 8u) | in[i];

        return bits;
    }

    uint64_t bitsOf (double value) noexcept
    {
        uint64_t bits = 0;
        std::memcpy (&bits, &value, sizeof (bits));
        return bits;
    }

    double doubleFromBits (uint64_t bits) noexcept
    {
        double value = 0.0;
        std::memcpy (&value, &bits, sizeof (value));
        return value;
    }

    /** Length of the text at data[0..available) up to its terminator; false when there is none. */
    bool terminatedLength (const unsigned char* data, uint32_t available, uint32_t* length) noexcept
    {
        const void* terminator = std::memchr (data, 0, available);

        if (terminator == nullptr)
            return false;

        *length = static_cast<uint32_t> (static_cast<const unsigned char*> (terminator) - data);
        return true;
    }
} // namespace

AAX_CChunkDataParser::AAX_CChunkDataParser() = default;

AAX_CChunkDataParser::~AAX_CChunkDataParser() = default;

void AAX_CChunkDataParser::AddDouble (const char* name, double value)
{
    AppendValue (kDataType_Double, name).mValue.mDouble = value;
}

void AAX_CChunkDataParser::AddInt32 (const char* name, int32_t value)
{
    AppendValue (kDataType_Int32, name).mValue.mInt = value;
}

void AAX_CChunkDataParser::AddString (const char* name, AAX_CString value)
{
    AppendValue (kDataType_String, name).mStringValue = value;
}

bool AAX_CChunkDataParser::FindDouble (const char* name, double* value)
{
    const DataValue* found = FindValueOfType (name, kDataType_Double);

    if (found == nullptr || value == nullptr)
        return false;

    *value = found->mValue.mDouble;
    return true;
}

bool AAX_CChunkDataParser::FindInt32 (const char* name, int32_t* value)
{
    const DataValue* found = FindValueOfType (name, kDataType_Int32);

    if (found == nullptr || value == nullptr)
        return false;

    *value = static_cast<int32_t> (static_cast<uint32_t> (found->mValue.mInt));
    return true;
}

bool AAX_CChunkDataParser::FindString (const char* name, AAX_CString* value)
{
    const DataValue* found = FindValueOfType (name, kDataType_String);

    if (found == nullptr || value == nullptr)
        return false;

    value->Set (found->mStringValue.Get());
    return true;
}

AAX_CChunkDataParser::DataValue& AAX_CChunkDataParser::AppendValue (int32_t type, const char* name)
{
    DataValue& entry = mDataValues.emplace_back();
    entry.mDataType = type;
    entry.mDataName = name;
    return entry;
}

const AAX_CChunkDataParser::DataValue* AAX_CChunkDataParser::FindValueOfType (const char* name, int32_t type)
{
    // A hit of another type still counts as the last hit.
    const int32_t index = FindName (AAX_CString (name));

    if (index < 0 || mDataValues[static_cast<size_t> (index)].mDataType != type)
        return nullptr;

    return &mDataValues[static_cast<size_t> (index)];
}

int32_t AAX_CChunkDataParser::FindName (const AAX_CString& name)
{
    const int32_t count = NumDataFields();

    if (mLastFoundIndex >= count - 1)
        mLastFoundIndex = -1;

    if (mLastFoundIndex < -1)
        return -1;

    const auto matches = [&] (int32_t index)
    {
        return std::strcmp (mDataValues[static_cast<size_t> (index)].mDataName.Get(), name.Get()) == 0;
    };

    // After the last hit first, then from the start up to and including it.
    for (int32_t index = mLastFoundIndex + 1; index < count; ++index)
        if (matches (index))
            return mLastFoundIndex = index;

    for (int32_t index = 0; index <= mLastFoundIndex; ++index)
        if (matches (index))
            return mLastFoundIndex = index;

    return -1;
}

int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
    int64_t size = kMarkerSize;

    for (const auto& value : mDataValues)
        size += static_cast<int64_t> (nameFieldSize (value)) + valueFieldSize (value);

    // Beyond what a chunk's size field holds: no chunk can carry these values.
    return size <= std::numeric_limits<int32_t>::max() ? static_cast<int32_t> (size) : -1;
}

int32_t AAX_CChunkDataParser::GetChunkData (AAX_SPlugInChunk* chunk) const
{
    const int32_t size = GetChunkDataSize();

    if (chunk == nullptr || size < static_cast<int32_t> (kMarkerSize))
        return kAAX_Result_ChunkWriteFailed;

    auto* data = reinterpret_cast<unsigned char*> (chunk->fData);
    const auto dataSize = static_cast<uint32_t> (size);

    std::memset (data, 0, dataSize);
    writeBigEndian (data, kMarker, kMarkerSize);

    uint32_t offset = kMarkerSize;

    for (const auto& value : mDataValues)
    {
        const uint32_t nameSize = nameFieldSize (value);

        // The whole padded record must fit: nothing is ever written past the data size.
        if (static_cast<uint64_t> (offset) + nameSize + valueFieldSize (value) > dataSize)
        {
            AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "AAX_CChunkDataParser::GetChunkData ERROR: %s",
                                      "aborting: chunk data will overflow buffer");
            return kAAX_Result_ChunkWriteFailed;
        }

        unsigned char* field = data + offset;

        if (hasPrefix (value.mDataType))
        {
            std::memcpy (field, kPrefixes + kPrefixSize * static_cast<uint32_t> (value.mDataType - 1), kPrefixSize);
            field += kPrefixSize;
        }

        std::memcpy (field, value.mDataName.Get(), value.mDataName.Length());
        offset += nameSize;

        unsigned char* valueField = data + offset;
        const auto integer = static_cast<uint64_t> (value.mValue.mInt);

        switch (value.mDataType)
        {
            case kDataType_Float:
            case kDataType_Int32:  writeBigEndian (valueField, integer, 4); break;
            case kDataType_Double: writeBigEndian (valueField, bitsOf (value.mValue.mDouble), 8); break;
            case kDataType_Int16:  writeBigEndian (valueField, integer, 2); break;
            case kDataType_String: std::memcpy (valueField, value.mStringValue.Get(), value.mStringValue.Length()); break;
            default: break;
        }

        offset += valueFieldSize (value);
    }

    chunk->fSize = size;
    return AAX_SUCCESS;
}

void AAX_CChunkDataParser::LoadChunk (const AAX_SPlugInChunk* chunk)
{
    Clear();

    if (chunk == nullptr)
        return;

    mChunkVersion = chunk->fVersion;

    if (chunk->fSize <= static_cast<int32_t> (kMarkerSize))
        return;

    // Every read below stays inside the chunk's data: a record cut short by its end stops the
    // reading there, and the records before it stay.
    const auto* data = reinterpret_cast<const unsigned char*> (chunk->fData);
    const auto size = static_cast<uint32_t> (chunk->fSize);

    if (readBigEndian (data, kMarkerSize) != kMarker)
        return;

    uint32_t offset = kMarkerSize;

    while (offset < size)
    {
        uint32_t nameLength = 0;

        if (! terminatedLength (data + offset, std::min (size - offset, kMaxNameFieldText), &nameLength))
            return;

        DataValue entry;
        entry.mDataType = nameLength > 0 ? typeFromLetter (static_cast<char> (data[offset])) : kDataType_Unknown;

        // A name field too short for its prefix carries no name: its record is read past, not kept.
        const bool named = nameLength >= kPrefixSize;

        if (named)
            entry.mDataName = reinterpret_cast<const char*> (data + offset + kPrefixSize);   // ends at the NUL found

        offset = padTo4 (offset + nameLength + 1);

        if (offset > size)
            return;

        const unsigned char* valueField = data + offset;
        const uint32_t available = size - offset;

        switch (entry.mDataType)
        {
            case kDataType_Double:
                if (available < 8)
                    return;
                entry.mValue.mDouble = doubleFromBits (readBigEndian (valueField, 8));
                offset += 8;
                break;

            case kDataType_Float:
            case kDataType_Int32:
            case kDataType_Int16:
            {
                if (available < 4)
                    return;
                const uint32_t numBytes = entry.mDataType == kDataType_Int16 ? 2u : 4u;
                entry.mValue.mInt = static_cast<int64_t> (readBigEndian (valueField, numBytes));
                offset += 4;
                break;
            }

            case kDataType_String:
            {
                uint32_t length = 0;
                if (! terminatedLength (valueField, available, &length))
                    return;
                entry.mStringValue = reinterpret_cast<const char*> (valueField);
                offset = padTo4 (offset + length + 1);
                break;
            }

            default:
                break;
        }

        if (named)
            mDataValues.push_back (std::move (entry));
    }
}

void AAX_CChunkDataParser::Clear()
{
    mLastFoundIndex = -1;
    mChunkVersion = -1;
    mDataValues.clear();
}

int32_t AAX_CChunkDataParser::GetChunkVersion() const
{
    return mChunkVersion;
}

int32_t AAX_CChunkDataParser::NumDataFields() const
{
    return static_cast<int32_t> (mDataValues.size());
}
