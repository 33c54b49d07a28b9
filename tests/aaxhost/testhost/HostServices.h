#pragma once

#include "tests/aaxhost/testhost/HostObject.h"

#include <vector>

namespace quindle::test::aaxhost
{
    /** The host's trace and assertion facilities (three versions): the factory hands out this
        one object for every host-services creation. */
    class HostServices : public HostObject
    {
    public:
        HostServices (Host& host, Versions offered);
        ~HostServices() override;

        struct Trace
        {
            int32_t priority;
            std::string text;
        };

        struct StackTrace
        {
            int32_t tracePriority;
            int32_t stackTracePriority;
            std::string text;
        };

        struct Assertion
        {
            std::string file;
            int32_t line;
            std::string note;
            int32_t flags;
        };

        std::vector<Trace> traces() const;
        /** The texts of the traces, for comparisons. */
        std::vector<std::string> traceTexts() const;
        std::vector<StackTrace> stackTraces() const;
        std::vector<Assertion> assertions() const;
        void clear();

    private:
        class Interface;
        std::vector<std::unique_ptr<Interface>> mFacets;
        std::vector<Trace> mTraces;
        std::vector<StackTrace> mStackTraces;
        std::vector<Assertion> mAssertions;
    };
} // namespace quindle::test::aaxhost
