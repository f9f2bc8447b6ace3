#include "skin/controls/SkinProgress.h"

#include <commctrl.h>

#include "core/controls/ProgressGeometry.h"
#include "core/image/Blit.h"
#include "core/image/PixelOps.h"
#include "skin/data/WinSkinData.h"

namespace vcu {

const TClassInfo& TSkinProgress::ClassInfo() {
  static const TClassInfo info("TSkinProgress", &TSkinControl::ClassInfo(), {});
  return info;
}

TSkinProgress::TSkinProgress(TComponent* owner) : TSkinControl(owner) {}

void TSkinProgress::SkinChanged() {
  frames_.Clear();
  TSkinControl::SkinChanged();
}

bool TSkinProgress::HasElement() const { return skin_ && skin_->Progress && !skin_->Progress->Bitmap.Empty(); }

bool TSkinProgress::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_PAINT:
    if (!HasElement()) return true; // the native bar paints
    PaintInPlace(message);
    return false;
  case WM_ERASEBKGND:
    message.Result = 1;
    return false;
  default: return TSkinControl::BeforeMessage(message);
  }
}

void TSkinProgress::DrawControl(HDC dc, const RECT& rect) {
  if (!HasElement()) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const bool vertical = (GetWindowLongPtrW(handle_, GWL_STYLE) & PBS_VERTICAL) != 0;
  if (!buffer_.Prepare(width, height)) return;
  const WorkSize work = ProgressWorkSize(width, height, vertical);
  const int position = static_cast<int>(SendMessageW(handle_, PBM_GETPOS, 0, 0));
  const int upper = static_cast<int>(SendMessageW(handle_, PBM_GETRANGE, FALSE, 0));
  const int filled = ProgressFilledWidth(work.width, position, upper);
  const Pixel face = PixelFromRgb(ResolveColour(FaceColour()));
  const TDataSkinBorder& progress = *skin_->Progress;
  // The chunk look has a one-frame trough, stretched; the two-frame look slices both frames.
  const bool chunkLook = progress.Style == 1;
  const Bitmap& trough = chunkLook ? frames_.SlicedUntiled(progress, work.width, work.height, 1, 1)
                                   : frames_.Sliced(progress, work.width, work.height, 1, 2);
  static const Bitmap none;
  const Bitmap& bar = !chunkLook && filled > 0 ? frames_.Sliced(progress, filled, work.height, 2, 2) : none;
  const TDataSkinObject* chunk = chunkLook ? skin_->ProgressChunk.get() : nullptr;
  if (!vertical) {
    ComposeProgress(buffer_.Pixels(), trough, bar, chunk, filled, face);
  } else {
    if (lying_.Width() != work.width || lying_.Height() != work.height)
      lying_ = Bitmap(work.width, work.height, PixelFormat::Bits32, &AllocateHeapPixels);
    ComposeProgress(lying_, trough, bar, chunk, filled, face);
    RotateLeftInto(buffer_.Pixels(), lying_); // the left end becomes the bottom: it fills upward
  }
  buffer_.CopyTo(dc, rect.left, rect.top);
}

} // namespace vcu
