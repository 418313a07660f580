// The fake every unit test reads its settings through keeps the real store's rules.
#include "contract/settings_contract.h"
#include "fakes/memory_settings_store.h"

namespace sonorix::testing {
namespace {

constexpr char kFolder[] = "C:\\Users\\me\\fresh";

class MemoryPlace final : public StorePlace {
 public:
  MemoryPlace() { store_.MakeFolder(PathTo("ini files")); }
  SettingsStore& Store() override { return store_; }
  std::string PathTo(const std::string& relative) const override {
    return std::string(kFolder) + "\\" + relative;
  }
  void MakeFolder(const std::string& relative) override { store_.MakeFolder(PathTo(relative)); }
  void PutFile(const std::string& relative, const std::string& bytes) override {
    store_.PutFile(PathTo(relative), bytes);
  }
  bool Exists(const std::string& relative) const override {
    return store_.Exists(PathTo(relative));
  }

 private:
  MemorySettingsStore store_{MemorySettingsStore::NoFolders{}};
};

INSTANTIATE_TEST_SUITE_P(MemorySettingsStore, SettingsContract,
                         ::testing::Values([] { return std::make_unique<MemoryPlace>(); }));

}  // namespace
}  // namespace sonorix::testing
