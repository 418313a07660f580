// Integrity levels read from the programs' access tokens.
#pragma once

#include "aol/integrity_check.h"

namespace sonorix {

class TokenIntegrityLevels final : public IntegrityLevels {
 public:
  bool Outranks(WindowRef window) override;
};

}  // namespace sonorix
