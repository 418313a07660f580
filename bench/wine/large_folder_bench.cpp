// A music folder of 100,000 songs beside one of 6, both in the same run:
// from the program's start to a full list, the replies to the commands that
// read the list, and the memory it takes.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "testutil.h"
#include "wine/aolsim_process.h"
#include "wine/bench_report.h"
#include "wine/bench_summary.h"
#include "wine/program_folder.h"
#include "wine/program_process.h"

namespace sonorix::bench {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kTimes = 10;
// In this order: "rst" restarts what the first one started.
const std::vector<std::string> kCommands = {"p zz real tune", "rst", "r zz real tune", "songs?",
                                            "p no such tune"};

struct Figures {
  double listed = 0;            // ms from the start to every song in the list
  double started = 0;           // ms from the start to its start-up lines
  std::vector<double> replies;  // the median ms of each command
  std::vector<double> slowest;
  double resident = 0;  // MiB
  int threads = 0;
};

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool ListHolds(const ProgramProcess& program, int songs) {
  const HWND list = program.Songs();
  return list != nullptr && SendMessageW(list, LB_GETCOUNT, 0, 0) == songs;
}

Figures Measure(const std::string& music, int songs) {
  testing::AolSimProcess client("--name Dorvin --room Lobby");
  const testing::ProgramFolder folder(music);
  Figures figures;
  const auto start = Clock::now();
  const ProgramProcess program(testing::Quoted(folder.InstallExe("Sonorix.exe")));
  testing::WaitUntil([&] { return ListHolds(program, songs); }, 300s);
  figures.listed = MillisecondsSince(start);
  testing::WaitUntil([&] { return client.SentLines().size() >= 2; }, 300s);
  figures.started = MillisecondsSince(start);
  Room room;
  for (const auto& command : kCommands) {
    const auto latencies = ReplyLatencies(client, room, command, kTimes);
    figures.replies.push_back(Percentile(latencies, 0.5));
    figures.slowest.push_back(Percentile(latencies, 1));
  }
  figures.resident = ResidentMiB(program.Handle());
  figures.threads = ThreadCount(program.Handle());
  return figures;
}

void Compare(const std::string& what, double large, double small, const std::string& unit) {
  Report(what + ", 100,000 songs", large, unit);
  Report(what + ", 6 songs (baseline)", small, unit);
  Report(what + ", ratio", large / small, "x");
}

}  // namespace

std::string SmallMusicFolder() {
  return testing::MakeMusicFolder({{"cbr128.mp3", "a.mp3"},
                                   {"cbr128.mp3", "b.mp3"},
                                   {"cbr128.mp3", "c.mp3"},
                                   {"cbr128.mp3", "d.mp3"},
                                   {"cbr128.mp3", "e.mp3"},
                                   {"long.mp3", "zz real tune.mp3"}});
}

// The large folder's files are empty but for one real song added here.
void RunLargeFolderBench(const std::string& folder, int emptySongs) {
  CopyFileA(testing::TestMp3("long.mp3").c_str(), (folder + "\\zz real tune.mp3").c_str(), FALSE);
  const Figures large = Measure(folder, emptySongs + 1);
  const Figures small = Measure(SmallMusicFolder(), 6);
  Compare("start to a full list", large.listed, small.listed, "ms");
  Compare("start to the start-up lines", large.started, small.started, "ms");
  for (std::size_t i = 0; i < kCommands.size(); ++i) {
    Compare("\"" + kCommands[i] + "\" reply, median", large.replies[i], small.replies[i], "ms");
    Compare("\"" + kCommands[i] + "\" reply, slowest", large.slowest[i], small.slowest[i], "ms");
  }
  Compare("resident memory", large.resident, small.resident, "MiB");
  // Wine keeps much of what reading a large folder took, whoever reads it:
  // the floor for the large folder is the minimal program that read it first.
  const PlaybackFigures bare = MeasureFloor();
  const double floor = bare.resident;
  const double listedFloor = MeasureFloor(folder).resident;
  // Under Wine each thread keeps about a mebibyte resident, however little
  // stack it has: the program's own workers (the playback's and the one
  // that calls the client) stand in the way of a floor that has neither.
  const int extra = std::max(0, small.threads - bare.threads);
  const double threadedFloor = MeasureFloor("", extra).resident;
  const double threadedListedFloor = MeasureFloor(folder, extra).resident;
  Report("threads while playing, 100,000 songs", large.threads, "threads");
  Report("threads while playing, 6 songs", small.threads, "threads");
  Report("threads while playing, minimal playback program", bare.threads, "threads");
  Report("resident memory, minimal playback program", floor, "MiB");
  Report("the same having read the 100,000 songs' folder first", listedFloor, "MiB");
  Report("the same with as many threads as the program", threadedFloor, "MiB");
  Report("the same, having read the folder, with as many threads", threadedListedFloor, "MiB");
  Report("resident memory, 100,000 songs - that floor", large.resident - listedFloor, "MiB");
  Report("resident memory, 6 songs - minimal program", small.resident - floor, "MiB");
  AddSummary({"resident memory, 100,000 songs", large.resident, floor, "MiB", "-",
              "(beside the bare floor)", true});
  AddSummary({"  beside the floor that read the folder too", large.resident, listedFloor, "MiB",
              "-", "floor + 15 MiB", large.resident <= listedFloor + 15});
  AddSummary({"  the same floor with " + std::to_string(extra) + " more threads", large.resident,
              threadedListedFloor, "MiB", "-", "(floor of the threads)", true});
  AddSummary({"resident memory, 6 songs", small.resident, floor, "MiB", "-", "floor + 8 MiB",
              small.resident <= floor + 8});
  AddSummary({"  the floor with " + std::to_string(extra) + " more threads", small.resident,
              threadedFloor, "MiB", "-", "(floor of the threads)", true});
  AddSummary({"  threads playing, 6 songs; minimal player", static_cast<double>(small.threads),
              static_cast<double>(bare.threads), "", "-", "(reported)", true});
}

// The six songs' memory and threads alone, playing, beside the floor's: a
// quick look after a change, without the large folder's minutes.
void RunResidentBench() {
  testing::AolSimProcess client("--name Dorvin --room Lobby");
  const testing::ProgramFolder folder(SmallMusicFolder());
  const ProgramProcess program(testing::Quoted(folder.InstallExe("Sonorix.exe")));
  testing::WaitUntil([&] { return client.SentLines().size() >= 2; }, 300s);
  Sleep(2000);
  Report("resident memory, 6 songs, started", ResidentMiB(program.Handle()), "MiB");
  Report("threads, 6 songs, started", ThreadCount(program.Handle()), "threads");
  client.Command("type p zz real tune");
  testing::WaitUntil([&] { return client.SentLines().size() >= 3; }, 300s);
  Sleep(2000);
  Report("resident memory, 6 songs, playing", ResidentMiB(program.Handle()), "MiB");
  Report("threads, 6 songs, playing", ThreadCount(program.Handle()), "threads");
  const PlaybackFigures bare = MeasureFloor();
  Report("resident memory, minimal playback program", bare.resident, "MiB");
  Report("threads, minimal playback program", bare.threads, "threads");
  const PlaybackFigures threaded = MeasureFloor("", 2);
  Report("resident memory, the same with 2 more threads", threaded.resident, "MiB");
  Report("threads, the same with 2 more threads", threaded.threads, "threads");
}

}  // namespace sonorix::bench
