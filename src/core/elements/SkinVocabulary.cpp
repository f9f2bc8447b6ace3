#include "core/elements/SkinVocabulary.h"

#include "core/elements/CaptionButtons.h"
#include "core/elements/Colours.h"
#include "core/elements/ElementReaders.h"
#include "core/elements/SectionNames.h"
#include "core/elements/SkinElementsLoader.h"
#include "core/text/AsciiText.h"

namespace vcu {

SectionVocabulary DescribeSection(const std::string& name) {
  const std::string upper = AsciiUpper(name);
  SectionVocabulary v;
  const auto is = [&upper](const char* section) { return upper == AsciiUpper(section); };
  if (is(kTitlebarSkinSection)) {
    v.role = SectionRole::TitlebarSkin;
    v.keys = {{kSkinNameKey, KeyKind::Text}};
  } else if (is(kPersonalitySection)) {
    v.role = SectionRole::Personality;
    v.keys = PersonalityKeys();
  } else if (is(kFontsSection)) {
    v.role = SectionRole::Fonts;
    v.keys = FontsKeys();
  } else if (is(kButtonsSection)) {
    v.role = SectionRole::Buttons;
    v.keys = ButtonsKeys();
  } else if (ColourSectionKeys(upper, v.keys)) {
    v.role = SectionRole::Colours;
  } else if (IsPushButtonSection(upper)) {
    v.role = SectionRole::PushButtonAlias;
  } else if (IsCaptionButtonSection(upper)) {
    v.role = SectionRole::CaptionButton;
    v.keys = CaptionButtonKeys();
  } else if (IsMdiControlsSection(upper)) {
    v.role = SectionRole::MdiControls;
    v.keys = MdiControlsKeys();
  } else {
    for (const ElementSection& s : ElementSections())
      if (is(s.name)) {
        v.role = SectionRole::Element;
        v.keys = ElementSectionKeys(s);
        v.element = &s;
        break;
      }
  }
  return v;
}

const SkinKey* FindKey(const std::vector<SkinKey>& keys, const std::string& name) {
  for (const SkinKey& k : keys)
    if (AsciiEqualNoCase(k.name, name)) return &k;
  return nullptr;
}

} // namespace vcu
