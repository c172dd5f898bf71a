// Form1, the program's only window. It owns the eight settings: they are the values of its
// controls, read and written through the DriverSettings interface, with no copy anywhere else.
#pragma once

#include <windows.h>
// windows.h first: shellapi.h relies on it.
#include <shellapi.h>

#include <array>
#include <vector>

#include "driver_settings/DriverSettings.h"
#include "host/Host.h"
#include "window/Artwork_win.h"
#include "window/Layout_win.h"

namespace morvane {

// The most characters the number box next to the second slider takes.
constexpr int kNumberBoxLimit = 10;

class Form1 final : public DriverSettings {
 public:
  explicit Form1(Host& host);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Creates the window and every control with its initial value, hidden.
  bool create(HINSTANCE instance);
  void show();
  // The message loop of interactive mode; returns when the window is gone.
  int run();
  // Keyboard handling the loop does before dispatching: Ctrl+Tab, Alt+F4, Tab between controls.
  bool translate(MSG& message);

  HWND window() const { return window_; }
  HWND control(Ctl id) const { return controls_[static_cast<int>(id)]; }
  int dpi() const { return dpi_; }
  int selectedTab() const;

  std::int16_t number(Field field) const override;
  std::string text(Field field) const override;
  bool setNumber(Field field, std::int16_t value) override;
  bool setText(Field field, const std::string& value) override;

 private:
  static LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM w, LPARAM l);
  static LRESULT CALLBACK containerProc(HWND window, UINT message, WPARAM w, LPARAM l);
  static LRESULT CALLBACK tabProc(HWND window, UINT message, WPARAM w, LPARAM l);
  static LRESULT CALLBACK numberBoxProc(HWND window, UINT message, WPARAM w, LPARAM l);

  bool createContainerPages();
  HWND createControl(int index);
  HWND parentOf(Container container) const;
  RECT placeOf(const ControlEntry& entry) const;  // in its parent's client pixels
  int px(int twips) const { return MulDiv(twips, dpi_, kTwipsPerInch); }
  // The row of one of the form's controls, from its window id; -1 for any other window.
  int indexOf(int id, HWND window) const;
  int indexOf(HWND window) const { return window ? indexOf(GetDlgCtrlID(window), window) : -1; }
  static std::string textOf(HWND box);  // the whole text, however long
  Container containerOf(HWND window) const;

  // The window procedure only dispatches, to one handler per event.
  LRESULT dispatch(HWND window, UINT message, WPARAM w, LPARAM l);
  void onCommand(int id, int notification, HWND from);
  void onScroll(HWND bar, int code, int position);
  LRESULT onControlColour(HDC dc, HWND control);
  void onDrawItem(const DRAWITEMSTRUCT& item);
  void onEraseContainer(HWND container, HDC dc);
  void onDropFiles(HDROP drop);
  void selectTab(int tab);

  // The events, named for their controls.
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Check_Click(HWND box);
  void HScroll1_Change();
  void HScroll2_Change();
  void HScroll2_Scroll();
  void Text2_Change();
  void Text2_LostFocus();

  Host& host_;
  HINSTANCE instance_ = nullptr;
  HWND owner_ = nullptr;  // hidden, so that the form stays off the taskbar
  HWND window_ = nullptr;
  std::array<HWND, kContainerCount> containers_{};  // by Container
  POINT pageOffset_{};  // the tab pages' origin within SSTab1, in pixels
  std::vector<HWND> controls_ = std::vector<HWND>(kControlCount);  // by table index
  int dpi_ = 96;
  bool ready_ = false;  // events are ignored while the controls are being made
  Artwork artwork_;
};

}  // namespace morvane
