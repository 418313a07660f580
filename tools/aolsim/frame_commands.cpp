#include "aolsim/frame_commands.h"

#include <memory>
#include <string>
#include <vector>

#include "aolsim/chat_room_window.h"
#include "aolsim/client_windows.h"
#include "aolsim/code_page.h"
#include "aolsim/document_window.h"
#include "aolsim/file_io.h"
#include "aolsim/menu_quirks.h"
#include "aolsim/transcript_view.h"
#include "aolsim/welcome_window.h"
#include "aolsim/window_classes.h"
#include "aolsim/window_support.h"

namespace sonorix::aolsim {

namespace {

constexpr WPARAM kEnter = 13;

// Topmost first.
std::vector<ChatRoom*> Rooms(HWND mdiClient) {
  std::vector<ChatRoom*> rooms;
  for (HWND document : Documents(mdiClient)) {
    if (ChatRoom* room = DocumentOf(document)->AsChatRoom()) rooms.push_back(room);
  }
  return rooms;
}

ChatRoom* TopmostRoom(HWND mdiClient) {
  const auto rooms = Rooms(mdiClient);
  return rooms.empty() ? nullptr : rooms.front();
}

// With two rooms of one name, the upper one.
ChatRoom* RoomNamed(HWND mdiClient, std::string_view utf8Name) {
  const std::string name = Utf8ToAnsi(utf8Name);
  for (ChatRoom* room : Rooms(mdiClient)) {
    if (room->Name() == name) return room;
  }
  return nullptr;
}

class Executor {
 public:
  Executor(HWND frame, HWND mdiClient, Session& session)
      : frame_(frame), mdiClient_(mdiClient), session_(session) {}

  bool operator()(const SignOn& command) {
    CloseWelcomeWindows();
    session_.screenName = Utf8ToAnsi(command.name);
    return OpenDocument(mdiClient_, WelcomeCaption(session_.screenName),
                        std::make_unique<WelcomeWindow>()) != nullptr;
  }
  // Nothing to do when no one is signed on is a failure, like closing a room
  // that is not open: the caller's idea of the client was wrong.
  bool operator()(const SignOff&) { return CloseWelcomeWindows() > 0; }
  bool operator()(const OpenRoom& command) {
    std::string name = Utf8ToAnsi(command.name);
    auto room = std::make_unique<ChatRoom>(session_, name);
    return OpenDocument(mdiClient_, name, std::move(room)) != nullptr;
  }
  bool operator()(const CloseRoom& command) {
    ChatRoom* room = RoomNamed(mdiClient_, command.name);
    if (room != nullptr) CloseDocument(mdiClient_, room->Window());
    return room != nullptr;
  }
  bool operator()(const FrontRoom& command) {
    ChatRoom* room = RoomNamed(mdiClient_, command.name);
    if (room != nullptr) {
      SendMessageA(mdiClient_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(room->Window()), 0);
    }
    return room != nullptr;
  }
  bool operator()(const Say& command) {
    ChatRoom* room = TopmostRoom(mdiClient_);
    if (room != nullptr) room->AddMemberLine(Utf8ToAnsi(command.name), Utf8ToAnsi(command.html));
    return room != nullptr;
  }
  // The same path as another program typing: set the text, press Enter.
  bool operator()(const Type& command) {
    ChatRoom* room = TopmostRoom(mdiClient_);
    if (room == nullptr) return false;
    SetWindowTextA(room->InputWindow(), Utf8ToAnsi(command.text).c_str());
    SendMessageA(room->InputWindow(), WM_CHAR, kEnter, 0);
    return true;
  }
  bool operator()(const Clear&) {
    ChatRoom* room = TopmostRoom(mdiClient_);
    if (room != nullptr) SetWindowTextA(room->TranscriptWindow(), "");
    return room != nullptr;
  }
  bool operator()(const MaxLines& command) {
    session_.maxLines = command.count;
    for (ChatRoom* room : Rooms(mdiClient_))
      SetTranscriptLimit(room->TranscriptWindow(), command.count);
    return true;
  }
  bool operator()(const Dump& command) {
    const ChatRoom* room = TopmostRoom(mdiClient_);
    return room != nullptr &&
           WriteWholeFile(command.path, AnsiToUtf8(WindowText(room->TranscriptWindow())));
  }
  bool operator()(const Wait&) { return false; }
  // The sender of the command is let go first, so that it can watch the
  // hang; then this thread reads no message at all, sent or posted, until
  // the time is up or the wake event is set. The event exists before the
  // reply, so a driver that wakes the client at once is heard. Outside a
  // sent message the reply does nothing.
  bool operator()(const Hang& command) {
    const UniqueHandle wake(
        CreateEventW(nullptr, FALSE, FALSE, WakeEventName(GetCurrentProcessId()).c_str()));
    ReplyMessage(TRUE);
    const auto duration = static_cast<DWORD>(command.duration.count());
    if (wake) {
      WaitForSingleObject(wake.get(), duration);
    } else {
      Sleep(duration);
    }
    return true;
  }
  bool operator()(const Ignore& command) {
    session_.ignored.insert(command.part);
    return true;
  }
  bool operator()(const Quirk& command) {
    if (command.part == "hidden-menu" && MakeHiddenMenu(frame_) == nullptr) return false;
    session_.quirks.insert(command.part);
    return true;
  }
  bool operator()(const Transfer& command) {
    return OpenDocument(mdiClient_, TransferCaption(0),
                        MakeTransferWindow(Utf8ToAnsi(command.file))) != nullptr;
  }
  bool operator()(const Quit&) { return PostMessageA(frame_, WM_CLOSE, 0, 0) != 0; }

 private:
  int CloseWelcomeWindows() {
    int closed = 0;
    for (HWND document : Documents(mdiClient_)) {
      if (!DocumentOf(document)->IsWelcome()) continue;
      CloseDocument(mdiClient_, document);
      ++closed;
    }
    return closed;
  }

  HWND frame_;
  HWND mdiClient_;
  Session& session_;
};

}  // namespace

bool ExecuteCommand(HWND frame, HWND mdiClient, Session& session, const Command& command) {
  return std::visit(Executor(frame, mdiClient, session), command);
}

}  // namespace sonorix::aolsim
