#pragma once

// A library-side automation delegate that writes every request a parameter makes into one log,
// for the parameter's own tests. The host-facing road is tested against the test host.

#include "AAX_Errors.h"
#include "AAX_IAutomationDelegate.h"

#include <string>
#include <vector>

namespace quindle::test::aax
{
    struct RecordingAutomationDelegate : AAX_IAutomationDelegate
    {
        AAX_Result RegisterParameter (AAX_CParamID id) override { return record ("register", id); }
        AAX_Result UnregisterParameter (AAX_CParamID id) override { return record ("unregister", id); }
        AAX_Result PostSetValueRequest (AAX_CParamID id, double value) const override { return record ("set", id, value); }
        AAX_Result PostCurrentValue (AAX_CParamID id, double value) const override { return record ("current", id, value); }
        AAX_Result PostTouchRequest (AAX_CParamID id) override { return record ("touch", id); }
        AAX_Result PostReleaseRequest (AAX_CParamID id) override { return record ("release", id); }
        AAX_Result GetTouchState (AAX_CParamID, AAX_CBoolean*) override { return AAX_SUCCESS; }

        /** "touch Width", "set Width 0.25", ... */
        mutable std::vector<std::string> log;

    private:
        AAX_Result record (const char* what, AAX_CParamID id) const
        {
            log.push_back (std::string (what) + " " + id);
            return AAX_SUCCESS;
        }

        AAX_Result record (const char* what, AAX_CParamID id, double value) const
        {
            log.push_back (std::string (what) + " " + id + " " + std::to_string (value));
            return AAX_SUCCESS;
        }
    };
} // namespace quindle::test::aax
