#include "ui/win32/input_box.h"

#include <vector>

#include "core/win32/code_page.h"

namespace sonorix {

namespace {

constexpr WORD kIdText = 100;
constexpr WORD kButtonClass = 0x0080, kEditClass = 0x0081, kStaticClass = 0x0082;

// An in-memory dialog template: the system has no input box of its own.
class DialogTemplate {
 public:
  DialogTemplate(std::wstring_view title, short width, short height, WORD items) {
    Align();
    AddDword(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    AddDword(WS_EX_TOPMOST);
    words_.insert(words_.end(), {items, 0, 0, static_cast<WORD>(width), static_cast<WORD>(height)});
    words_.insert(words_.end(), {0, 0});  // no menu, the standard class
    AddText(title);
    words_.push_back(8);
    AddText(L"MS Shell Dlg");
  }

  void AddItem(WORD kind, WORD id, DWORD style, const RECT& units, std::wstring_view text) {
    Align();
    AddDword(WS_CHILD | WS_VISIBLE | style);
    AddDword(0);
    for (const LONG value : {units.left, units.top, units.right, units.bottom}) {
      words_.push_back(static_cast<WORD>(value));
    }
    words_.insert(words_.end(), {id, 0xFFFF, kind});
    AddText(text);
    words_.push_back(0);  // no creation data
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Align() {
    if (words_.size() % 2 != 0) words_.push_back(0);
  }
  void AddDword(DWORD value) { words_.insert(words_.end(), {LOWORD(value), HIWORD(value)}); }
  void AddText(std::wstring_view text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
  }
  std::vector<WORD> words_;
};

struct Answer {
  std::wstring text;
  bool given = false;
};

std::wstring ItemText(HWND dialog, int id) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(GetDlgItem(dialog, id))) + 1,
                    L'\0');
  GetDlgItemTextW(dialog, id, text.data(), static_cast<int>(text.size()));
  return text.c_str();
}

INT_PTR CALLBACK InputProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    const auto* answer = reinterpret_cast<const Answer*>(lParam);
    SetDlgItemTextW(dialog, kIdText, answer->text.c_str());
    SendDlgItemMessageW(dialog, kIdText, EM_SETSEL, 0, -1);
    return TRUE;  // the focus goes to the text field, the first tab stop
  }
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  if (id != IDOK && id != IDCANCEL) return FALSE;
  auto* answer = reinterpret_cast<Answer*>(GetWindowLongPtrW(dialog, DWLP_USER));
  answer->given = id == IDOK;
  if (answer->given) answer->text = ItemText(dialog, kIdText);
  EndDialog(dialog, id);
  return TRUE;
}

}  // namespace

std::optional<std::string> InputBox(HWND owner, std::string_view prompt, std::string_view title,
                                    std::string_view defaultText) {
  DialogTemplate dialog(Utf8ToWide(title), 240, 80, 4);
  dialog.AddItem(kStaticClass, 0xFFFF, SS_LEFT, {7, 7, 170, 40}, Utf8ToWide(prompt));
  dialog.AddItem(kEditClass, kIdText, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, {7, 58, 226, 14},
                 L"");
  dialog.AddItem(kButtonClass, IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, {183, 7, 50, 14}, L"OK");
  dialog.AddItem(kButtonClass, IDCANCEL, WS_TABSTOP | BS_PUSHBUTTON, {183, 25, 50, 14}, L"Cancel");
  Answer answer{Utf8ToWide(defaultText)};
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), owner, InputProcedure,
                          reinterpret_cast<LPARAM>(&answer));
  if (!answer.given) return std::nullopt;
  return WideToUtf8(answer.text);
}

}  // namespace sonorix
