// The replies of the commands that drive the user's client: mail, instant
// messages, private rooms, keywords and the client's caption.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

namespace sonorix {

// kind: "new", "old" or "sent".
std::string MailLine(const Style& style, std::string_view kind);
std::string InstantMessagesLine(const Style& style, bool on);
// Said instead of the usual line when the client did not do what was
// asked: a failure is never told as done. Worded as the volume's error
// line is, the program's one other refusal.
std::string MailFailedLine(const Style& style);
std::string InstantMessagesFailedLine(const Style& style);
std::string PrivateRoomFailedLine(const Style& style);
std::string KeywordFailedLine(const Style& style);
std::string CaptionFailedLine(const Style& style);

std::string EnteringRoomLine(const Style& style, std::string_view room);
// The client's refusals of a private room that get a reply.
enum class RoomRefusal { RateLimit, NotAllowed, Full, Invalid };
std::string RoomRefusedLine(const Style& style, std::string_view room, RoomRefusal refusal);

std::string KeywordLine(const Style& style, std::string_view keyword);
std::string CaptionLine(const Style& style, std::string_view caption);

}  // namespace sonorix
