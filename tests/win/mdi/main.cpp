// The skin engine's start-up as the program does it.
#include <gtest/gtest.h>

#include "framework/Win32Platform.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/SkinComponents.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  vcu::UseWin32Platform();
  vcu::UseDibSectionPixels();
  vcu::RegisterSkinComponents();
  return RUN_ALL_TESTS();
}
