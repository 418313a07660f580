#include "wine/program_fixture.h"

#include "core/win32/code_page.h"
#include "core/win32/message_pump.h"
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

Lines ProgramTest::Replies(const std::string& command, std::size_t expected) {
  const std::size_t before = Sent().size();
  EXPECT_TRUE(client_.Command("type " + command));
  Pump([&] { return Sent().size() >= before + 1 + expected; }, 15s);
  Pump([] { return false; }, 300ms);  // and nothing more arrives
  const Lines all = Sent();
  if (all.size() <= before) return {};
  return Lines(all.begin() + static_cast<std::ptrdiff_t>(before + 1), all.end());
}

void ProgramTest::Click(const wchar_t* caption) {
  SendMessageW(FindWindowExW(Player(), nullptr, L"Button", caption), BM_CLICK, 0, 0);
}

}  // namespace sonorix::testing
