#pragma once
// What the engine reads of a skin's INI, section by section: which reader takes a section and
// which keys it looks up there. Built from the readers' own tables.
#include <string>
#include <vector>

#include "core/elements/SkinKeys.h"

namespace vcu {

struct ElementSection;

enum class SectionRole {
  Unknown,       // no reader looks at it
  PushButtonAlias, // "BUTTON", "BUTTON.RADIO", "BUTTON.CHECKBOX": skipped by every reader
  TitlebarSkin,
  Personality,
  Fonts,
  Colours,       // "Colours", "Customcolors" and the "COLOUR..." list sections
  CaptionButton,
  MdiControls,
  Buttons,
  Element,       // one of ElementSections()
};

struct SectionVocabulary {
  SectionRole role = SectionRole::Unknown;
  std::vector<SkinKey> keys;
  const ElementSection* element = nullptr; // for SectionRole::Element
};

// By the section's name as ReadSections gives it (letter case ignored, as the readers ignore
// it).
SectionVocabulary DescribeSection(const std::string& name);

// The known key of keys whose name equals name without regard to ASCII case, or null.
const SkinKey* FindKey(const std::vector<SkinKey>& keys, const std::string& name);

} // namespace vcu
