#pragma once
// The caption buttons: one per "BUTTON..." section of the skin, then the three buttons of a
// maximised MDI child cut from the "MDICONTROLS" image.
#include <string>
#include <vector>

#include "core/elements/SkinKeys.h"

namespace vcu {

// A caption button's image and frame count; the MDI buttons' section and its image key.
extern const char kCaptionFrameKey[];
extern const char kCaptionImageKey[];
extern const char kMdiSection[];
extern const char kMdiImageKey[];

class ElementReader;
struct TSkinElements;

// The sections that define caption buttons, in file order: names beginning with "BUTTON"
// (any case), except the push-button sections and buttons switched off by Action -1 with a
// non-zero Visibility.
std::vector<std::string> CaptionButtonSections(const ElementReader& reader,
                                               const std::vector<std::string>& sections);

// By upper-case section name: the push-button sections ("BUTTONS", "BUTTON", "BUTTON.RADIO",
// "BUTTON.CHECKBOX"), which are never caption buttons; the other "BUTTON..." sections; the
// section of the MDI child's buttons.
bool IsPushButtonSection(const std::string& upper);
bool IsCaptionButtonSection(const std::string& upper);
bool IsMdiControlsSection(const std::string& upper);

// The keys read from a caption button section and from the MDI buttons' section.
std::vector<SkinKey> CaptionButtonKeys();
std::vector<SkinKey> MdiControlsKeys();

void ReadCaptionButtons(ElementReader& reader, const std::vector<std::string>& sections,
                        TSkinElements& elements);

// The frame count a caption button image of this size holds when its section gives none:
// 3 for a strip at most 3.8 times as wide as high, else 6; 6 with no image or a negative
// action.
int GuessCaptionFrames(int width, int height, int action);

} // namespace vcu
