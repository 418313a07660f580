#include "contract/settings_contract.h"
#include "core/ini_file_store.h"

namespace sonorix::testing {

INSTANTIATE_TEST_SUITE_P(IniFileStore, SettingsContract,
                         ::testing::Values([] { return std::make_unique<IniFileStore>(); }));

}  // namespace sonorix::testing
