#pragma once

#include "tests/aaxhost/testhost/HostObject.h"
#include "tests/aaxhost/testhost/PropertyMap.h"

#include "AAX_Callbacks.h"

#include <vector>

namespace quindle::test::aaxhost
{
    /** The host's description of one algorithm component (three versions): its context fields
        and process procedures. The third version's AddProcessProc registers what the map names,
        as a host does: a native procedure when the map has one, a TI procedure when it names
        one. */
    class ComponentDescriptor : public HostObject
    {
    public:
        ComponentDescriptor (Host& host, Versions offered);
        ~ComponentDescriptor() override;

        /** One context field, by the operation that added it. */
        struct Field
        {
            std::string operation;            // "AddAudioIn", "AddPrivateData", ...
            AAX_CFieldIndex index;
            std::vector<int64_t> values;      // sizes, types, options, formats, meter IDs, masks
            std::string name;                 // stem and MIDI node names
        };

        struct ProcessProc
        {
            std::string kind;                 // "Native" or "TI"
            const void* processProc = nullptr;
            const void* instanceInitProc = nullptr;
            const void* backgroundProc = nullptr;
            std::string dllFileName;
            std::string processProcSymbol;
            std::string instanceInitProcSymbol;
            std::string backgroundProcSymbol;
            PropertySnapshot properties;      // the map as the procedure was registered with it
            AAX_CSelector id = 0;
            bool fromAddProcessProc = false;  // registered by the third version's AddProcessProc
        };

        struct Description
        {
            std::vector<Field> fields;
            std::vector<ProcessProc> processProcs;
            int clears = 0;
        };

        Description description() const;

    private:
        class Interface;
        AAX_Result registerProc (ProcessProc proc, AAX_CSelector* outID);

        std::vector<std::unique_ptr<Interface>> mFacets;
        Description mDescription;
        AAX_CSelector mLastID = 0;
    };
} // namespace quindle::test::aaxhost
