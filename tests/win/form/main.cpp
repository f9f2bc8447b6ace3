// The skin engine's start-up as the program does it, except the archive reader's message box:
// its messages are recorded instead.
#include <gtest/gtest.h>

#include "SkinDataTesting.h"
#include "framework/Win32Platform.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/SkinComponents.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  vcu::UseWin32Platform();
  vcu::UseDibSectionPixels();
  vcu::RegisterSkinComponents();
  vcu::test::RecordArchiveMessages();
  return RUN_ALL_TESTS();
}
