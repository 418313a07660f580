// One player per user session: a second start brings the running one
// forward instead of announcing, playing and answering beside it.
#pragma once

#include "core/win32/win32_handle.h"

namespace sonorix {

// Held for the whole run by the copy that started first in the session.
// The name is the program's own, whatever folder it runs from: a copy
// started from a second folder would still be a second player in the same
// chat room.
class SessionCopy {
 public:
  SessionCopy();

  // False when another copy runs in this session already.
  bool IsFirst() const { return first_; }

 private:
  UniqueHandle mutex_;
  bool first_ = true;
};

// Asks the running copy to bring its player forward, waiting for the
// player of a copy still in its splash; false if no player answered.
bool BringFirstCopyForward();

}  // namespace sonorix
