#include "aolsim/document_window.h"

#include "aolsim/window_classes.h"
#include "aolsim/window_support.h"

namespace sonorix::aolsim {

namespace {

// The MDI client hands CreateWindow an MDICREATESTRUCT whose lParam carries
// the document; the window takes it over here.
bool AdoptDocument(HWND window, LPARAM lParam) {
  const auto* create = CreationParameter<MDICREATESTRUCTA>(lParam);
  auto* document = create ? reinterpret_cast<std::unique_ptr<Document>*>(create->lParam) : nullptr;
  if (document == nullptr || !*document) return false;
  AttachState(window, std::move(*document));
  return true;
}

LRESULT HandleDocumentMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE && !AdoptDocument(window, lParam)) return FALSE;
  if (message == WM_NCDESTROY) {
    const auto document = DetachState<Document>(window);
    return DefMDIChildProcA(window, message, wParam, lParam);
  }
  Document* const document = StateOf<Document>(window);
  if (document == nullptr) return DefMDIChildProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      return document->CreateControls(window) ? 0 : -1;
    case WM_SIZE:
      // The MDI default needs WM_SIZE as well, for maximised children.
      document->Layout(LOWORD(lParam), HIWORD(lParam));
      break;
    default:
      if (const auto result = document->Handle(window, message, wParam, lParam)) return *result;
  }
  return DefMDIChildProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK DocumentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded(message == WM_CREATE ? -1 : 0,
                 [&] { return HandleDocumentMessage(window, message, wParam, lParam); });
}

}  // namespace

std::optional<LRESULT> Document::Handle(HWND, UINT, WPARAM, LPARAM) { return std::nullopt; }

bool RegisterDocumentClass(HINSTANCE instance) {
  return RegisterClassNamed(instance, kDocumentClass, DocumentProc, 0,
                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

HWND OpenDocument(HWND mdiClient, const std::string& caption, std::unique_ptr<Document> document) {
  const SIZE size = document->InitialSize();
  MDICREATESTRUCTA create{};
  create.szClass = kDocumentClass;
  create.szTitle = caption.c_str();
  create.hOwner = GetModuleHandleA(nullptr);
  create.x = CW_USEDEFAULT;
  create.y = CW_USEDEFAULT;
  create.cx = size.cx;
  create.cy = size.cy;
  // Should creation fail before WM_NCCREATE, `document` still owns the object.
  create.lParam = reinterpret_cast<LPARAM>(&document);
  return reinterpret_cast<HWND>(
      SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

void CloseDocument(HWND mdiClient, HWND document) {
  SendMessageA(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
}

Document* DocumentOf(HWND window) {
  char className[32] = {};
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !GetClassNameA(window, className, sizeof className) ||
      lstrcmpiA(className, kDocumentClass) != 0) {
    return nullptr;
  }
  return StateOf<Document>(window);
}

std::vector<HWND> Documents(HWND mdiClient) {
  std::vector<HWND> documents;
  for (HWND child = GetWindow(mdiClient, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (DocumentOf(child)) documents.push_back(child);
  }
  return documents;
}

}  // namespace sonorix::aolsim
