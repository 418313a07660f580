#include <gtest/gtest.h>

#include "fakes/memory_settings_store.h"
#include "look/look_files.h"
#include "look/look_lists.h"

namespace sonorix {
namespace {

using Names = std::vector<std::string>;

struct Folder {
  Folder() {
    store.Install("C:\\S");
    const std::pair<const char*, const char*> files[] = {
        {"b.ini", "Blue"}, {"A.ini", "amber"}, {"c.INI", "BLUE"}, {"star.ini", "*"}};
    for (const auto& [file, name] : files) {
      settings.WriteIni("preset", "name", name, "C:\\S\\presets\\" + std::string(file));
    }
  }
  testing::MemorySettingsStore store;
  Settings settings{store, "C:\\S"};
};

TEST(DisplayNames, FollowTheFileNamesOrderAndSkipOtherFiles) {
  Folder folder;
  EXPECT_EQ(
      DisplayNames(folder.settings, kPresetKind,
                   {"star.ini", "c.INI", "readme.txt", "b.ini", "empty.ini", "A.ini", ".ini"}),
      (Names{"amber", "Blue", "BLUE", "", "*"}))
      << "\".ini\" alone is no preset file; a file without a name shows as empty";
}

TEST(FirstHolding, MatchesTrimmedQueriesCaseAsideInListOrder) {
  const Names names{"", "Neon Nights", "night", "Dawn*"};
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"NIGHT", "Neon Nights"}, {" night ", "Neon Nights"}, {"ht", "Neon Nights"}, {"   ", ""},
      {"n*", "Dawn*"},          {"?", std::nullopt},        {"xyz", std::nullopt}};
  for (const auto& [query, expected] : cases)
    EXPECT_EQ(FirstHolding(names, query), expected) << query;
  EXPECT_EQ(FirstHolding({}, ""), std::nullopt);
}

// Windows file names are case-blind: "dark" is the file of "Dark".
TEST(LookDeletion, RefusesTheCurrentOneInAnyCaseAndNamesThatCannotBeFiles) {
  for (const auto& [selected, current] :
       {std::pair{"Dark", "Dark"}, std::pair{"dark", "DARK"}, std::pair{"Ærø", "æRØ"}}) {
    EXPECT_FALSE(PresetDeletion(selected, current).remove) << selected;
    EXPECT_EQ(PresetDeletion(selected, current).message,
              "Cannot delete, because its already loaded as your custom preset.");
    EXPECT_EQ(StyleDeletion(selected, current).message,
              "Cannot delete, because its already loaded as your custom style.");
  }
  const Deletion other = StyleDeletion("dark", "Darker");
  EXPECT_TRUE(other.remove);
  EXPECT_EQ(other.message, "style : dark.ini as been deleted.");
  for (const char* unusable : {"", "..\\x", "nul", "com1.txt"}) {
    EXPECT_FALSE(PresetDeletion(unusable, "x").remove) << unusable;
    EXPECT_EQ(StyleDeletion(unusable, "x").message, kUnusableNameMessage) << unusable;
  }
}

TEST(StyleFieldProblem, ChecksTheFieldsInOrderAndRefusesWhatWouldBreakALineOrAFile) {
  const StyleFields good{"[v#1] My Style", " ~ ", "FF9900", "00aaFF"};
  EXPECT_EQ(StyleFieldProblem(good), std::nullopt);
  EXPECT_EQ(StyleFieldProblem({"n", "a", "#FF9900", "red"}), std::nullopt)
      << "a colour is kept as typed, as the chat takes it";
  const std::string unusable(kUnusableNameMessage);
  const std::pair<StyleFields, std::string> cases[] = {
      {{}, "Please fill in the name of your style."},
      {{"n", "", "", ""}, "Please fill in the ascii of your style."},
      {{"n", "a", "", "x"}, "Please fill in the acolor of your style."},
      {{"n", "a", "b", ""}, "Please fill in the fcolor of your style."},
      {{"..\\main", "a", "FF9900", "FF9900"}, unusable},
      {{"a/b", "a", "FF9900", "FF9900"}, unusable},
      {{"what?", "a", "FF9900", "FF9900"}, unusable},
      {{" lead", "a", "FF9900", "FF9900"}, unusable},
      {{"end.", "a", "FF9900", "FF9900"}, unusable},
      {{"tab\t", "a", "FF9900", "FF9900"}, unusable},
      {{"n", "two\r\nlines", "FF9900", "FF9900"},
       "Please keep the ascii of your style on one line."},
      {{"n", "a", "#FF9900", "red\"x"}, "Please fill in the fcolor without \" < > or line breaks."},
      {{"n", "a", "FF9900", "red>"}, "Please fill in the fcolor without \" < > or line breaks."},
      {{"n", "a", "<b", "FF9900"}, "Please fill in the acolor without \" < > or line breaks."},
      {{"n", "a", "FF\t00", "FF9900"}, "Please fill in the acolor without \" < > or line breaks."},
  };
  for (const auto& [fields, message] : cases) {
    const auto problem = StyleFieldProblem(fields);
    ASSERT_TRUE(problem) << fields.name << "|" << fields.ascii;
    EXPECT_EQ(problem->message, message) << fields.name << "|" << fields.ascii;
  }
  // The window takes the user back to the field the box is about.
  EXPECT_EQ(StyleFieldProblem({"a/b", "a", "FF9900", "x"})->field, StyleField::kName);
  EXPECT_EQ(StyleFieldProblem({"n", "a", "b", "<"})->field, StyleField::kFcolor);
}

TEST(MakeLookFiles, WriteTheKeysInOrderIntoTheFileNamedAfterTheName) {
  testing::MemorySettingsStore store;
  store.Install("C:\\S");
  Settings settings{store, "C:\\S"};
  settings.WriteMain("style", "old");
  store.writes.clear();
  SaveStyle(settings, {"New", "~", "FF9900", "000000"});
  std::uint32_t next = 1;
  EXPECT_FALSE(MakePreset(settings, "Cloud", [&]() -> std::optional<Colour> {
    if (next++ == 3) return std::nullopt;
    return Colour{0};
  })) << "a colour cancelled half way makes no preset";
  next = 1;
  EXPECT_TRUE(MakePreset(settings, "Sky", [&] { return Colour{next++}; }));
  using Access = testing::MemorySettingsStore::Access;
  const std::string style = "C:\\S\\styles\\New.ini", preset = "C:\\S\\presets\\Sky.ini";
  std::vector<Access> inOrder;
  for (const char* key : {"STYLE", "ASCII", "ACOLOR", "FCOLOR"})
    inOrder.push_back({"styles", key, style});
  for (const char* key : {"NAME", "FADE1", "FADE2", "LABEL", "LIST", "BUTTON"})
    inOrder.push_back({"preset", key, preset});
  EXPECT_EQ(store.writes, inOrder);
  EXPECT_EQ(settings.ReadIni("preset", "button", preset), "5");
  EXPECT_EQ(settings.ReadMain("style"), "old");
}

}  // namespace
}  // namespace sonorix
