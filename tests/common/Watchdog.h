#pragma once

// A bounded wait for calls that must return: a hung call holds the thread the test runs on, so
// no assertion after it would ever run. The watchdog's own thread waits instead, and when the
// calls it guards have not finished by a generous deadline it reports which and ends the
// process with a failure.

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
class Watchdog
{
public:
    /** Guards what runs while the watchdog lives; `what` names it in the report. */
    Watchdog (std::string what, std::chrono::seconds deadline)
        : description (std::move (what)),
          thread ([this, deadline] {
              std::unique_lock<std::mutex> lock (mutex);

              if (! finishedInTime.wait_for (lock, deadline, [this] { return finished; }))
              {
                  // Both streams: a test may have sent standard error to a file of its own.
                  for (auto* stream : { stdout, stderr })
                  {
                      std::fprintf (stream, "Watchdog: %s has not returned after %lld s\n", description.c_str(),
                                    static_cast<long long> (deadline.count()));
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
        thread.join();
    }

    Watchdog (const Watchdog&) = delete;
    Watchdog& operator= (const Watchdog&) = delete;

private:
    const std::string description;
    std::mutex mutex;
    std::condition_variable finishedInTime;
    bool finished = false;
    std::thread thread;
};
} // namespace quindle::test
