// A chat room document: its caption is the room's name, and its children,
// made in this order, are the title label, the transcript, a combo box, the
// send icon, the input box and a picture.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "aolsim/document_window.h"
#include "aolsim/session.h"

namespace sonorix::aolsim {

class ChatRoom final : public Document {
 public:
  // name is Windows-1252. The session outlives every room.
  ChatRoom(Session& session, std::string name);

  bool CreateControls(HWND window) override;
  void Layout(int width, int height) override;
  SIZE InitialSize() const override { return SIZE{640, 440}; }
  std::optional<LRESULT> Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  ChatRoom* AsChatRoom() override { return this; }

  const std::string& Name() const { return name_; }
  HWND Window() const { return window_; }
  HWND TranscriptWindow() const { return controls_[kTranscript]; }
  HWND InputWindow() const { return controls_[kInput]; }

  // A line from another member; Windows-1252, html may hold tags.
  void AddMemberLine(std::string_view name, std::string_view html);

 private:
  enum Control { kTitle, kTranscript, kCombo, kSendIcon, kInput, kImage, kControlCount };

  // The input box's line goes out under the signed-on name: logged exactly
  // as typed, shown without tags, and the box is emptied.
  void SendInput();

  Session& session_;
  std::string name_;
  HWND window_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
};

}  // namespace sonorix::aolsim
