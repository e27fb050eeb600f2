#include "core/publish_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/keyword_table.h"

namespace ostrakin {
namespace {

// A catalogue as a host may hand it over: every byte patterned, so any stray write shows.
std::unique_ptr<TagCatalogue> PatternedCatalogue() {
  auto tags = std::make_unique<TagCatalogue>();
  auto* bytes = reinterpret_cast<unsigned char*>(tags.get());
  for (size_t i = 0; i < sizeof(TagCatalogue); ++i)
    bytes[i] = (unsigned char)(i * 31 + 7);
  return tags;
}

TEST(PublishInfo, PublishesNameCommandsAndTags) {
  char name[32];
  std::memset(name, 'x', sizeof name);
  struct {
    CommandCatalogue catalogue;
    uint32_t hostData;
  } commands = {{77}, 0xC0FFEEu};
  auto tags = PatternedCatalogue();

  ASSERT_EQ(1, ostrakin::PublishInfo(name, &commands.catalogue, tags.get()));
  EXPECT_EQ(0, std::memcmp(name, "Tavrin's Pelicor\0xxxx", 21));
  EXPECT_EQ(0, commands.catalogue.count);
  EXPECT_EQ(0xC0FFEEu, commands.hostData);
  // Today's six entries keep their slots: the catalogue lists the labelled rows in table order,
  // so a new one goes after them.
  ASSERT_GE(tags->count, 6);
  const char* where =
      "the catalogue's first six entries keep their slots: a row with a label goes "
      "after (!VuskCPUInfo) in kKeywordTable";

  const char* labels[] = {"Disk Info",       "RAM Info", "RAM Bar",
                          "Video Card Info", "OS Info",  "CPU Info"};
  const char* texts[] = {"(!VuskDisk*)  <replace the * with drive letter!>",
                         "(!VuskRamStat)",
                         "(!VuskRamBar)",
                         "(!VuskVidCard)",
                         "(!VuskOSInfo)",
                         "(!VuskCPUInfo)"};
  const auto* raw = reinterpret_cast<const char*>(tags.get());
  for (int slot = 0; slot < 6; ++slot) {
    ASSERT_STREQ(labels[slot], raw + 4 + 128 * slot) << where;
    ASSERT_STREQ(texts[slot], raw + 6404 + 128 * slot) << where;
  }
}

TEST(PublishInfo, WritesOnlyTextsAndTerminators) {
  auto tags = PatternedCatalogue();
  const auto untouched = PatternedCatalogue();
  char name[17];
  CommandCatalogue commands;
  ASSERT_EQ(1, ostrakin::PublishInfo(name, &commands, tags.get()));

  // Every byte that is not the count or a published text with its terminator is the host's.
  std::string expected(reinterpret_cast<const char*>(untouched.get()), sizeof(TagCatalogue));
  std::memcpy(&expected[0], &tags->count, 4);
  for (int slot = 0; slot < tags->count; ++slot) {
    for (size_t offset : {size_t(4 + 128 * slot), size_t(6404 + 128 * slot)}) {
      const char* text = reinterpret_cast<const char*>(tags.get()) + offset;
      expected.replace(offset, std::strlen(text) + 1, text, std::strlen(text) + 1);
    }
  }
  EXPECT_EQ(expected, std::string(reinterpret_cast<const char*>(tags.get()), sizeof(TagCatalogue)));

  // A second call writes the same bytes.
  const std::string first(reinterpret_cast<const char*>(tags.get()), sizeof(TagCatalogue));
  ASSERT_EQ(1, ostrakin::PublishInfo(name, &commands, tags.get()));
  EXPECT_EQ(first, std::string(reinterpret_cast<const char*>(tags.get()), sizeof(TagCatalogue)));
}

TEST(PublishInfo, NullPointersWriteNothing) {
  char name[17] = "untouched";
  CommandCatalogue commands = {5};
  auto tags = PatternedCatalogue();
  const auto untouched = PatternedCatalogue();
  EXPECT_EQ(0, ostrakin::PublishInfo(nullptr, &commands, tags.get()));
  EXPECT_EQ(0, ostrakin::PublishInfo(name, nullptr, tags.get()));
  EXPECT_EQ(0, ostrakin::PublishInfo(name, &commands, nullptr));
  EXPECT_STREQ("untouched", name);
  EXPECT_EQ(5, commands.count);
  EXPECT_EQ(0, std::memcmp(tags.get(), untouched.get(), sizeof(TagCatalogue)));
}

// What a host sees: each published tag text, as the host reads it from its catalogue.
std::vector<std::string> PublishedTagTexts() {
  char name[17];
  CommandCatalogue commands;
  auto tags = PatternedCatalogue();
  ostrakin::PublishInfo(name, &commands, tags.get());
  return std::vector<std::string>(tags->tagTexts, tags->tagTexts + tags->count);
}

TEST(PublishInfo, EveryEntryButTheDiskTemplateIsAKeyword) {
  // The host learns its tags from the catalogue, so each must lead to an answer; the disk
  // entry is a template the user completes with a drive letter.
  const std::vector<std::string> texts = PublishedTagTexts();
  EXPECT_EQ(nullptr, FindKeyword(texts[0].c_str()));
  for (size_t slot = 1; slot < texts.size(); ++slot)
    EXPECT_NE(nullptr, FindKeyword(texts[slot].c_str())) << texts[slot];
}

#if defined(OSTRAKIN_SOURCE_DIR)
std::string SourceFile(const char* path) {
  std::ifstream file(std::string(OSTRAKIN_SOURCE_DIR "/") + path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// readme.txt describes every keyword for users: the catalogue's template line covers the
// keywords it stands for.
TEST(PublishInfo, TheReadmeDescribesEveryKeyword) {
  const std::string readme = SourceFile("cmake/readme.txt.in");
  for (const KeywordRow& row : kKeywordTable) {
    std::string described = row.text;
    for (const KeywordRow& entry : kKeywordTable) {
      const std::string listed = entry.listedAs;
      const size_t star = listed.find('*');
      if (star != std::string::npos && described.size() == listed.find(')') + 1 &&
          described.compare(0, star, listed, 0, star) == 0)
        described = listed.substr(0, star);
    }
    EXPECT_NE(std::string::npos, readme.find(described))
        << "cmake/readme.txt.in does not describe " << described
        << ": add a line for it under \"What the plug-in does\", as the other tags have";
  }
}
#endif

}  // namespace
}  // namespace ostrakin
