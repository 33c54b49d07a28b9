#include "tests/aaxhost/testhost/AutomationDelegate.h"

#include "tests/aaxhost/testhost/Host.h"

#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFEffectParameters.h"
#include "AAX_UIDs.h"

#include <algorithm>
#include <ostream>

namespace quindle::test::aaxhost
{
    using Kind = AutomationDelegate::Event::Kind;

    class AutomationDelegate::Interface final : public Facet<AAX_IACFAutomationDelegate, AutomationDelegate>
    {
    public:
        using Facet::Facet;

        AAX_Result RegisterParameter (AAX_CParamID parameterID) override
        {
            return noted ("RegisterParameter", Kind::registered, parameterID);
        }

        AAX_Result UnregisterParameter (AAX_CParamID parameterID) override
        {
            return noted ("UnregisterParameter", Kind::unregistered, parameterID);
        }

        AAX_Result PostSetValueRequest (AAX_CParamID parameterID, double value) const override
        {
            if (parameterID == nullptr)
                return owner().nullArgument ("PostSetValueRequest");

            const AAX_Result result = call ("PostSetValueRequest");
            if (result == AAX_SUCCESS)
                owner().request (textOf (parameterID), value);
            return result;
        }

        AAX_Result PostCurrentValue (AAX_CParamID parameterID, double value) const override
        {
            return noted ("PostCurrentValue", Kind::currentValue, parameterID, value);
        }

        AAX_Result PostTouchRequest (AAX_CParamID parameterID) override
        {
            return noted ("PostTouchRequest", Kind::touch, parameterID);
        }

        AAX_Result PostReleaseRequest (AAX_CParamID parameterID) override
        {
            return noted ("PostReleaseRequest", Kind::release, parameterID);
        }

        AAX_Result GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* out) override
        {
            return reply ("GetTouchState", out, owner().isTouched (textOf (parameterID)) ? 1 : 0);
        }

    private:
        AAX_Result noted (const char* operation, Kind kind, AAX_CParamID parameterID, double value = 0.0) const
        {
            if (parameterID == nullptr)
                return owner().nullArgument (operation);

            const AAX_Result result = call (operation);
            if (result == AAX_SUCCESS)
                owner().note ({ kind, parameterID, value });
            return result;
        }
    };

    AutomationDelegate::AutomationDelegate (Host& host, Versions offered)
        : HostObject (host, "AutomationDelegate", offered)
    {
        offerFacets (*this, mFacets, { IID_IAAXAutomationDelegateV1 });
    }

    AutomationDelegate::~AutomationDelegate() = default;

    void AutomationDelegate::answerSetRequests (Answer answer)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mAnswer = answer;
    }

    void AutomationDelegate::setUpdateSource (AAX_EUpdateSource source)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mSource = source;
    }

    void AutomationDelegate::attach (AAX_IACFEffectParameters* effect)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mEffect = effect;
    }

    std::vector<AutomationDelegate::Event> AutomationDelegate::events() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mEvents;
    }

    std::vector<AutomationDelegate::Event> AutomationDelegate::eventsOf (Event::Kind kind) const
    {
        std::vector<Event> found;
        for (const auto& event : events())
            if (event.kind == kind)
                found.push_back (event);
        return found;
    }

    void AutomationDelegate::clearEvents()
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mEvents.clear();
    }

    std::vector<std::string> AutomationDelegate::registeredParameters() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mRegistered;
    }

    bool AutomationDelegate::isTouched (const std::string& parameterID) const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        const auto entry = mTouched.find (parameterID);
        return entry != mTouched.end() && entry->second;
    }

    std::vector<AutomationDelegate::Event> AutomationDelegate::pending() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mPending;
    }

    std::vector<AutomationDelegate::Delivery> AutomationDelegate::deliverPending()
    {
        std::vector<Event> requests;
        {
            const std::lock_guard<std::mutex> lock (mMutex);
            requests.swap (mPending);
        }

        std::vector<Delivery> delivered;
        for (const auto& request : requests)
            delivered.push_back (deliver (request));
        return delivered;
    }

    std::vector<AutomationDelegate::Delivery> AutomationDelegate::deliveries() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mDeliveries;
    }

    void AutomationDelegate::note (Event event)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        switch (event.kind)
        {
            case Kind::registered:
                mRegistered.push_back (event.parameterID);
                break;
            case Kind::unregistered:
                mRegistered.erase (std::remove (mRegistered.begin(), mRegistered.end(), event.parameterID), mRegistered.end());
                break;
            case Kind::touch:
                mTouched[event.parameterID] = true;
                break;
            case Kind::release:
                mTouched[event.parameterID] = false;
                break;
            case Kind::setRequest:
            case Kind::currentValue:
                break;
        }
        mEvents.push_back (std::move (event));
    }

    void AutomationDelegate::request (const std::string& parameterID, double value)
    {
        const Event event { Kind::setRequest, parameterID, value };
        note (event);

        bool atOnce = false;
        {
            const std::lock_guard<std::mutex> lock (mMutex);
            atOnce = mAnswer == Answer::atOnce && mEffect != nullptr;
            if (! atOnce)
                mPending.push_back (event);
        }

        // The answer calls back into the plug-in, which reports the value through this delegate:
        // no lock may be held here.
        if (atOnce)
            deliver (event);
    }

    AutomationDelegate::Delivery AutomationDelegate::deliver (const Event& request)
    {
        AAX_IACFEffectParameters* effect = nullptr;
        AAX_EUpdateSource source = AAX_eUpdateSource_Unspecified;
        {
            const std::lock_guard<std::mutex> lock (mMutex);
            effect = mEffect;
            source = mSource;
        }

        Delivery delivery { request.parameterID, request.value, AAX_ERROR_NULL_OBJECT };
        if (effect != nullptr)
            delivery.result = effect->UpdateParameterNormalizedValue (request.parameterID.c_str(), request.value, source);
        else
            host().problem ("AutomationDelegate: a set request was delivered without a data-model object");

        const std::lock_guard<std::mutex> lock (mMutex);
        mDeliveries.push_back (delivery);
        return delivery;
    }

    std::ostream& operator<< (std::ostream& os, const AutomationDelegate::Event& event)
    {
        static const char* const names[] = { "registered", "unregistered", "touch", "release", "set request", "current value" };
        os << names[static_cast<int> (event.kind)] << " " << event.parameterID;
        if (event.kind == Kind::setRequest || event.kind == Kind::currentValue)
            os << " = " << event.value;
        return os;
    }
} // namespace quindle::test::aaxhost
