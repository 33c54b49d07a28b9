#pragma once

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace quindle::test::aaxhost
{
    /** One call the plug-in made into a host interface: which object, through which of its
        interface versions, and which operation. */
    struct Call
    {
        std::string object;
        int version = 0;
        std::string operation;

        bool operator== (const Call& other) const
        {
            return object == other.object && version == other.version && operation == other.operation;
        }
        bool operator!= (const Call& other) const { return ! (*this == other); }
    };

    std::ostream& operator<< (std::ostream& os, const Call& call);

    /** Every host operation the plug-in called, in order. Shared by all objects of one host;
        safe to fill from several threads. Reference counting and queries are not logged here
        (see HostObject::queries and Host::releases). */
    class CallLog
    {
    public:
        void add (Call call);
        void clear();

        std::vector<Call> calls() const;
        /** The calls made to one object (by its name), in order. */
        std::vector<Call> callsTo (const std::string& object) const;
        /** How often an operation was called on an object, through any version. */
        int count (const std::string& object, const std::string& operation) const;

    private:
        mutable std::mutex mMutex;
        std::vector<Call> mCalls;
    };
} // namespace quindle::test::aaxhost
