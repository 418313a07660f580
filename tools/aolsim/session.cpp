#include "aolsim/session.h"

#include "aolsim/file_io.h"

namespace sonorix::aolsim {

void Session::LogSentLine(std::string_view line) const {
  if (!logPath) return;
  if (!AppendToFile(*logPath, std::string(line) + "\r\n")) {
    ReportError("aolsim: cannot append to the log " + *logPath);
  }
}

}  // namespace sonorix::aolsim
