#include "aol/integrity_check.h"

#include <utility>

#include "aol/aol_client.h"

namespace sonorix {

ClientIntegrityCheck::ClientIntegrityCheck(WindowApi& windows, IntegrityLevels& levels,
                                           std::function<void(std::string_view)> warn)
    : windows_(windows), levels_(levels), warn_(std::move(warn)) {}

// Once: a user told at the start need not be told again while the client
// restarts, and a client started later the same way needs no word.
void ClientIntegrityCheck::Poll() {
  if (compared_) return;
  const WindowRef frame = windows_.FindTopLevel(kClientFrameClass);
  if (!frame) return;
  compared_ = true;
  if (levels_.Outranks(frame)) warn_(kWarning);
}

}  // namespace sonorix
