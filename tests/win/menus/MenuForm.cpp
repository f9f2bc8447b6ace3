#include "MenuForm.h"

#include "framework/LayoutReader.h"

namespace vcu::test {

// PopupMenu names a component that comes later: references are set once all exist.
const char kMenuFormLayout[] = R"(object MenuForm: TMenuTestForm
  Caption = 'Menus'
  Left = 40
  Top = 40
  ClientWidth = 360
  ClientHeight = 220
  Menu = MainMenu1
  PopupMenu = PopupMenu1
  object MainMenu1: TMainMenu
    object mnuFile: TMenuItem
      Caption = '&File'
      object mnuOpen: TMenuItem
        Caption = '&Open...'
        ShortCut = 16463
        OnClick = ItemClick
      end
      object mnuRecent: TMenuItem
        Caption = '&Recent'
        object mnuRecent1: TMenuItem
          Caption = 'first.txt'
          OnClick = ItemClick
        end
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object mnuExit: TMenuItem
        Caption = 'E&xit'
        Enabled = False
        OnClick = ItemClick
      end
    end
    object mnuView: TMenuItem
      Caption = '&View'
      object mnuStatus: TMenuItem
        Caption = '&Status bar'
        Checked = True
        Default = True
        OnClick = ItemClick
      end
      object mnuHidden: TMenuItem
        Caption = 'Hidden'
        Visible = False
      end
      object mnuLarge: TMenuItem
        Caption = '&Large'
        RadioItem = True
        Checked = True
      end
    end
  end
  object pnlPlain: TPanel
    Left = 10
    Top = 10
    Width = 100
    Height = 60
  end
  object pnlOwn: TPanel
    Left = 150
    Top = 10
    Width = 100
    Height = 60
    PopupMenu = PanelMenu
  end
  object PanelMenu: TPopupMenu
    object mnuPanelOnly: TMenuItem
      Caption = '&Panel only'
      OnClick = ItemClick
    end
  end
  object PopupMenu1: TPopupMenu
    object mnuCopy: TMenuItem
      Caption = '&Copy'
      OnClick = ItemClick
    end
    object mnuPaste: TMenuItem
      Caption = '&Paste'
      OnClick = ItemClick
    end
  end
end
)";

const TClassInfo& TMenuTestForm::ClassInfo() {
  static const TClassInfo info("TMenuTestForm", &TForm::ClassInfo(), {});
  return info;
}

TNotifyEvent TMenuTestForm::MethodAddress(const std::string& name) {
  if (name == "ItemClick")
    return [this](TObject* sender) { clicks.push_back(static_cast<TComponent*>(sender)->Name()); };
  return TForm::MethodAddress(name);
}

TMenuTestForm* NewMenuForm(const char* layout) {
  auto* form = new TMenuTestForm(Application);
  try {
    ReadComponentLayout(*form, layout);
  } catch (...) {
    delete form;
    throw;
  }
  form->HandleNeeded();
  return form;
}

std::vector<NativeEntry> NativeEntries(HMENU menu) {
  std::vector<NativeEntry> entries;
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[128] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    entries.push_back(NativeEntry{text, info.fType, info.fState, info.wID, info.hSubMenu});
  }
  return entries;
}

} // namespace vcu::test
