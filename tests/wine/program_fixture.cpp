#include "wine/program_fixture.h"

#include "aolsim/window_classes.h"
#include "chattext/text_helpers.h"
#include "core/win32/code_page.h"
#include "core/win32/message_pump.h"
#include "core/win32/win32_clock.h"
#include "testutil.h"

namespace sonorix::testing {

using namespace std::chrono_literals;

const Style kTestStyle{"sonorix", "sonorix", kTestAcolor, kTestAscii, kTestFcolor};

bool Pump(const std::function<bool()>& predicate, std::chrono::milliseconds timeout) {
  return WaitUntil(predicate, timeout, [] { PumpPendingMessages(); });
}

HWND ClientTranscript() {
  HWND found = nullptr;
  EnumChildWindows(
      FindWindowA(aolsim::kFrameClass, nullptr),
      [](HWND child, LPARAM into) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        if (std::string_view(name) != aolsim::kTranscriptClass) return TRUE;
        *reinterpret_cast<HWND*>(into) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::uintptr_t LengthQuestionsAsked(HWND transcript) {
  return reinterpret_cast<std::uintptr_t>(GetPropW(transcript, aolsim::kLengthQuestionsProperty));
}

void ProgramTest::StartWith(const Songs& songs) {
  ASSERT_TRUE(client_.Started());
  music_ = MakeMusicFolder(songs);
  folder_ = std::make_unique<ProgramFolder>(music_);
  app_ = std::make_unique<SonorixApp>(folder_->Path());
  ASSERT_TRUE(app_->Start(SonorixApp::Splash::Skip));
  ASSERT_TRUE(Pump([&] { return Sent().size() == 2; }, 10s));
}

Lines ProgramTest::Sent() const {
  Lines lines;
  for (const auto& line : client_.SentLines()) lines.push_back(AnsiToUtf8(line));
  return lines;
}

Lines ProgramTest::Replies(const std::string& command, std::size_t expected) {
  const std::size_t before = Sent().size();
  EXPECT_TRUE(client_.Command("type " + command));
  Pump([&] { return Sent().size() >= before + 1 + expected; }, 15s);
  return SentBeforeDate(before + 1, "\"" + command + "\"");
}

// The program handles the room's lines one after another, so once "date" is
// answered, everything owed before it is in, even a line that came after
// "date" itself. The answer is told by its end, today's date.
Lines ProgramTest::SentBeforeDate(std::size_t from, const std::string& after) {
  EXPECT_TRUE(client_.Command("type date"));
  std::string today(1, '>');  // appended, not "+": GCC 12 misreads that as an overlapping copy
  today += LowerCase(Win32Clock().ShortDateText());
  Lines replies;
  const auto answered = [&] {
    const Lines sent = Sent();
    replies.clear();
    bool marked = false;
    for (std::size_t i = from; i < sent.size(); ++i) {
      if (marked && sent[i].ends_with(today)) return true;
      if (!marked && sent[i] == "date") {
        marked = true;
      } else {
        replies.push_back(sent[i]);
      }
    }
    return false;
  };
  EXPECT_TRUE(Pump(answered, 15s)) << "\"date\" after " << after << " was not answered";
  return replies;
}

bool ProgramTest::AwaitChatScan() {
  const HWND transcript = ClientTranscript();
  const std::uintptr_t before = LengthQuestionsAsked(transcript);
  return Pump([&] { return LengthQuestionsAsked(transcript) >= before + 4; }, 30s);
}

void ProgramTest::Click(const wchar_t* caption) {
  SendMessageW(FindWindowExW(Player(), nullptr, L"Button", caption), BM_CLICK, 0, 0);
}

}  // namespace sonorix::testing
