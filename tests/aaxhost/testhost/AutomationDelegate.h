#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

#include "AAX_Enums.h"

#include <map>
#include <vector>

class AAX_IACFEffectParameters;

namespace quindle::test::aaxhost
{
    /** The host's automation road for one instance. It records registrations, touches,
        releases, set requests and the values the plug-in reports as current, keeps each
        parameter's touch state, and answers set requests the way a host does: by calling the
        instance's data-model object back through UpdateParameterNormalizedValue, either at once
        (inside PostSetValueRequest) or later, when the test delivers the queued requests. */
    class AutomationDelegate : public HostObject
    {
    public:
        AutomationDelegate (Host& host, Versions offered);
        ~AutomationDelegate() override;

        struct Event
        {
            enum class Kind
            {
                registered,
                unregistered,
                touch,
                release,
                setRequest,
                currentValue
            };

            Kind kind;
            std::string parameterID;
            double value = 0.0;   // set requests and current values

            bool operator== (const Event& other) const
            {
                return kind == other.kind && parameterID == other.parameterID && value == other.value;
            }
        };

        enum class Answer
        {
            atOnce,   // inside PostSetValueRequest
            later     // queued until deliverPending
        };

        void answerSetRequests (Answer answer);
        /** The update source the host's answers report; AAX_eUpdateSource_Unspecified by default. */
        void setUpdateSource (AAX_EUpdateSource source);

        /** The data-model object that set requests are answered to (null: all are queued). */
        void attach (AAX_IACFEffectParameters* effect);

        std::vector<Event> events() const;
        std::vector<Event> eventsOf (Event::Kind kind) const;
        void clearEvents();

        std::vector<std::string> registeredParameters() const;
        bool isTouched (const std::string& parameterID) const;

        /** Set requests not answered yet, oldest first. */
        std::vector<Event> pending() const;

        struct Delivery
        {
            std::string parameterID;
            double value;
            AAX_Result result;   // what UpdateParameterNormalizedValue returned
        };

        /** Answers every queued set request, oldest first; requests the plug-in makes meanwhile
            wait for the next delivery. Returns what was answered. */
        std::vector<Delivery> deliverPending();
        /** Every answer given so far, at once or delivered. */
        std::vector<Delivery> deliveries() const;

    private:
        class Interface;
        void note (Event event);
        void request (const std::string& parameterID, double value);
        Delivery deliver (const Event& request);

        std::vector<std::unique_ptr<Interface>> mFacets;
        std::vector<Event> mEvents;
        std::vector<Event> mPending;
        std::vector<Delivery> mDeliveries;
        std::vector<std::string> mRegistered;
        std::map<std::string, bool> mTouched;
        Answer mAnswer = Answer::atOnce;
        AAX_EUpdateSource mSource = AAX_eUpdateSource_Unspecified;
        AAX_IACFEffectParameters* mEffect = nullptr;
    };

    std::ostream& operator<< (std::ostream& os, const AutomationDelegate::Event& event);
} // namespace quindle::test::aaxhost
