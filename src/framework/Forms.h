#pragma once
// Forms (top-level windows), the list of open forms, and the application object with its
// message loop and default error display.
#include <exception>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Menus.h"
#include "framework/StdCtrls.h"

namespace vcu {

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter };

class TForm : public TWinControl {
public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  unsigned BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(unsigned icons) { borderIcons_ = icons; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  int ClientWidthProp() const;
  void SetClientWidth(int width);
  int ClientHeightProp() const;
  void SetClientHeight(int height);
  RECT ClientRect() const override;
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int value) { textHeight_ = value; }
  void SetOnCreate(TNotifyEvent handler) { onCreate_ = std::move(handler); }
  // The menu bar: the window shows its native menu; a change of its items sends CM_MENUCHANGED
  // to the window, whose handling puts the rebuilt menu back on the window.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // Clicks the menu item of the key with the modifiers now held; true if one took it.
  bool IsShortCut(WORD key);
  void Notification(TComponent* component, TOperation operation) override;

  // Reads the stored layout named after the class (when the program carries one), then runs
  // OnCreate.
  void InitializeForm();
  void Show();
  void Hide() { SetVisible(false); }
  void Close();
  // Shows the form with every other form disabled until ModalResult is set.
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result);
  // Enter and Escape for the default and cancel buttons, Tab between controls; true if used.
  bool DialogKey(WPARAM key);
  void SetVisible(bool visible) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandle() override;
  void PaintWindow(HDC dc) override;
  void Dispatch(TMessage& message) override;

private:
  void WMClose(TMessage& message);
  void CMMenuChanged(TMessage& message);
  void AttachMenu();
  void CenterOnScreen();
  void SelectNext(bool forward);
  TButton* FindButton(bool defaultButton);

  unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TPosition position_ = poDesigned;
  int clientWidth_ = -1, clientHeight_ = -1;
  int pixelsPerInch_ = 96, textHeight_ = 13;
  int modalResult_ = mrNone;
  bool modal_ = false;
  TNotifyEvent onCreate_;
  TMainMenu* menu_ = nullptr;
};

// The form a control sits on, or null.
TForm* GetParentForm(TControl* control);

// The open forms, in the order they were created.
class TScreen {
public:
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  void AddForm(TForm* form) { forms_.push_back(form); }
  void RemoveForm(TForm* form);

private:
  std::vector<TForm*> forms_;
};

extern TScreen* Screen;

class TApplication : public TComponent {
public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override { DestroyComponents(); }
  static const TClassInfo& ClassInfo();
  const TClassInfo& ClassType() const override { return ClassInfo(); }

  // Starts COM for the GUI thread, as the terminal kit needs it.
  void Initialize();
  std::string Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  TForm* MainForm() const { return mainForm_; }
  void FormDestroyed(TForm* form);

  // Creates a form owned by the application, reads its layout and runs its OnCreate; the first
  // form created becomes the main form.
  template <class T> T* CreateForm() {
    T* form = new T(this);
    if (!mainForm_) mainForm_ = form;
    form->InitializeForm();
    return form;
  }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Takes and dispatches one message, waiting for it.
  void HandleMessage();
  // Dispatches every waiting message.
  void ProcessMessages();
  // The default error display for the exception being handled.
  void HandleException(TObject* sender);
  void ShowException(const std::exception& error);

private:
  bool ProcessMessage(MSG& msg);
  bool IsDialogKey(const MSG& msg);
  // A key that is a shortcut of the focused form's menu clicks its item.
  bool IsShortCut(const MSG& msg);

  std::string title_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

extern TApplication* Application;

} // namespace vcu
