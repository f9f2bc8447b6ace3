#pragma once
// Every element slot of the decoded skin, the caption buttons and the colour table: what the
// skin data component holds and every painter reads. An empty slot asks the painter for the
// standard look.
#include <memory>
#include <string>
#include <vector>

#include "core/elements/Colours.h"
#include "core/elements/SkinElements.h"

namespace vcu {

struct TSkinElements : TSkinColours {
  std::string SkinName;

  // Present for the whole life of the holder and refilled in place by every read.
  TDataSkinBorder LeftBorder{"Left"};
  TDataSkinBorder RightBorder{"Right"};
  TDataSkinBorder TopBorder{"Top"};
  TDataSkinBorder BottomBorder{"Bottom"};
  TDataSkinTitle TitleText{"Title"};
  TDataSkinButton Buttons{"Buttons"};

  // The skin's caption buttons in file order, then the three MDI child buttons (Action 7, 8
  // and 9) from index MdiButtonBase on.
  std::vector<TDataSkinSysButton> CaptionButtons;
  int MdiButtonBase = 0;

  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;
  std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
  std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
  std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
  std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
  std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
  std::unique_ptr<TDataSkinObject> TrackbarThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz;
  std::unique_ptr<TDataSkinBorder> UpDownVert;
  std::unique_ptr<TDataSkinObject> Track;
  std::unique_ptr<TDataSkinObject> TrackVert;
  // Derived after reading; created by the first load and refilled by later ones.
  std::unique_ptr<TDataSkinObject> ComboArrow;
  std::unique_ptr<TDataSkinObject> ToolbarGradient;
};

} // namespace vcu
