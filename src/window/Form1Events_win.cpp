// Form1's window procedures, which only dispatch, and one small handler per event.
#include <windows.h>
// windows.h first: commctrl.h relies on it.
#include <commctrl.h>
#include <shellapi.h>

#include "driver_settings/Apply.h"
#include "host/Compat_win.h"
#include "launch/RunApp.h"
#include "setting_files/FileCommands.h"
#include "text/Digits.h"
#include "window/Form1_win.h"

namespace morvane {

namespace {

Form1* formOf(HWND window) {
  return reinterpret_cast<Form1*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

Form1* formFromCreate(HWND window, UINT message, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(l);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return formOf(window);
}

// Subclassed controls keep their own procedure in their user data; the form is their root.
LRESULT callOriginal(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return CallWindowProcA(original, window, message, w, l);
}

}  // namespace

LRESULT CALLBACK Form1::formProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  Form1* form = formFromCreate(window, message, l);
  return form ? form->dispatch(window, message, w, l) : DefWindowProcA(window, message, w, l);
}

LRESULT CALLBACK Form1::containerProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  Form1* form = formFromCreate(window, message, l);
  if (!form)
    return DefWindowProcA(window, message, w, l);
  switch (message) {
    case WM_ERASEBKGND:
      form->onEraseContainer(window, reinterpret_cast<HDC>(w));
      return 1;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
    case WM_NOTIFY:
      // Everything the controls report goes to the form, wherever they sit.
      return form->dispatch(form->window_, message, w, l);
    default:
      return DefWindowProcA(window, message, w, l);
  }
}

LRESULT CALLBACK Form1::tabProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  const LRESULT result = callOriginal(window, message, w, l);
  // TCM_SETCURSEL tells nobody; the page must follow all the same.
  if (message == TCM_SETCURSEL) {
    if (Form1* form = formOf(rootWindow(window)))
      form->selectTab(form->selectedTab());
  }
  return result;
}

LRESULT CALLBACK Form1::numberBoxProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  const LRESULT result = callOriginal(window, message, w, l);
  // A multi-line box would keep Tab and Enter for itself; they belong to the window.
  if (message == WM_GETDLGCODE)
    return result & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
  return result;
}

LRESULT Form1::dispatch(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
      return 0;
    case WM_HSCROLL:
      if (l)
        onScroll(reinterpret_cast<HWND>(l), LOWORD(w), static_cast<short>(HIWORD(w)));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return onControlColour(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_DRAWITEM:
      onDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<NMHDR*>(l);
      if (header->hwndFrom == control(Ctl::SSTab1) && header->code == TCN_SELCHANGE) {
        selectTab(selectedTab());
      }
      return 0;
    }
    case WM_DROPFILES:
      onDropFiles(reinterpret_cast<HDROP>(w));
      return 0;
    case WM_CLOSE:  // Alt+F4 or the task list: the same as "Close"
      Command2_Click();
      return 0;
    case WM_DESTROY:
      if (window == window_)
        PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, w, l);
  }
}

bool Form1::translate(MSG& message) {
  if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
    return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
    // Ctrl+Shift+Tab steps back, which on a ring is all the way round but one.
    const int step = GetKeyState(VK_SHIFT) < 0 ? kPageCount - 1 : 1;
    SendMessageA(control(Ctl::SSTab1), TCM_SETCURSEL, (selectedTab() + step) % kPageCount, 0);
    return true;
  }
  if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F4) {
    Command2_Click();
    return true;
  }
  return IsDialogMessageA(window_, &message) != 0;
}

void Form1::onCommand(int id, int notification, HWND from) {
  if (!ready_)
    return;
  if (id == IDOK) {
    // Enter: the dialog manager asks for the default action; ours is the focused button's.
    HWND focus = GetFocus();
    const int index = indexOf(focus);
    if (index >= 0 && kControls[index].kind == Kind::button) {
      onCommand(kFirstControlId + index, BN_CLICKED, focus);
    }
    return;
  }
  const int index = id - kFirstControlId;
  if (index < 0 || index >= kControlCount)
    return;
  const Ctl ctl = static_cast<Ctl>(index);
  if (notification == EN_CHANGE && ctl == Ctl::Text2) {
    Text2_Change();
    return;
  }
  if (notification == EN_KILLFOCUS && ctl == Ctl::Text2) {
    Text2_LostFocus();
    return;
  }
  if (notification != BN_CLICKED)
    return;
  if (kControls[index].kind == Kind::check) {
    Check_Click(from);
    return;
  }
  switch (ctl) {
    case Ctl::Command1:
      Command1_Click();
      break;
    case Ctl::Command2:
      Command2_Click();
      break;
    case Ctl::Command3:
      Command3_Click();
      break;
    case Ctl::Command4:
      Command4_Click();
      break;
    case Ctl::Command5:
      Command5_Click();
      break;
    case Ctl::Command6:
      Command6_Click();
      break;
    default:
      break;
  }
}

void Form1::onScroll(HWND bar, int code, int position) {
  if (!ready_)
    return;
  const int index = indexOf(bar);
  if (index < 0 || !kControls[index].holdsField)
    return;
  const Field field = kControls[index].field;
  const int current = number(field);
  int next = current;
  switch (code) {
    case SB_LINELEFT:
    case SB_PAGELEFT:  // a click in the track moves by one as well
      next = current - 1;
      break;
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
      next = current + 1;
      break;
    case SB_LEFT:
      next = 0;
      break;
    case SB_RIGHT:
      next = fieldInfo(field).maximum;
      break;
    case SB_THUMBTRACK:
      // Dragging: the thumb moves with the mouse and the number box follows at each step.
      if (!accepts(field, position))
        return;
      SendMessageA(bar, SBM_SETPOS, position, TRUE);
      if (field == Field::quad2Linear)
        HScroll2_Scroll();
      return;
    case SB_THUMBPOSITION:
      next = position;
      break;
    default:
      return;
  }
  setNumber(field, static_cast<std::int16_t>(next));  // refused past either end
}

LRESULT Form1::onControlColour(HDC dc, HWND control) {
  const int index = indexOf(control);
  const bool onWhite = GetParent(control) == containers_[static_cast<int>(Container::picture1)];
  if (index >= 0 && kControls[index].kind == Kind::label) {
    const ControlEntry& entry = kControls[index];
    SetTextColor(dc, entry.color == kWindowText ? GetSysColor(COLOR_WINDOWTEXT) : entry.color);
    if (entry.transparent) {
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
  }
  SetBkColor(dc, onWhite ? RGB(255, 255, 255) : GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(onWhite ? artwork_.whiteBrush()
                                           : GetSysColorBrush(COLOR_BTNFACE));
}

void Form1::onDrawItem(const DRAWITEMSTRUCT& item) {
  const int index = indexOf(static_cast<int>(item.CtlID), item.hwndItem);
  if (index < 0 || !kControls[index].image)
    return;
  const bool onWhite =
      GetParent(item.hwndItem) == containers_[static_cast<int>(Container::picture1)];
  artwork_.drawPicture(item.hDC, kControls[index].image, item.rcItem,
                       onWhite ? RGB(255, 255, 255) : GetSysColor(COLOR_BTNFACE));
}

void Form1::onEraseContainer(HWND container, HDC dc) {
  // Everything a container shows of its own is drawn here, before its child windows paint:
  // the background, the frame's edge, the windowless images and the lines.
  RECT client;
  GetClientRect(container, &client);
  const Container which = containerOf(container);
  const bool white = which == Container::picture1;
  FillRect(dc, &client, white ? artwork_.whiteBrush() : GetSysColorBrush(COLOR_BTNFACE));
  if (which == Container::frame1 || which == Container::frame2) {
    DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT);
  }
  for (int i = 0; i < kControlCount; ++i) {
    const ControlEntry& entry = kControls[i];
    if (entry.kind == Kind::image && entry.container == which) {
      artwork_.drawPicture(dc, entry.image, placeOf(entry),
                           white ? RGB(255, 255, 255) : GetSysColor(COLOR_BTNFACE));
    }
  }
  drawLines(dc, which, dpi_);
}

void Form1::onDropFiles(HDROP drop) {
  // Several files dropped at once: the first one counts.
  std::string path;
  const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
  if (length != 0 && length != 0xFFFFFFFF) {
    std::vector<char> name(length + 1, '\0');
    path.assign(name.data(), DragQueryFileA(drop, 0, name.data(), length + 1));
  }
  DragFinish(drop);
  morvane::dropFile(path, *this, host_);
}

void Form1::selectTab(int tab) {
  HWND focus = GetFocus();
  for (int i = 0; i < kPageCount; ++i) {
    HWND page = containers_[static_cast<int>(kPages[i].container)];
    ShowWindow(page, i == tab ? SW_SHOW : SW_HIDE);
    if (i != tab && focus && (focus == page || IsChild(page, focus))) {
      SetFocus(control(Ctl::SSTab1));
    }
  }
}

void Form1::Command1_Click() {
  morvane::Command1_Click(*this, host_);
}
void Form1::Command2_Click() {
  host_.endProcess();
}
void Form1::Command3_Click() {
  morvane::Command3_Click(*this, host_);
}
void Form1::Command4_Click() {
  morvane::Command4_Click(*this, host_);
}
void Form1::Command5_Click() {
  morvane::Command5_Click(*this, host_);
}
void Form1::Command6_Click() {
  morvane::Command6_Click(*this, host_);
}

void Form1::Check_Click(HWND box) {
  // A click checks a grayed box, and otherwise toggles between checked and unchecked.
  const LRESULT state = SendMessageA(box, BM_GETCHECK, 0, 0);
  SendMessageA(box, BM_SETCHECK, state == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
}

// Nothing else on the form shows the first slider's value, so its change has nothing to update.
void Form1::HScroll1_Change() {}

void Form1::HScroll2_Change() {
  const std::string digits = printInteger(number(Field::quad2Linear));
  HWND box = control(Ctl::Text2);
  // Rewriting the same text would move the caret while the user types.
  if (textOf(box) != digits)
    SetWindowTextA(box, digits.c_str());
}

void Form1::HScroll2_Scroll() {
  HScroll2_Change();
}

void Form1::Text2_Change() {
  // Text that does not convert, or a number the slider refuses, leaves the slider where it is.
  setNumberFromText(*this, Field::quad2Linear, textOf(control(Ctl::Text2)));
}

void Form1::Text2_LostFocus() {
  // While the box has the focus any text may stand in it; once the user moves on it shows the
  // value the slider holds, which is what Apply writes.
  HScroll2_Change();
}

}  // namespace morvane
