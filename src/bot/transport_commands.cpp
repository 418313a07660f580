#include "bot/transport_commands.h"

#include <algorithm>

#include "bot/numbers.h"
#include "chattext/announcements.h"
#include "chattext/chat_line.h"
#include "chattext/text_helpers.h"

namespace sonorix {

std::string UnderlinedItem(const Style& style, std::string_view item) {
  return " › <FONT COLOR=#" + style.acolor + "><u>" + AccentText(item) + "</u>";
}

std::string ColouredItem(const Style& style, std::string_view item) {
  return " › <FONT COLOR=#" + style.acolor + ">" + AccentText(item);
}

std::string PlainItem(std::string_view item) { return " › " + AccentText(item); }

std::string RawItem(std::string_view item) { return " › " + std::string(item); }

std::string TransportCommands::SelectedFile() const { return p_.songs.Name(p_.songs.Selected()); }

void TransportCommands::Stop(const Style& style) {
  if (p_.media.State() != PlayState::Playing) return;
  if (p_.settings.ReadMain(kMusicFolderKey).empty()) return;
  p_.media.Stop();
  p_.aol.SendChat(StopAnnouncement(style, SelectedFile()));
  p_.progress.StopAndClear();
}

void TransportCommands::Pause(const Style& style) {
  switch (p_.media.State()) {
    case PlayState::Paused:
      p_.aol.SendChat(CondensedLine(style, "pausing") + UnderlinedItem(style, SelectedFile()));
      break;
    case PlayState::Playing:
      p_.media.Pause();
      p_.aol.SendChat(CondensedLine(style, "paused") + UnderlinedItem(style, SelectedFile()));
      break;
    default:
      p_.aol.SendChat(CondensedLine(style, "eror") + ColouredItem(style, "play an mp3 first"));
      break;
  }
}

void TransportCommands::Resume(const Style& style) {
  switch (p_.media.State()) {
    case PlayState::Paused:
      p_.media.Play();
      p_.aol.SendChat(CondensedLine(style, "unpaused") + UnderlinedItem(style, SelectedFile()));
      break;
    case PlayState::Playing:
      p_.aol.SendChat(CondensedLine(style, "eror") + ColouredItem(style, "pause an mp3 first"));
      break;
    default:
      p_.aol.SendChat(CondensedLine(style, "eror") + ColouredItem(style, "play an mp3 first"));
      break;
  }
}

void TransportCommands::Volume(const Style& style, std::string_view argument) {
  if (p_.media.State() == PlayState::Stopped) return;
  const auto level = ParseNumber(argument);
  if (!level) return;
  if (*level < 101) {
    p_.aol.SendChat(CondensedLine(style, "volume set to") +
                    ColouredItem(style, std::string(argument) + "%"));
    p_.volume.SetVolume(static_cast<int>(std::clamp(RoundHalfEven(*level), -1e9, 1e9)));
  } else {
    p_.aol.SendChat(CondensedLine(style, "eror") + PlainItem("volume to high 1 - 100"));
  }
}

// The amount is checked against the song's whole length, not the time
// left; a rewind past the start goes to the start.
void TransportCommands::Seek(const Style& style, std::string_view argument, bool forward) {
  const auto amount = ParseSeekAmount(argument);
  if (!amount) return;
  if (p_.media.Duration() <= *amount) {
    p_.aol.SendChat(CondensedLine(style, "error") + RawItem(argument) + " is to high");
    return;
  }
  const double position = p_.media.CurrentPosition() + (forward ? *amount : -*amount);
  p_.media.SetCurrentPosition(std::max(position, 0.0));
  const bool plainSeconds = argument.find(':') == std::string_view::npos;
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on
  // `literal + std::string` temporaries here.
  std::string line = CondensedLine(style, forward ? "fast foward" : "rewind") + RawItem(argument);
  if (plainSeconds) line.append(" ").append(AccentText("sec"));
  p_.aol.SendChat(line);
}

void TransportCommands::Restart(const Style& style) {
  const int position = p_.songs.Selected();
  // With nothing selected the path names the folder itself, which no
  // player opens: nothing to announce then.
  if (!p_.media.Open(SongPath(p_.songs, position))) return;
  p_.aol.SendChat(ChatLine(style, "restarting › ") + " <b>" + std::to_string(position) +
                  "</b> › <FONT COLOR=#" + style.acolor + "><u>" + AccentText(SelectedFile()) +
                  "</u>");
}

void TransportCommands::SongCount(const Style& style) {
  p_.aol.SendChat(CondensedLine(style, "mp3 info") + " › <FONT COLOR=#" + style.acolor + ">" +
                  std::to_string(p_.songs.Count()) + " <FONT COLOR=#" + style.fcolor + ">" +
                  AccentText("mp3's in") + " <FONT COLOR=#" + style.acolor + ">" +
                  AccentText(p_.settings.ReadMain(kMusicFolderKey)));
}

void TransportCommands::Date(const Style& style) {
  p_.aol.SendChat(CondensedLine(style, "todays date") + " › <FONT COLOR=#" + style.acolor + ">" +
                  LowerCase(p_.clock.ShortDateText()));
}

void TransportCommands::Time(const Style& style) {
  p_.aol.SendChat(CondensedLine(style, "current time") + " › <FONT COLOR=#" + style.acolor + ">" +
                  LowerCase(p_.clock.LongTimeText()));
}

}  // namespace sonorix
