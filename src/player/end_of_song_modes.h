// The two end-of-song modes, held as the captions of their menu entries.
#pragma once

#include <string>
#include <string_view>

namespace sonorix {

inline constexpr std::string_view kAutoRandomOn = " auto rand : on";
inline constexpr std::string_view kAutoRandomOff = " auto rand : off";
inline constexpr std::string_view kContinuousOn = " cont. : on";
inline constexpr std::string_view kContinuousOff = " cont. : off";

// The captions are the only store of the modes: a mode is on exactly when
// its caption reads "on". The control panel's menu shows these captions.
class EndOfSongModes {
 public:
  const std::string& AutoRandomCaption() const { return autoRandom_; }
  const std::string& ContinuousCaption() const { return continuous_; }
  void SetAutoRandomCaption(std::string_view caption) { autoRandom_ = caption; }
  void SetContinuousCaption(std::string_view caption) { continuous_ = caption; }

  bool AutoRandom() const { return autoRandom_ == kAutoRandomOn; }
  bool Continuous() const { return continuous_ == kContinuousOn; }

 private:
  std::string autoRandom_{kAutoRandomOff};
  std::string continuous_{kContinuousOff};
};

}  // namespace sonorix
