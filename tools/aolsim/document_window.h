// The client's document windows: MDI children of one class, "AOL Child",
// whose kind (chat room or welcome window) only their children tell apart.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sonorix::aolsim {

class ChatRoom;

class Document {
 public:
  virtual ~Document() = default;

  // Makes the child controls; false fails the window's creation.
  virtual bool CreateControls(HWND window) = 0;
  virtual void Layout(int width, int height) = 0;
  virtual SIZE InitialSize() const = 0;
  // The messages a document handles itself; nullopt leaves one to the MDI
  // default.
  virtual std::optional<LRESULT> Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  virtual ChatRoom* AsChatRoom() { return nullptr; }
  virtual bool IsWelcome() const { return false; }
};

bool RegisterDocumentClass(HINSTANCE instance);

// Opens the document on top of the others and activates it; null if it
// could not be made.
HWND OpenDocument(HWND mdiClient, const std::string& caption, std::unique_ptr<Document> document);
void CloseDocument(HWND mdiClient, HWND document);

// The document of one of this program's document windows, else null.
Document* DocumentOf(HWND window);
// Topmost first.
std::vector<HWND> Documents(HWND mdiClient);

}  // namespace sonorix::aolsim
