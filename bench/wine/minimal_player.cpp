// The floor for playback: a program that does nothing but decode one MP3
// with the system's codec through the ACM and play it through waveOut in
// four buffers of 250 ms. The benchmarks run it beside the program.
// Usage: minimal_player <file.mp3> [<seconds> <report file>]: plays the
// file once; with seconds, it ends after that long and writes its share of
// one core in percent to the report file (Wine tells no other process it).
// With --list <folder> first, it reads the folder's entries once before it
// plays, as a player of that folder must: what Wine keeps of a listing is
// then part of the floor.
// With --threads <n> first (before --list), it also starts n threads that
// wait for ever, as the program's own workers mostly do: what Wine keeps
// for each thread is then part of the floor.
// Or: minimal_player --gaps <report file> <file.mp3>...: plays the files back
// to back through the one device, each through a codec stream of its own,
// and writes how often the device ran dry before the last file's end and
// the seconds of silence in all.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>
// clang-format on

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace {

struct StreamCloser {
  void operator()(HACMSTREAM stream) const { acmStreamClose(stream, 0); }
};
struct DeviceCloser {
  void operator()(HWAVEOUT device) const {
    waveOutReset(device);
    waveOutClose(device);
  }
};
struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
template <typename Handle, typename Closer>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Closer>;

constexpr int kBuffers = 4;

double CpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ticks = [](FILETIME time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

// Writes the share of one core since the start, once the time is up; true then.
class ShareReport {
 public:
  ShareReport(int argc, char** argv)
      : seconds_(argc > 3 ? std::atof(argv[2]) : 0), path_(argc > 3 ? argv[3] : "") {}
  bool Due() {
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start_;
    if (seconds_ <= 0 || spent.count() < seconds_) return false;
    std::ofstream(path_) << 100.0 * (CpuSeconds() - cpuStart_) / spent.count() << "\n";
    return true;
  }

 private:
  double seconds_;
  std::string path_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  double cpuStart_ = CpuSeconds();
};
constexpr DWORD kInputChunk = 4096;

// The first MPEG-1 Layer III header's format; the benchmark's file is one.
bool ReadFormat(const std::vector<std::uint8_t>& mp3, MPEGLAYER3WAVEFORMAT& format) {
  static const int kKbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
  static const int kRates[] = {44100, 48000, 32000};
  for (std::size_t i = 0; i + 4 <= mp3.size(); ++i) {
    if (mp3[i] != 0xFF || (mp3[i + 1] & 0xFE) != 0xFA) continue;
    const int bitrate = kKbps[(mp3[i + 2] >> 4) % 15], rateIndex = (mp3[i + 2] >> 2) & 3;
    if (bitrate == 0 || rateIndex == 3) continue;
    format.wfx = {WAVE_FORMAT_MPEGLAYER3,
                  static_cast<WORD>((mp3[i + 3] >> 6) == 3 ? 1 : 2),
                  static_cast<DWORD>(kRates[rateIndex]),
                  static_cast<DWORD>(bitrate * 125),
                  1,
                  0,
                  MPEGLAYER3_WFX_EXTRA_BYTES};
    format.wID = MPEGLAYER3_ID_MPEG;
    format.fdwFlags = MPEGLAYER3_FLAG_PADDING_ISO;
    format.nBlockSize = static_cast<WORD>(144 * bitrate * 1000 / kRates[rateIndex]);
    format.nFramesPerBlock = 1;
    return true;
  }
  return false;
}

// Decodes until at least `bytes` of PCM are pending or the input is used up.
void DecodeUntil(HACMSTREAM stream, const std::vector<std::uint8_t>& mp3, std::size_t& read,
                 std::vector<std::uint8_t>& pcm, std::size_t bytes) {
  std::vector<std::uint8_t> in(kInputChunk), out(64 * 1024);
  ACMSTREAMHEADER header{};
  header.cbStruct = sizeof header;
  header.pbSrc = in.data();
  header.cbSrcLength = kInputChunk;
  header.pbDst = out.data();
  header.cbDstLength = static_cast<DWORD>(out.size());
  acmStreamPrepareHeader(stream, &header, 0);
  while (pcm.size() < bytes && read < mp3.size()) {
    const std::size_t take = std::min<std::size_t>(kInputChunk, mp3.size() - read);
    std::copy_n(mp3.begin() + static_cast<std::ptrdiff_t>(read), take, in.begin());
    header.cbSrcLength = static_cast<DWORD>(take);
    header.cbDstLength = static_cast<DWORD>(out.size());
    acmStreamConvert(stream, &header, ACM_STREAMCONVERTF_BLOCKALIGN);
    read += header.cbSrcLengthUsed > 0 ? header.cbSrcLengthUsed : take;
    pcm.insert(pcm.end(), out.begin(), out.begin() + header.cbDstLengthUsed);
  }
  header.cbSrcLength = kInputChunk;
  header.cbDstLength = static_cast<DWORD>(out.size());
  acmStreamUnprepareHeader(stream, &header, 0);
}

// One file's frames and the codec stream that decodes them.
struct Source {
  std::vector<std::uint8_t> mp3;
  Owned<HACMSTREAM, StreamCloser> stream;
  std::size_t read = 0;
};

bool OpenSource(const char* path, Source& source, WAVEFORMATEX& pcmFormat) {
  std::ifstream file(path, std::ios::binary);
  source.mp3.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  source.read = 0;
  MPEGLAYER3WAVEFORMAT format{};
  if (!ReadFormat(source.mp3, format)) return false;
  const WORD align = static_cast<WORD>(format.wfx.nChannels * 2);
  pcmFormat = {WAVE_FORMAT_PCM,
               format.wfx.nChannels,
               format.wfx.nSamplesPerSec,
               format.wfx.nSamplesPerSec * align,
               align,
               16,
               0};
  HACMSTREAM raw = nullptr;
  if (acmStreamOpen(&raw, nullptr, &format.wfx, &pcmFormat, nullptr, 0, 0, 0) != 0) return false;
  source.stream.reset(raw);
  return true;
}

// Silence the device played: at each write, the time since the first one
// that the audio written so far does not cover.
class SilenceMeter {
 public:
  void Writing(double seconds) {
    const auto now = std::chrono::steady_clock::now();
    if (!first_) first_ = now;
    const double idle = std::chrono::duration<double>(now - *first_).count() - played_ - silence_;
    if (idle > 0.002) ++count_;
    if (idle > 0) silence_ += idle;
    played_ += seconds;
  }
  void Write(const std::string& path) const {
    std::ofstream(path) << count_ << " " << silence_ << "\n";
  }

 private:
  std::optional<std::chrono::steady_clock::time_point> first_;
  double played_ = 0, silence_ = 0;
  int count_ = 0;
};

// The entries only, the cheapest way the system offers.
void ListFolder(const char* folder) {
  WIN32_FIND_DATAA found{};
  const HANDLE find =
      FindFirstFileExA((std::string(folder) + "\\*").c_str(), FindExInfoBasic, &found,
                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return;
  while (FindNextFileA(find, &found)) {
  }
  FindClose(find);
}

}  // namespace

DWORD WINAPI WaitForEver(void*) {
  Sleep(INFINITE);
  return 0;
}

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "--threads") {
    for (int i = std::atoi(argv[2]); i > 0; --i) {
      CloseHandle(CreateThread(nullptr, 0, WaitForEver, nullptr, 0, nullptr));
    }
    argv[2] = argv[0];
    argv += 2;
    argc -= 2;
  }
  if (argc > 2 && std::string(argv[1]) == "--list") {
    ListFolder(argv[2]);
    argv[2] = argv[0];
    argv += 2;
    argc -= 2;
  }
  if (argc < 2) return 2;
  const bool gaps = std::string(argv[1]) == "--gaps";
  if (gaps && argc < 4) return 2;
  const int firstFile = gaps ? 3 : 1;
  const int lastFile = gaps ? argc : 2;
  Source source;
  WAVEFORMATEX pcmFormat{};
  if (!OpenSource(argv[firstFile], source, pcmFormat)) return 1;
  const Owned<HANDLE, HandleCloser> done(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  HWAVEOUT rawDevice = nullptr;
  if (waveOutOpen(&rawDevice, WAVE_MAPPER, &pcmFormat, reinterpret_cast<DWORD_PTR>(done.get()), 0,
                  CALLBACK_EVENT) != 0) {
    return 1;
  }
  const Owned<HWAVEOUT, DeviceCloser> device(rawDevice);
  const std::size_t bufferBytes = pcmFormat.nAvgBytesPerSec / 4;
  std::vector<std::vector<std::uint8_t>> buffers(kBuffers, std::vector<std::uint8_t>(bufferBytes));
  std::vector<WAVEHDR> headers(kBuffers);
  std::vector<std::uint8_t> pcm;
  ShareReport report(gaps ? 1 : argc, argv);
  SilenceMeter silence;
  int file = firstFile;
  // Round the buffers: wait for the next one to come back, refill it, queue it again.
  for (int next = 0;; next = (next + 1) % kBuffers) {
    WAVEHDR& header = headers[static_cast<std::size_t>(next)];
    while ((header.dwFlags & WHDR_PREPARED) && !(header.dwFlags & WHDR_DONE)) {
      WaitForSingleObject(done.get(), INFINITE);
    }
    if (header.dwFlags & WHDR_PREPARED)
      waveOutUnprepareHeader(device.get(), &header, sizeof header);
    DecodeUntil(source.stream.get(), source.mp3, source.read, pcm, bufferBytes);
    // One file's tail is a buffer of its own, as a player's would be.
    while (pcm.empty() && ++file < lastFile) {
      WAVEFORMATEX format{};
      if (!OpenSource(argv[file], source, format)) return 1;
      DecodeUntil(source.stream.get(), source.mp3, source.read, pcm, bufferBytes);
    }
    if (pcm.empty() || report.Due()) break;
    const std::size_t take = std::min(bufferBytes, pcm.size());
    std::copy_n(pcm.begin(), take, buffers[static_cast<std::size_t>(next)].begin());
    pcm.erase(pcm.begin(), pcm.begin() + static_cast<std::ptrdiff_t>(take));
    header = WAVEHDR{};
    header.lpData = reinterpret_cast<LPSTR>(buffers[static_cast<std::size_t>(next)].data());
    header.dwBufferLength = static_cast<DWORD>(take);
    waveOutPrepareHeader(device.get(), &header, sizeof header);
    silence.Writing(static_cast<double>(take) / pcmFormat.nAvgBytesPerSec);
    waveOutWrite(device.get(), &header, sizeof header);
  }
  for (WAVEHDR& header : headers) {
    while ((header.dwFlags & WHDR_PREPARED) && !(header.dwFlags & WHDR_DONE)) {
      WaitForSingleObject(done.get(), INFINITE);
    }
    if (header.dwFlags & WHDR_PREPARED)
      waveOutUnprepareHeader(device.get(), &header, sizeof header);
  }
  if (gaps) silence.Write(argv[2]);
  return 0;
}
