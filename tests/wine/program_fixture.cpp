#include "wine/program_fixture.h"

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

// The program handles the room's lines one after another, so once "date",
// typed after the command, is answered, every reply to the command is in,
// even one that came after "date" itself. The answer is told by its end,
// today's date.
Lines ProgramTest::Replies(const std::string& command, std::size_t expected) {
  const std::size_t before = Sent().size();
  EXPECT_TRUE(client_.Command("type " + command));
  Pump([&] { return Sent().size() >= before + 1 + expected; }, 15s);
  EXPECT_TRUE(client_.Command("type date"));
  std::string today(1, '>');  // appended, not "+": GCC 12 misreads that as an overlapping copy
  today += LowerCase(Win32Clock().ShortDateText());
  Lines replies;
  const auto answered = [&] {
    const Lines sent = Sent();
    replies.clear();
    bool marked = false;
    for (std::size_t i = before + 1; i < sent.size(); ++i) {
      if (marked && sent[i].ends_with(today)) return true;
      if (!marked && sent[i] == "date") {
        marked = true;
      } else {
        replies.push_back(sent[i]);
      }
    }
    return false;
  };
  EXPECT_TRUE(Pump(answered, 15s)) << "\"date\" after \"" << command << "\" was not answered";
  return replies;
}

void ProgramTest::Click(const wchar_t* caption) {
  SendMessageW(FindWindowExW(Player(), nullptr, L"Button", caption), BM_CLICK, 0, 0);
}

}  // namespace sonorix::testing
