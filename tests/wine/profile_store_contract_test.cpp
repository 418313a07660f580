#include "contract/settings_contract.h"
#include "core/win32/profile_store.h"

namespace sonorix::testing {

INSTANTIATE_TEST_SUITE_P(ProfileStore, SettingsContract,
                         ::testing::Values([] { return std::make_unique<ProfileStore>(); }));

}  // namespace sonorix::testing
