#include <gtest/gtest.h>

#include "platform/win/Desktop.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  win::SelectBackend("headless");
  return RUN_ALL_TESTS();
}
