// Wall-clock time of repeated work by Windows' performance counter.
#pragma once

#include <functional>

// Runs `work` `repetitions` times and returns the nanoseconds one run took on average.
double NanosecondsPerRun(int repetitions, const std::function<void()>& work);
