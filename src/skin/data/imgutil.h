#pragma once
// The image drawing utilities in one include: bitmap and colour operations from the portable
// core, and their device-context counterparts.
#include "core/image/Bitmap.h"
#include "core/image/Blit.h"
#include "core/image/Bmp.h"
#include "core/image/Colour.h"
#include "core/image/Gradient.h"
#include "core/image/PixelOps.h"
#include "core/image/Slicing.h"
#include "core/image/Transparency.h"
#include "skin/data/BitmapRegion.h"
#include "skin/data/DibBitmap.h"
#include "skin/data/FrameDraw.h"
#include "skin/data/GradientFill.h"
#include "skin/data/TransparentDraw.h"
#include "skin/data/WinRect.h"
