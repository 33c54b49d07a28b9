#include "tests/aaxhost/testhost/CallLog.h"

#include <algorithm>

namespace quindle::test::aaxhost
{
    std::ostream& operator<< (std::ostream& os, const Call& call)
    {
        return os << call.object << " V" << call.version << " " << call.operation;
    }

    void CallLog::add (Call call)
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mCalls.push_back (std::move (call));
    }

    void CallLog::clear()
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        mCalls.clear();
    }

    std::vector<Call> CallLog::calls() const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return mCalls;
    }

    std::vector<Call> CallLog::callsTo (const std::string& object) const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        std::vector<Call> result;
        std::copy_if (mCalls.begin(), mCalls.end(), std::back_inserter (result),
                      [&] (const Call& c) { return c.object == object; });
        return result;
    }

    int CallLog::count (const std::string& object, const std::string& operation) const
    {
        const std::lock_guard<std::mutex> lock (mMutex);
        return static_cast<int> (std::count_if (mCalls.begin(), mCalls.end(), [&] (const Call& c) {
            return c.object == object && c.operation == operation;
        }));
    }
} // namespace quindle::test::aaxhost
