#pragma once

#include "AAX_CString.h"

#include <vector>

/** Writes and reads the library's chunk format: a marker word, then typed name/value records,
    every record aligned to 4 bytes and every value big-endian. */
class AAX_CChunkDataParser
{
public:
    /** Record type codes; 0 marks a record that the reader did not recognise. */
    enum EDataType : int32_t
    {
        kDataType_Unknown = 0,
        kDataType_Float = 1,
        kDataType_Int32 = 2,
        kDataType_Double = 3,
        kDataType_Int16 = 4,
        kDataType_String = 5
    };

    /** One record: its type code, its name and its value. */
    struct DataValue
    {
        int32_t mDataType = kDataType_Unknown;
        AAX_CString mDataName;
        /** A double, or an integer in the low bits. */
        union Value
        {
            double mDouble;
            int64_t mInt;
        } mValue {};
        AAX_CString mStringValue;
    };

    AAX_CChunkDataParser();
    virtual ~AAX_CChunkDataParser();

    void AddDouble (const char* name, double value);
    void AddInt32 (const char* name, int32_t value);
    void AddString (const char* name, AAX_CString value);

    bool FindDouble (const char* name, double* value);
    bool FindInt32 (const char* name, int32_t* value);
    bool FindString (const char* name, AAX_CString* value);
    /** The index of a value named exactly name, searched from after the last hit and wrapping
        around; -1 when there is none. */
    int32_t FindName (const AAX_CString& name);

    /** The data size the values need: the marker and every record. */
    int32_t GetChunkDataSize() const;
    /** Writes the values into chunk's data and sets its size; kAAX_Result_ChunkWriteFailed when
        the size is below 4 or the writing fails. Never writes past the computed size. */
    int32_t GetChunkData (AAX_SPlugInChunk* chunk) const;
    /** Replaces the values with the records of chunk; reads nothing outside its data. */
    void LoadChunk (const AAX_SPlugInChunk* chunk);

    /** No values, no last hit, chunk version -1. */
    void Clear();
    int32_t GetChunkVersion() const;
    int32_t NumDataFields() const;

private:
    DataValue& AppendValue (int32_t type, const char* name);
    /** FindName, then the value when it has the type; null otherwise. */
    const DataValue* FindValueOfType (const char* name, int32_t type);

    int32_t mLastFoundIndex = -1;
    int32_t mChunkVersion = -1;
    std::vector<DataValue> mDataValues;
};
