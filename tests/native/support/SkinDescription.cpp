#include "SkinDescription.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "BmpReading.h"
#include "ReferenceIni.h"

namespace vcu::test {
namespace {

constexpr std::int32_t kNoColour = 0x1FFFFFFF;
constexpr const char* kImage = "Bitmap";

std::int32_t SystemColour(int index) { return static_cast<std::int32_t>(0xFF000000u | static_cast<unsigned>(index)); }
std::int32_t Rgb(std::int64_t r, std::int64_t g, std::int64_t b) {
  return static_cast<std::int32_t>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}

// Runs of decimal digits are red, green and blue; a run still open at the end counts only as
// the third.
std::int32_t ParseColourText(const std::string& text, std::int32_t fallback) {
  if (text.empty()) return fallback;
  std::int64_t parts[3] = {0, 0, 0};
  int done = 0;
  bool inRun = false;
  std::uint64_t run = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      run = run * 10 + static_cast<unsigned>(c - '0');
      inRun = true;
    } else if (inRun) {
      if (done < 3) parts[done++] = static_cast<std::int64_t>(run & 0xFF);
      run = 0;
      inRun = false;
    }
  }
  if (inRun && done == 2) parts[done++] = static_cast<std::int64_t>(run & 0xFF);
  return Rgb(parts[0], parts[1], parts[2]);
}

ExpectedImage WholeImage(const BmpImage& bmp) { return {bmp.width, bmp.height, bmp.pixels}; }

ExpectedImage Crop(const BmpImage& bmp, int left, int width) {
  ExpectedImage out{width, bmp.height, {}};
  for (int y = 0; y < bmp.height; ++y)
    for (int x = left; x < left + width; ++x) out.pixels.push_back(bmp.At(x, y));
  return out;
}

ExpectedImage Mirrored(const ExpectedImage& image) {
  ExpectedImage out = image;
  for (int y = 0; y < image.height; ++y)
    std::reverse(out.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width,
                 out.pixels.begin() + static_cast<std::ptrdiff_t>(y + 1) * image.width);
  return out;
}

ExpectedImage SizeOnly(int width, int height) { return {width, height, {}}; }

class Describer {
public:
  Describer(const std::string& folder, int scrollArrowWidth)
      : folder_(folder), arrow_(scrollArrowWidth), ini_(ReferenceIni::FromFile(IniPath())) {}

  SkinDescription Describe() {
    d_.skinName = ini_.ReadString("TitlebarSkin", "SkinName");
    FrameBorders();
    Colours();
    CaptionButtons();
    ButtonsElement();
    TitleText();
    Put("Progress", ProgressElement("Progress"));
    Put("ProgressChunk", Element("Progress.Chunk"));
    Put("MenuBar", MenuBarElement());
    Put("GroupBoxEdge", Element("GroupBoxEdge"));
    Put("GroupBox", BoxLabelElement("GroupBox"));
    Put("Tabs", BorderElement("Tabs", "Border"));
    Put("StatusBarEdges", Element("StatusBarEdges"));
    Put("TabPane", LimitMargins(Element("Tab.Pane"), 4));
    Put("ToolBars", Element("ToolBars"));
    Put("ComboButton", BorderElement("ComboButton", "****"));
    Put("SunkEdge", Element("SunkEdge"));
    if (Present("ComboButton") && !Slot("ComboButton")->images[kImage].Empty())
      Slot("ComboButton")->images["Bitmap2"] = Mirrored(Slot("ComboButton")->images[kImage]);
    const std::pair<const char*, const char*> plain[] = {
        {"ExtraImages", "ExtraImages"}, {"Headerbar", "Headerbar"}, {"MenuItem", "MenuItem"},
        {"MenuBackground", "MenuBackground"}, {"Scrollbar", "Scrollbar"}, {"HorzScroll", "HorzScroll"},
        {"VertScroll", "VertScroll"}, {"HorzScrollThumb", "HorzScrollThumb"},
        {"VertScrollThumb", "VertScrollThumb"}, {"TrackbarThumbHorz", "Trackbar.ThumbHorz"},
        {"TrackbarThumbVert", "Trackbar.ThumbVert"}, {"TrackbarThumbLeft", "Trackbar.ThumbLeft"},
        {"TrackbarThumbRight", "Trackbar.ThumbRight"}, {"TrackbarThumbUp", "Trackbar.ThumbUp"},
        {"TrackbarThumbDown", "Trackbar.ThumbDown"}};
    for (const auto& [slot, section] : plain) Put(slot, Element(section));
    Put("UpDownHorz", BorderElement("UpDown.Horz", "GlyphImage"));
    Put("UpDownVert", BorderElement("UpDown.Vert", "GlyphImage"));
    Put("Track", ElementOrBuiltin("Track", "TRACK", 16, 4));
    Put("TrackVert", ElementOrBuiltin("TRACKVERT", "TRACKVERT", 4, 16));
    FixFrameCounts();
    ComboElements();
    ComboArrow();
    ExpectedRecord gradient{"Toolbar", {{"Frame", 1}}, {{kImage, SizeOnly(10, 40)}}};
    Put("ToolbarGradient", gradient);
    d_.frameColour = FrameColour();
    return std::move(d_);
  }

private:
  std::string IniPath() const {
    // The first entry whose lower-cased name holds ".ini".
    for (const std::string& name : EntryNames())
      if (AsciiLowerText(name).find(".ini") != std::string::npos) return folder_ + "/" + name;
    return "";
  }

  std::vector<std::string> EntryNames() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error))
      if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  // An INI value names an entry by its file-name part, which must end in ".bmp" exactly; the
  // entry is found whatever its case.
  BmpImage EntryBitmap(const std::string& value) const {
    const std::string name = value.substr(value.find_last_of("\\:") == std::string::npos ? 0 : value.find_last_of("\\:") + 1);
    const std::size_t dot = name.rfind('.');
    if (name.empty() || dot == std::string::npos || name.substr(dot) != ".bmp") return {};
    for (const std::string& entry : EntryNames())
      if (AsciiLowerText(entry) == AsciiLowerText(name)) return ReadBmpImageFile(folder_ + "/" + entry);
    return {};
  }

  ExpectedImage Image(const std::string& section, const std::string& key) const {
    return WholeImage(EntryBitmap(ini_.ReadString(section, key)));
  }

  std::int32_t Int(const std::string& section, const std::string& key, std::int32_t fallback) const {
    return ini_.ReadInteger(section, key, fallback);
  }

  void Read(ExpectedRecord& r, const std::string& section, std::initializer_list<const char*> keys,
            std::int32_t fallback) const {
    for (const char* key : keys) r.fields[key] = Int(section, key, fallback);
  }

  void SecondColours(ExpectedRecord& r, const std::string& section) const {
    for (const char* key : {"NormalColour2", "MouseOverColour2", "PressedColour2"})
      r.fields[key] = ParseColourText(ini_.ReadString(section, key), d_.colours.at("ColourButtonText"));
  }

  static void ClampTile(ExpectedRecord& r, std::int32_t above1) {
    if (r.fields["Tile"] > 1) r.fields["Tile"] = above1;
  }

  std::optional<ExpectedRecord> Element(const std::string& section, bool readFrame = true) const {
    if (ini_.ReadString(section, "Image").empty()) return std::nullopt;
    ExpectedRecord r{section, {}, {{kImage, Image(section, "Image")}}};
    Read(r, section, {"Style", "LeftWidth", "RightWidth", "TopHeight", "BottomHeight", "Trans", "Tile"}, 0);
    if (readFrame) r.fields["Frame"] = Int(section, "Frame", 0);
    Read(r, section, {"NormalColour", "MouseOverColour", "PressedColour"}, -1);
    SecondColours(r, section);
    ClampTile(r, 0);
    return r;
  }

  std::optional<ExpectedRecord> BorderElement(const std::string& section, const std::string& secondKey) const {
    std::optional<ExpectedRecord> r = Element(section, false);
    if (!r) return r;
    r->images["Bitmap2"] = ini_.ReadString(section, secondKey).empty() ? ExpectedImage{} : Image(section, secondKey);
    return r;
  }

  std::optional<ExpectedRecord> BoxLabelElement(const std::string& section) const {
    std::optional<ExpectedRecord> r = Element(section, false);
    if (r) Read(*r, section, {"BackgroundAlignment", "BackgroundLeftShift", "BackgroundRightShift"}, 0);
    return r;
  }

  std::optional<ExpectedRecord> ProgressElement(const std::string& section) const {
    if (ini_.ReadString(section, "Bitmap").empty()) return std::nullopt;
    ExpectedRecord r{section, {}, {{kImage, Image(section, "Bitmap")}, {"Bitmap2", {}}}};
    Read(r, section, {"Style", "LeftWidth", "RightWidth", "TopHeight", "BottomHeight", "Trans", "Tile"}, 0);
    ClampTile(r, 1);
    return r;
  }

  std::optional<ExpectedRecord> MenuBarElement() const {
    const std::string section = "Personality";
    if (ini_.ReadString(section, "menuBar").empty()) return std::nullopt;
    ExpectedRecord r{section, {}, {{kImage, Image(section, "menuBar")}}};
    r.fields["TopHeight"] = r.fields["BottomHeight"] = 0;
    r.fields["Tile"] = std::min(Int(section, "TileMenu", 1), 1);
    r.fields["LeftWidth"] = Int(section, "TileLeftMenu", 1);
    r.fields["RightWidth"] = Int(section, "TileRightMenu", 1);
    return r;
  }

  std::optional<ExpectedRecord> ElementOrBuiltin(const std::string& section, const std::string& resource,
                                                 int width, int height) const {
    if (std::optional<ExpectedRecord> r = Element(section)) return r;
    return ExpectedRecord{resource,
                          {{"LeftWidth", 3}, {"TopHeight", 3}, {"RightWidth", 3}, {"BottomHeight", 3}, {"Tile", 0}, {"Frame", 1}},
                          {{kImage, SizeOnly(width, height)}}};
  }

  static std::optional<ExpectedRecord> LimitMargins(std::optional<ExpectedRecord> r, std::int32_t limit) {
    if (r)
      for (const char* key : {"LeftWidth", "TopHeight", "RightWidth", "BottomHeight"})
        r->fields[key] = std::min(r->fields[key], limit);
    return r;
  }

  void FrameBorders() {
    for (const std::string name : {"Left", "Right", "Top", "Bottom"}) {
      const std::string s = "Personality";
      ExpectedRecord r{name, {}, {{kImage, Image(s, name)}}};
      const std::int32_t first = Int(s, name + "TopHeight", 0), second = Int(s, name + "BotHeight", 0);
      const bool side = name == "Left" || name == "Right";
      r.fields["LeftWidth"] = side ? 0 : first;
      r.fields["RightWidth"] = side ? 0 : second;
      r.fields["TopHeight"] = side ? first : 0;
      r.fields["BottomHeight"] = side ? second : 0;
      r.fields["Frame"] = Int(s, name + "Frame", 1);
      r.fields["Tile"] = std::min(Int(s, name + "Stretch", 1), 1);
      r.fields["Trans"] = Int(s, name + "Trans", 1);
      Put(name + "Border", r);
    }
  }

  void Colours() {
    const std::tuple<const char*, const char*, int> table[] = {
        {"ColourWindowText", "WindowText", 8},      {"ColourButtonFace", "ButtonFace", 15},
        {"ColourScrollbar", "Scrollbar", 0},        {"ColourHilightText", "HilightText", 14},
        {"ColourHilight", "Hilight", 13},           {"ColourMenubar", "Menubar", -1},
        {"ColourMenu", "Menu", 4},                  {"ColourMenuText", "MenuText", 7},
        {"ColourButtonText", "ButtonText", 18},     {"ColourButtonHilight", "ButtonHilight", 20},
        {"ColourButtonlight", "Buttonlight", 20},   {"ColourButtonShadow", "ButtonShadow", 16},
        {"ColourButtonDkShadow", "ButtonDkShadow", 21}, {"ColourMenuBarText", "MenuBarText", 7},
        {"ColourTitleTextActive", "TitleTextActive", 9}, {"ColourTitleTextNoActive", "TitleTextNoActive", 19},
    };
    for (const auto& [field, key, index] : table) {
      // The menu bar falls back to the face just read.
      const std::int32_t fallback = index < 0 ? d_.colours.at("ColourButtonFace") : SystemColour(index);
      d_.colours[field] = ParseColourText(ini_.ReadString("Colours", key), fallback);
    }
    for (const std::string& section : ini_.Sections()) {
      const std::string upper = AsciiUpperText(section);
      if (upper.rfind("COLOUR", 0) == 0 && upper != "COLOURS")
        d_.colourList.push_back(ParseColourText(ini_.ReadString(section, "color"), SystemColour(8)));
    }
    for (int i = 0; i < 10; ++i)
      d_.customColours.push_back(ParseColourText(ini_.ReadString("Customcolors", "Color" + std::to_string(i)), 0xFFFFFF));
  }

  bool IsCaptionButton(const std::string& section) const {
    const std::string upper = AsciiUpperText(section);
    if (upper == "BUTTONS" || upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX" || upper == "BUTTON") return false;
    if (upper.rfind("BUTTON", 0) != 0) return false;
    return !(Int(section, "Action", 0) == -1 && Int(section, "Visibility", -1) != 0);
  }

  void CaptionButtons() {
    std::vector<std::string> sections;
    for (const std::string& s : ini_.Sections())
      if (IsCaptionButton(s)) sections.push_back(s);
    d_.mdiButtonBase = static_cast<int>(sections.size());
    // No help position is defined before a maximise button that shows when not maximised;
    // the default skin has one, so a help button's own coordinates stand in here.
    std::optional<std::pair<std::int32_t, std::int32_t>> help;
    for (const std::string& s : sections) {
      ExpectedRecord r{AsciiUpperText(s), {}, {}};
      Read(r, s, {"Action", "Align", "Xcoord", "Ycoord", "Visibility"}, 0);
      const std::int32_t action = r.fields["Action"];
      r.fields["Visibility1"] = Int(s, "Visibility1", action == -1 ? -1 : 0);
      if (action == 1 && r.fields["Visibility"] == 2) help = {r.fields["Xcoord"], r.fields["Ycoord"]};
      if (action == 4 && help) std::tie(r.fields["Xcoord"], r.fields["Ycoord"]) = *help;
      r.fields["CombineOp"] = Int(s, "CombineOp", -1);
      r.images[kImage] = Image(s, "ButtonImage");
      std::int32_t frame = Int(s, "frame", 0);
      if (frame == 0) {
        frame = 6;
        const ExpectedImage& image = r.images[kImage];
        if (!image.Empty()) frame = static_cast<double>(image.width) / image.height <= 3.8 ? 3 : 6;
        if (action < 0) frame = 6;
      }
      r.fields["Frame"] = frame;
      if (action == 3 || action == 11) r.images[kImage] = {};
      d_.captionButtons.push_back(r);
    }
    const BmpImage mdi = EntryBitmap(ini_.ReadString("MDICONTROLS", "Image"));
    const int a = mdi.width / 12;
    for (int i = 0; i < 3; ++i) {
      ExpectedRecord r{"", {{"Action", 7 + i}, {"Align", 100}, {"Visibility", 100}, {"Visibility1", 100},
                            {"Frame", 4}, {"Xcoord", 0}, {"Ycoord", 0}}, {}};
      if (!mdi.Empty()) {
        r.images[kImage] = Crop(mdi, 4 * a * i, 4 * a);
        r.fields["Xcoord"] = (a + 4) * (3 - i);
      }
      d_.captionButtons.push_back(r);
    }
  }

  void ButtonsElement() {
    const std::string s = "Buttons";
    ExpectedRecord r{s, {}, {{kImage, Image(s, "Bitmap")}, {"CheckBitmap", Image(s, "CheckButton")},
                             {"RadioBitmap", Image(s, "RadioButton")}}};
    Read(r, s, {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight", "Trans", "Tile"}, 0);
    Read(r, s, {"NormalColour", "MouseOverColour", "PressedColour"}, -1);
    Read(r, s, {"RadioButtonFrame", "CheckButtonFrame"}, 0);
    r.fields["RadioFrame"] = r.fields["RadioButtonFrame"];
    r.fields["CheckFrame"] = r.fields["CheckButtonFrame"];
    r.fields.erase("RadioButtonFrame");
    r.fields.erase("CheckButtonFrame");
    ClampTile(r, 0);
    for (const char* key : {"NormalColour2", "MouseOverColour2", "PressedColour2"})
      r.fields[std::string("Has") + key] = !ini_.ReadString(s, key).empty();
    SecondColours(r, s);
    Put("Buttons", r);
  }

  void TitleText() {
    const std::string s = "Personality";
    ExpectedRecord r{"Title", {}, {{kImage, Image(s, "TextBack")}}};
    r.fields["LeftWidth"] = Int(s, "TextShift", 0);
    r.fields["TopHeight"] = Int(s, "TextShiftVert", 0);
    r.fields["RightWidth"] = Int(s, "TextRightClip", 0);
    r.fields["BottomHeight"] = 0;
    r.fields["TextAlignment"] = Int(s, "TextAlignment", 0);
    r.fields["TextBackground"] = Int(s, "Textbackground", 0);
    r.fields["FontHeight"] = Int("Fonts", "FontHeight", 14);
    r.fields["TextBackLeft"] = Int(s, "TXTBackleft", 0);
    r.fields["TextBackRight"] = Int(s, "TXTBackRight", 0);
    r.fields["ActiveTextColour"] = RgbKeys(s, "ActiveText", kNoColour);
    r.fields["InactiveTextColour"] = RgbKeys(s, "InActiveText", kNoColour);
    Put("TitleText", r);
  }

  std::int32_t RgbKeys(const std::string& section, const std::string& key, std::int32_t colour) const {
    const std::int32_t r = Int(section, key + "R", -1), g = Int(section, key + "G", -1), b = Int(section, key + "B", -1);
    return r >= 0 && g >= 0 && b >= 0 ? Rgb(r, g, b) : colour;
  }

  void FixFrameCounts() {
    ExpectedRecord& buttons = *Slot("Buttons");
    buttons.fields["Frame"] = 5;
    for (const auto& [frameField, image] : {std::pair{"RadioFrame", "RadioBitmap"}, std::pair{"CheckFrame", "CheckBitmap"}})
      if (buttons.fields[frameField] == 0) {
        const ExpectedImage& bitmap = buttons.images[image];
        buttons.fields[frameField] = std::max(bitmap.width / (bitmap.height < 16 ? 13 : 16), 4);
      }
    const std::pair<const char*, int> fixed[] = {
        {"TitleText", 2}, {"MenuBar", 2}, {"GroupBoxEdge", 2}, {"ToolBars", 5}, {"Tabs", 5},
        {"TabPane", 1}, {"StatusBarEdges", 3}, {"GroupBox", 1}, {"ComboButton", 4}, {"SunkEdge", 4},
        {"ExtraImages", 5}, {"MenuItem", 5}, {"MenuBackground", 1}, {"Scrollbar", 23},
        {"HorzScroll", 4}, {"VertScroll", 4}, {"UpDownVert", 8}, {"UpDownHorz", 8},
        {"TrackbarThumbHorz", 5}, {"TrackbarThumbVert", 5}, {"TrackbarThumbLeft", 5},
        {"TrackbarThumbRight", 5}, {"TrackbarThumbUp", 5}, {"TrackbarThumbDown", 5}};
    for (const auto& [slot, frames] : fixed)
      if (Present(slot)) Slot(slot)->fields["Frame"] = frames;
    if (Present("Progress")) Slot("Progress")->fields["Frame"] = Slot("Progress")->fields["Style"] != 0 ? 1 : 2;
    if (Present("Headerbar") && Slot("Headerbar")->fields["Frame"] == 0) Slot("Headerbar")->fields["Frame"] = 5;
    for (const auto& [slot, section] : {std::pair{"HorzScrollThumb", "HorzScrollThumb"}, std::pair{"VertScrollThumb", "VertScrollThumb"}})
      if (Present(slot)) Slot(slot)->fields["Frame"] = Int(section, "FrameCount", 3);
  }

  // The combo faces: one 50 x 21 cell per sunk-edge state, the button part w wide.
  void ComboElements() {
    if (!Present("SunkEdge") || !Present("ComboButton")) return;
    ExpectedRecord& edge = *Slot("SunkEdge");
    ExpectedRecord& button = *Slot("ComboButton");
    const int states = edge.fields["Frame"], w = arrow_ + 2;
    button.fields["Style"] = 2;
    for (const char* key : {"TopHeight", "BottomHeight"}) button.fields[key] = edge.fields[key];
    button.fields["LeftWidth"] = 2;
    button.fields["RightWidth"] = w + 2;
    button.images[kImage] = SizeOnly(50 * states, 21);
    edge.images[kImage] = SizeOnly(50 * states, 21);
    edge.fields["LeftWidth"] = w + 2;
    edge.fields["RightWidth"] = 2;
  }

  void ComboArrow() {
    ExpectedRecord arrow{"ComboxArrow", {}, {{kImage, {}}}};
    if (Present("SunkEdge") && Present("ComboButton")) {
      const int states = Slot("SunkEdge")->fields["Frame"];
      arrow.fields["Frame"] = states;
      arrow.images[kImage] = SizeOnly(17 * states, 17);
    } else if (Present("ComboButton")) {
      const ExpectedImage& source = Slot("ComboButton")->images[kImage];
      arrow.fields["Frame"] = Slot("ComboButton")->fields["Frame"];
      arrow.images[kImage] = SizeOnly(source.width, source.height);
    }
    Put("ComboArrow", arrow);
  }

  std::int32_t FrameColour() {
    const ExpectedRecord& top = *Slot("TopBorder");
    const ExpectedImage& image = top.images.at(kImage);
    if (image.Empty()) return d_.colours.at("ColourButtonFace");
    const int frames = std::max(top.fields.at("Frame"), 1);
    const std::uint32_t p = image.pixels[static_cast<std::size_t>(image.height / frames / 3) * image.width + image.width / 3];
    return Rgb(p >> 16, p >> 8, p);
  }

  void Put(const std::string& slot, std::optional<ExpectedRecord> record) {
    d_.slots.emplace_back(slot, std::move(record));
  }
  std::optional<ExpectedRecord>& Slot(const std::string& name) {
    for (auto& [slot, record] : d_.slots)
      if (slot == name) return record;
    d_.slots.emplace_back(name, std::nullopt);
    return d_.slots.back().second;
  }
  bool Present(const std::string& name) { return Slot(name).has_value(); }

  std::string folder_;
  int arrow_;
  ReferenceIni ini_;
  SkinDescription d_;
};

} // namespace

const std::optional<ExpectedRecord>& SkinDescription::Slot(const std::string& name) const {
  static const std::optional<ExpectedRecord> none;
  for (const auto& [slot, record] : slots)
    if (slot == name) return record;
  return none;
}

SkinDescription DescribeSkinFolder(const std::string& folder, int scrollArrowWidth) {
  return Describer(folder, scrollArrowWidth).Describe();
}

} // namespace vcu::test
