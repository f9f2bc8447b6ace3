#include "core/skincheck/RecordChecks.h"

#include <cstdint>
#include <new>
#include <utility>

#include "core/elements/CaptionButtons.h"
#include "core/elements/ElementReaders.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/elements/SkinEntries.h"
#include "core/image/Bmp.h"
#include "core/storage/QuickIni.h"

namespace vcu {
namespace {

// One image as a painter cuts it.
struct Strip {
  Strip(std::string section, std::string imageKey, std::string frameKey, const Bitmap& image,
        int frames, bool stacked = false)
      : section(std::move(section)), imageKey(std::move(imageKey)), frameKey(std::move(frameKey)),
        image(&image), frames(frames), stacked(stacked) {}
  // Margins checked against one frame, reported under the key of the left (or top) margin;
  // an empty key leaves that direction unchecked.
  Strip& WithMargins(const Margins& m, std::string leftKey, std::string topKey) {
    hasMargins = true;
    margins = m;
    widthKey = std::move(leftKey);
    heightKey = std::move(topKey);
    return *this;
  }

  std::string section;
  std::string imageKey;
  // The key the frame count was read from; empty when the engine fixes the count.
  std::string frameKey;
  const Bitmap* image;
  int frames;
  bool stacked;
  bool hasMargins = false;
  Margins margins;
  std::string widthKey, heightKey;
};

class RecordChecker {
public:
  explicit RecordChecker(std::vector<Finding>& out) : out_(out) {}

  void Check(const Strip& s) {
    if (!s.image || s.image->Empty()) return;
    const int width = s.image->Width(), height = s.image->Height();
    const int extent = s.stacked ? height : width;
    int frames = s.frames;
    const std::string count = std::to_string(s.frames);
    if (frames < 1) {
      Add(Severity::Warning, s.section, s.frameKey.empty() ? s.imageKey : s.frameKey,
          "frame count " + count + ": the engine takes the image as one frame");
      frames = 1;
    } else if (extent % frames != 0) {
      Add(Severity::Error, s.section, s.imageKey,
          "image " + Size(width, height) + ": its " + (s.stacked ? "height " : "width ") +
              std::to_string(extent) + " does not divide into " + count + " frames" +
              (s.stacked ? " (stacked)" : "") +
              (s.frameKey.empty() ? " (the engine always takes " + count + ")" : " (" + s.frameKey + ")"));
      return;
    }
    if (!s.hasMargins) return;
    const int frameWidth = s.stacked ? width : width / frames;
    const int frameHeight = s.stacked ? height / frames : height;
    const Margins& m = s.margins;
    if (m.left < 0 || m.right < 0 || m.top < 0 || m.bottom < 0)
      Add(Severity::Warning, s.section, m.left < 0 || m.right < 0 ? s.widthKey : s.heightKey,
          "a negative margin: the frame is cut as if it were 0");
    // Summed in 64 bits: the margins are any 32-bit numbers the INI gives.
    if (!s.widthKey.empty() && std::int64_t{m.left} + m.right > frameWidth)
      Add(Severity::Error, s.section, s.widthKey,
          "left and right margins " + std::to_string(m.left) + " + " + std::to_string(m.right) +
              " are wider than a frame (" + std::to_string(frameWidth) + " pixels)");
    if (!s.heightKey.empty() && std::int64_t{m.top} + m.bottom > frameHeight)
      Add(Severity::Error, s.section, s.heightKey,
          "top and bottom margins " + std::to_string(m.top) + " + " + std::to_string(m.bottom) +
              " are taller than a frame (" + std::to_string(frameHeight) + " pixels)");
  }

  void Add(Severity severity, const std::string& section, const std::string& key, const std::string& text) {
    out_.push_back({severity, section, key, text});
  }

private:
  static std::string Size(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
  }
  std::vector<Finding>& out_;
};

void CheckBorders(const TSkinElements& e, RecordChecker& checker) {
  for (const TDataSkinBorder* b : {&e.LeftBorder, &e.RightBorder, &e.TopBorder, &e.BottomBorder}) {
    // The frame painter takes the side borders' frames side by side, the top and bottom ones
    // stacked; the sides' ends are their top and bottom margins, the others' left and right.
    const bool horizontal = b == &e.TopBorder || b == &e.BottomBorder;
    const std::string endKey = b->Name + kBorderFirstEndSuffix;
    checker.Check(Strip(kPersonalitySection, b->Name, b->Name + kBorderFrameSuffix, b->Bitmap, b->Frame, horizontal)
                      .WithMargins(b->Margins(), horizontal ? endKey : "", horizontal ? "" : endKey));
  }
}

void CheckTitleAndMenuBar(const TSkinElements& e, RecordChecker& checker) {
  // The caption plate: stacked frames in three parts, ends TXTBackleft / TXTBackRight wide.
  const TDataSkinTitle& t = e.TitleText;
  checker.Check(Strip(kPersonalitySection, kTitlePlateKey, "", t.Bitmap, t.Frame, true)
                    .WithMargins(Margins{t.TextBackLeft, 0, t.TextBackRight, 0}, kTitlePlateLeftKey, ""));
  // The menu bar's side "widths" are tile switches, so only its frames are measured.
  if (e.MenuBar) checker.Check(Strip(kPersonalitySection, kMenuBarKey, "", e.MenuBar->Bitmap, e.MenuBar->Frame, true));
}

void CheckButtons(const TQuickIni& ini, const TSkinElements& e, RecordChecker& checker) {
  const TDataSkinButton& b = e.Buttons;
  checker.Check(Strip(kButtonsSection, kButtonsImageKey, "", b.Bitmap, b.Frame)
                    .WithMargins(b.Margins(), kLeftWidthKey, kTopHeightKey));
  // A check or radio frame count the skin does not give is guessed from the image.
  const auto given = [&ini](const char* key) {
    return ini.ReadInteger(kButtonsSection, key, 0) != 0 ? std::string(key) : std::string();
  };
  checker.Check(Strip(kButtonsSection, kCheckImageKey, given(kCheckFrameKey), b.CheckBitmap, b.CheckFrame));
  checker.Check(Strip(kButtonsSection, kRadioImageKey, given(kRadioFrameKey), b.RadioBitmap, b.RadioFrame));
}

void CheckCaptionButtons(const TQuickIni& ini, const MemoryEntries& entries,
                         const TSkinElements& e, RecordChecker& checker) {
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  const ElementReader reader(ini, entries, e);
  const std::vector<std::string> kept = CaptionButtonSections(reader, sections);
  for (std::size_t i = 0; i < kept.size() && i < e.CaptionButtons.size(); ++i) {
    const TDataSkinSysButton& b = e.CaptionButtons[i];
    const bool given = ini.ReadInteger(kept[i], kCaptionFrameKey, 0) != 0;
    checker.Check(Strip(kept[i], kCaptionImageKey, given ? kCaptionFrameKey : "", b.Bitmap, b.Frame));
  }
  // The MDI strip is cut into twelve frames, four for each of the three buttons.
  const std::string name = BitmapEntryName(ini.ReadString(kMdiSection, kMdiImageKey, ""));
  std::vector<std::uint8_t> file;
  if (!name.empty()) entries.ExtractEntry(name, file);
  if (file.empty()) return;
  const BmpDimensions size = ReadBmpDimensions(file); // decodes: the entries are usable ones
  if (size.width % 12 != 0)
    checker.Add(Severity::Error, kMdiSection, kMdiImageKey,
                "image width " + std::to_string(size.width) +
                    " does not divide into the 12 frames of the three MDI child buttons");
}

void CheckElementSections(const TQuickIni& ini, const TSkinElements& e, RecordChecker& checker) {
  for (const ElementSection& section : ElementSections()) {
    const TDataSkinObject* r = section.Record(e);
    if (!r || r->Bitmap.Empty()) continue;
    // Where the frame count came from: a key of its own, the rule's "Frame", or the engine.
    const std::string frameKey = section.frameCountKey ? section.frameCountKey
                                 : section.fixedFrames == 0 && section.rule->readsFrame ? kFrameKey
                                                                                         : "";
    std::int32_t written = 0;
    if (section.fixedFrames > 0 && section.rule->readsFrame &&
        TQuickIni::ParseInteger(ini.ReadString(section.name, kFrameKey, ""), written) &&
        written != section.fixedFrames)
      checker.Add(Severity::Warning, section.name, kFrameKey,
                  "the engine takes " + std::to_string(section.fixedFrames) +
                      " frames for this element, not " + std::to_string(written));
    checker.Check(Strip(section.name, section.rule->imageKey, frameKey, r->Bitmap, r->Frame)
                      .WithMargins(r->Margins(), kLeftWidthKey, kTopHeightKey));
    if (section.secondImageFramed)
      checker.Check(Strip(section.name, section.secondImageKey, frameKey, (e.*section.border)->Bitmap2, r->Frame));
  }
}

} // namespace

void CheckRecords(const TQuickIni& ini, const MemoryEntries& entries, std::vector<Finding>& out) {
  RecordChecker checker(out);
  TSkinElements e;
  try {
    ReadSkinRecords(ini, entries, BuiltinImages{}, e);
  } catch (const ESkinTooLarge& fault) {
    checker.Add(Severity::Error, "", fault.Entry(), fault.Message());
    return;
  } catch (const EInvalidBitmap& fault) {
    checker.Add(Severity::Error, "", fault.Entry(), fault.Message());
    return;
  } catch (const std::bad_alloc&) {
    checker.Add(Severity::Error, "", "", "the skin's images are too large to read");
    return;
  }
  CheckBorders(e, checker);
  CheckTitleAndMenuBar(e, checker);
  CheckButtons(ini, e, checker);
  CheckCaptionButtons(ini, entries, e, checker);
  CheckElementSections(ini, e, checker);
}

} // namespace vcu
