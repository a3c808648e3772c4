// Main of every test program that stands in for the game: the game's code must be in place before a
// test loads a plug-in.
#include <gtest/gtest.h>

#include "stand_in_host.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  StartStandInHost();
  return RUN_ALL_TESTS();
}
