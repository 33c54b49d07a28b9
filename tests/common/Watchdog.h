#pragma once

// A bounded wait for code that may hang: a hang fails the test instead of stalling the run.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <mutex>
#include <string>
#include <thread>

namespace quindle::test
{
/** Guards the scope it lives in: when the scope has not ended by the deadline, the process writes
    what hung to its output and ends at once with a failure. A hung thread can neither report
    to the test framework nor be stopped, so ending the process is the one way to fail the test
    (every test runs in a process of its own). The deadline is generous: it tells a hang from slow
    work, it measures nothing. */
class Watchdog
{
public:
    explicit Watchdog (std::string whatMustFinish, std::chrono::seconds deadline = std::chrono::seconds (60))
        : description (std::move (whatMustFinish)),
          guard ([this, deadline]
          {
              std::unique_lock<std::mutex> lock (mutex);

              if (! finishedInTime.wait_for (lock, deadline, [this] { return finished; }))
              {
                  // On both streams: a test may send standard error to a file of its own.
                  for (auto* stream : { stdout, stderr })
                  {
                      std::fprintf (stream, "Hung for %lld s: %s\n", static_cast<long long> (deadline.count()), description.c_str());
                      std::fflush (stream);
                  }

                  std::_Exit (EXIT_FAILURE);
              }
          })
    {
    }

    ~Watchdog()
    {
        {
            const std::lock_guard<std::mutex> lock (mutex);
            finished = true;
        }

        finishedInTime.notify_one();
        guard.join();
    }

    Watchdog (const Watchdog&) = delete;
    Watchdog& operator= (const Watchdog&) = delete;

private:
    const std::string description;
    std::mutex mutex;
    std::condition_variable finishedInTime;
    bool finished = false;
    std::thread guard; // last: it starts once everything it uses exists
};
} // namespace quindle::test
