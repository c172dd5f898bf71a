// Form1: creating the window from the layout table, and the settings as the controls' values.
#include "window/Form1_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "host/Compat_win.h"

namespace morvane {

namespace {

const char* const kFormClass = "MorvaneForm1";
const char* const kContainerClass = "MorvaneContainer";

// Files dropped on the window. Since Vista an elevated window (the manifest asks for
// administrator rights) gets no messages from the ordinary Explorer unless it lets them through;
// the filter function is looked up because older systems have none and need none.
void acceptDroppedFiles(HWND window) {
  DragAcceptFiles(window, TRUE);
  using Filter = BOOL(WINAPI*)(UINT message, DWORD flag);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  const auto allow = reinterpret_cast<Filter>(
      reinterpret_cast<void (*)()>(GetProcAddress(user32, "ChangeWindowMessageFilter")));
  if (!allow)
    return;
  constexpr DWORD kAdd = 1;                 // MSGFLT_ADD
  constexpr UINT kCopyGlobalData = 0x0049;  // WM_COPYGLOBALDATA, which carries the file list
  for (UINT message :
       {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), kCopyGlobalData}) {
    allow(message, kAdd);
  }
}

struct KindStyle {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

KindStyle styleOf(Kind kind) {
  switch (kind) {
    case Kind::tab:
      return {WC_TABCONTROLA, WS_TABSTOP | WS_CLIPSIBLINGS, 0};
    case Kind::button:
      return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case Kind::check:
      return {"BUTTON", BS_3STATE | WS_TABSTOP, 0};
    case Kind::label:
      return {"STATIC", 0, 0};
    case Kind::combo:
      return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case Kind::edit:
      return {"EDIT", WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::scroll:
      return {"SCROLLBAR", SBS_HORZ | WS_TABSTOP, 0};
    case Kind::picture:
    case Kind::image:
      return {"STATIC", SS_OWNERDRAW, 0};
    case Kind::panel:
    case Kind::frame:
      return {kContainerClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
  }
  return {"STATIC", 0, 0};
}

}  // namespace

Form1::Form1(Host& host) : host_(host) {}

Form1::~Form1() {
  if (window_)
    DestroyWindow(window_);
  if (owner_)
    DestroyWindow(owner_);
}

bool Form1::create(HINSTANCE instance) {
  instance_ = instance;
  artwork_.setInstance(instance);
  initCommonControls();

  WNDCLASSA form = {};
  form.lpfnWndProc = formProc;
  form.hInstance = instance;
  form.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  form.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = kFormClass;
  RegisterClassA(&form);
  WNDCLASSA container = form;
  container.lpfnWndProc = containerProc;
  container.hIcon = nullptr;
  container.lpszClassName = kContainerClass;
  RegisterClassA(&container);

  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  artwork_.createFonts(dpi_);

  // Centred on the work area.
  const DWORD style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT outer = {0, 0, px(kFormWidth), px(kFormHeight)};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;

  // An owned window never gets a taskbar button of its own.
  owner_ = CreateWindowExA(0, "STATIC", "Morvane", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                           nullptr);
  window_ = CreateWindowExA(exStyle, kFormClass, "Morvane", style, left, top, width, height, owner_,
                            nullptr, instance, this);
  if (!window_)
    return false;
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(form.hIcon));
  acceptDroppedFiles(window_);

  for (int i = 0; i < kControlCount; ++i) {
    if (kControls[i].kind == Kind::image)
      continue;  // drawn by its container
    controls_[i] = createControl(i);
    if (!controls_[i])
      return false;
    if (kControls[i].kind == Kind::tab && !createContainerPages())
      return false;
  }

  // Initial values, through the same writes every command uses.
  HWND text2 = control(Ctl::Text2);
  for (const FieldInfo& info : kFields) {
    if (info.rule == Rule::slider)
      SendMessageA(control(controlOf(info.field)), SBM_SETRANGE, 0, info.maximum);
    if (isNumber(info.field)) {
      setNumber(info.field, info.initialNumber);
    } else {
      setText(info.field, info.initialText);
    }
  }
  // No value the slider takes needs more than six characters ("-0.499" or "256.49"); a few more
  // leave room to type, and a paste of a long text is cut at once instead of keeping the edit
  // control busy for minutes.
  SendMessageA(text2, EM_LIMITTEXT, kNumberBoxLimit, 0);
  SetWindowLongPtrA(
      text2, GWLP_USERDATA,
      SetWindowLongPtrA(text2, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(numberBoxProc)));
  selectTab(0);
  ready_ = true;
  return true;
}

bool Form1::createContainerPages() {
  HWND tab = control(Ctl::SSTab1);
  for (const Page& page : kPages) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(page.caption);
    SendMessageA(tab, TCM_INSERTITEMA, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0),
                 reinterpret_cast<LPARAM>(&item));
  }
  SetWindowLongPtrA(tab, GWLP_USERDATA,
                    SetWindowLongPtrA(tab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tabProc)));

  // Each tab's controls live on a page laid over the tab control's display area; their places
  // stay relative to the tab control's corner, so the page's own origin is subtracted.
  RECT tabPlace = placeOf(entryOf(Ctl::SSTab1));
  RECT display = {0, 0, tabPlace.right - tabPlace.left, tabPlace.bottom - tabPlace.top};
  SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  pageOffset_ = {display.left, display.top};
  for (int i = 0; i < kPageCount; ++i) {
    HWND window = CreateWindowExA(
        WS_EX_CONTROLPARENT, kContainerClass, "", WS_CHILD | WS_CLIPSIBLINGS,
        tabPlace.left + display.left, tabPlace.top + display.top, display.right - display.left,
        display.bottom - display.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstPageId + i)), instance_, this);
    if (!window)
      return false;
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    containers_[static_cast<int>(kPages[i].container)] = window;
  }
  return true;
}

HWND Form1::createControl(int index) {
  const ControlEntry& entry = kControls[index];
  const KindStyle kind = styleOf(entry.kind);
  DWORD exStyle = kind.exStyle | (entry.bordered ? WS_EX_CLIENTEDGE : 0);
  const RECT place = placeOf(entry);
  int height = place.bottom - place.top;
  if (entry.kind == Kind::combo)
    height += px(1500);  // room for the (empty) drop-down list
  HWND window = CreateWindowExA(
      exStyle, kind.className, entry.text, WS_CHILD | WS_VISIBLE | kind.style | entry.style,
      place.left, place.top, place.right - place.left, height, parentOf(entry.container),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)), instance_, this);
  if (!window)
    return nullptr;
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(artwork_.font(entry.font)), FALSE);
  if (entry.provides != Container::form)
    containers_[static_cast<int>(entry.provides)] = window;
  return window;
}

HWND Form1::parentOf(Container container) const {
  return container == Container::form ? window_ : containers_[static_cast<int>(container)];
}

RECT Form1::placeOf(const ControlEntry& entry) const {
  RECT place = {px(entry.left), px(entry.top), px(entry.left + entry.width),
                px(entry.top + entry.height)};
  if (isPage(entry.container))
    OffsetRect(&place, -pageOffset_.x, -pageOffset_.y);
  return place;
}

void Form1::show() {
  ShowWindow(window_, SW_SHOW);  // which also activates it
  SetFocus(control(Ctl::SSTab1));
}

int Form1::run() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (translate(message))
      continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

int Form1::indexOf(int id, HWND window) const {
  const int index = id - kFirstControlId;
  // Another window may carry the same id (a combo box's own edit box, a dialog's button).
  if (index < 0 || index >= kControlCount || !window || controls_[index] != window)
    return -1;
  return index;
}

Container Form1::containerOf(HWND window) const {
  const int index = indexOf(window);
  if (index >= 0)
    return kControls[index].provides;
  const int page = GetDlgCtrlID(window) - kFirstPageId;
  if (page >= 0 && page < kPageCount &&
      containers_[static_cast<int>(kPages[page].container)] == window)
    return kPages[page].container;
  return Container::form;
}

int Form1::selectedTab() const {
  return static_cast<int>(SendMessageA(control(Ctl::SSTab1), TCM_GETCURSEL, 0, 0));
}

std::int16_t Form1::number(Field field) const {
  HWND box = control(controlOf(field));
  if (fieldInfo(field).rule == Rule::slider) {
    return static_cast<std::int16_t>(SendMessageA(box, SBM_GETPOS, 0, 0));
  }
  return static_cast<std::int16_t>(SendMessageA(box, BM_GETCHECK, 0, 0));
}

std::string Form1::textOf(HWND box) {
  std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(box)) + 1, '\0');
  const int length = GetWindowTextA(box, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0u);
}

std::string Form1::text(Field field) const {
  return textOf(control(controlOf(field)));
}

bool Form1::setNumber(Field field, std::int16_t value) {
  // The rule decides before the control is touched: a scroll bar would clamp silently.
  if (!accepts(field, value))
    return false;
  HWND box = control(controlOf(field));
  if (fieldInfo(field).rule != Rule::slider) {
    SendMessageA(box, BM_SETCHECK, value, 0);
    return true;
  }
  if (number(field) == value)
    return true;  // no change, so no change event
  SendMessageA(box, SBM_SETPOS, value, TRUE);
  if (field == Field::quad2Linear) {
    HScroll2_Change();
  } else {
    HScroll1_Change();
  }
  return true;
}

bool Form1::setText(Field field, const std::string& value) {
  if (isNumber(field))
    return false;
  return SetWindowTextA(control(controlOf(field)), value.c_str()) != 0;
}

}  // namespace morvane
