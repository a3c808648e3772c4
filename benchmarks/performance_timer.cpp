#include "performance_timer.h"

#include <windows.h>

double NanosecondsPerRun(int repetitions, const std::function<void()>& work) {
  LARGE_INTEGER frequency;
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < repetitions; ++i) work();
  QueryPerformanceCounter(&end);
  const double seconds =
      static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  return seconds * 1e9 / repetitions;
}
