#pragma once
// The caption buttons: one per "BUTTON..." section of the skin, then the three buttons of a
// maximised MDI child cut from the "MDICONTROLS" image.
#include <string>
#include <vector>

namespace vcu {

class ElementReader;
struct TSkinElements;

// The sections that define caption buttons, in file order: names beginning with "BUTTON"
// (any case), except the push-button sections and buttons switched off by Action -1 with a
// non-zero Visibility.
std::vector<std::string> CaptionButtonSections(const ElementReader& reader,
                                               const std::vector<std::string>& sections);

void ReadCaptionButtons(ElementReader& reader, const std::vector<std::string>& sections,
                        TSkinElements& elements);

// The frame count a caption button image of this size holds when its section gives none:
// 3 for a strip at most 3.8 times as wide as high, else 6; 6 with no image or a negative
// action.
int GuessCaptionFrames(int width, int height, int action);

} // namespace vcu
