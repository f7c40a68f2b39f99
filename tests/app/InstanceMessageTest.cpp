#include "app/InstanceMessage.h"

#include <gtest/gtest.h>

TEST(InstanceMessage, LaysOutTheRecordByteForByte) {
  TInstanceMessage message;
  message.Kind = 1;
  message.Count = 3;
  message.Codes = {0, 1, 0x01020304};
  message.Texts = {"d:\\p.bmp", "640", std::string("\xD1\xF5\xE5\xEC\xE0")};  // "Схема"
  const std::string bytes = message.Encode();
  ASSERT_EQ(bytes.size(), 840u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x01\x00\x03\x00", 4));
  EXPECT_EQ(bytes.substr(4, 12), std::string("\0\0\0\0\1\0\0\0\x04\x03\x02\x01", 12));
  EXPECT_EQ(bytes.substr(16, 9), std::string("d:\\p.bmp\0", 9));
  EXPECT_EQ(bytes.substr(16 + 274, 4), std::string("640\0", 4));
  EXPECT_EQ(bytes.substr(16 + 548, 6), std::string("\xD1\xF5\xE5\xEC\xE0\0", 6));
  EXPECT_EQ(bytes.substr(838), std::string(2, '\0'));
  EXPECT_EQ(TInstanceMessage::Decode(bytes), message);
}

TEST(InstanceMessage, SendersCutTheirTextTo273Bytes) {
  const TInstanceMessage message = TInstanceMessage::Make(TInstanceKind::PictureQuery, std::string(400, 'a'));
  EXPECT_EQ(message.Kind, 3);
  EXPECT_EQ(message.Count, 1);
  EXPECT_EQ(message.Codes[0], 0u);
  EXPECT_EQ(message.Texts[0].size(), 273u);
  const std::string bytes = message.Encode();
  EXPECT_EQ(bytes[16 + 272], 'a');
  EXPECT_EQ(bytes[16 + 273], '\0');
  EXPECT_EQ(TInstanceMessage::Decode(bytes)->Texts[0], message.Texts[0]);
}

TEST(InstanceMessage, StrayAndDamagedRecordsAreRefused) {
  const std::string good = TInstanceMessage::Make(TInstanceKind::OpenPage, "a.htm").Encode();
  EXPECT_FALSE(TInstanceMessage::Decode(""));
  EXPECT_FALSE(TInstanceMessage::Decode(good.substr(0, 839)));
  EXPECT_FALSE(TInstanceMessage::Decode(good + '\0'));
  std::string manyItems = good;
  manyItems[2] = 4;
  EXPECT_FALSE(TInstanceMessage::Decode(manyItems));
  std::string unended = good;
  std::fill(unended.begin() + 16 + 274, unended.begin() + 16 + 548, 'x');
  EXPECT_FALSE(TInstanceMessage::Decode(unended));
  // Other kinds decode: receivers ignore them.
  std::string otherKind = good;
  otherKind[0] = 7;
  EXPECT_EQ(TInstanceMessage::Decode(otherKind)->Kind, 7);
}
