#include "html/ImageMaps.h"

#include <gtest/gtest.h>

namespace {

TEST(ImageMapsTest, EachShapeHoldsItsPoints) {
  struct Case {
    QString shape, coords;
    QPointF inside, outside;
  } cases[] = {
      {"rect", "10,10,50,30", {20, 20}, {60, 20}},
      {"RECTANGLE", "50 30 10 10", {20, 20}, {20, 40}},  // corners in any order
      {"", "0,0,5,5", {1, 1}, {6, 6}},                   // no shape: a rectangle
      {"circle", "40,40,10", {45, 45}, {49, 49}},
      {"circ", "40, 40, 10", {40, 31}, {40, 29}},
      {"poly", "0,0,100,0,0,100", {10, 10}, {60, 60}},
      {"polygon", "0 0 100 0 100 100 0 100 50 50", {50, 20}, {20, 50}},  // even-odd
      {"default", "", {999, 999}, {-1, -1}},
  };
  for (const Case& c : cases) {
    const TMapArea area = MakeMapArea(c.shape, c.coords);
    EXPECT_TRUE(area.Contains(c.inside)) << c.shape.toStdString() << " " << c.coords.toStdString();
    if (area.shape != TMapArea::Shape::Default) {
      EXPECT_FALSE(area.Contains(c.outside)) << c.shape.toStdString() << " " << c.coords.toStdString();
    }
  }
}

TEST(ImageMapsTest, BrokenAreasNeverMatch) {
  for (const auto& [shape, coords] : std::vector<std::pair<QString, QString>>{{"rect", "1,2,3"},
                                                                              {"circle", "1,2"},
                                                                              {"poly", "0,0,10,0"},
                                                                              {"poly", ""},
                                                                              {"rect", "a,b,c,d"},
                                                                              {"circle", "--,..,-"},
                                                                              {"poly", "1e309,0,0,1e309,5,5"}})
    EXPECT_FALSE(MakeMapArea(shape, coords).Contains({1, 1})) << shape.toStdString() << coords.toStdString();
}

TEST(ImageMapsTest, TheFirstAreaWinsAndMapsAreFoundByName) {
  TImageMap map{"Car", {MakeMapArea("rect", "0,0,10,10"), MakeMapArea("default", "")}};
  map.areas[0].href = "hood.htm";
  map.areas[1].href = "car.htm";
  EXPECT_EQ(MapAreaAt(map, {5, 5})->href, "hood.htm");
  EXPECT_EQ(MapAreaAt(map, {50, 5})->href, "car.htm");
  const std::vector<TImageMap> maps{map};
  EXPECT_EQ(FindImageMap(maps, "#car"), &maps[0]);
  EXPECT_EQ(FindImageMap(maps, "CAR"), &maps[0]);
  EXPECT_EQ(FindImageMap(maps, "#"), nullptr);
  EXPECT_EQ(FindImageMap(maps, "#bus"), nullptr);
}

}  // namespace
