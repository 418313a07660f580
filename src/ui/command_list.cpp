#include "ui/command_list.h"

namespace sonorix {

const std::vector<std::string_view>& CommandListLines() {
  static const std::vector<std::string_view> lines{
      "adv : advertise this",
      "aocap * : change aol's caption",
      "arand : enables auto random",
      "brb * : same as brb but with reas",
      "brb : tells everyone be right back",
      "cc : clears the chat room",
      "coms? : shows # of commands",
      "cont : enables auto play thew",
      "date : get todays date",
      "ff * fast foward x:xx or x as in sec",
      "idle * : idle's wit reason",
      "imsoff : turn instant msg's off",
      "imson : turn instant msg's on",
      "kw * : goes to kw",
      "lp * : load preset",
      "ls * : loads style",
      "nmail : views new mail",
      "omail : views old mail",
      "p * : plays mp3",
      "pause : pause's mp3",
      "pr * : enter's private room",
      "r * : plays random mp3 string",
      "r : plays random mp3",
      "rr * rewind x:xx or x as in sec",
      "rst : restarts mp3",
      "smail : views sent mail",
      "songs? : gets dir and count info",
      "stop : stops mp3",
      "time : get todays time",
      "v * : sets volume 1-100",
      "vcmds : view commands",
      "vpre : view presets",
      "vsty : view styles",
      "xarand : disables auto random",
      "xcmds : hide commands",
      "xcont : disables auto play threw",
      "xidle : turns idle off",
      "xpause : unpause's mp3",
      "xpre : hide presets",
      "xsty : hide styles",
  };
  return lines;
}

}  // namespace sonorix
