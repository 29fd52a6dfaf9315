#include "shell/link_request.h"

#include <gtest/gtest.h>

TEST(LinkRequest, PathIndicesAndFunction) {
  LinkRequest r = parse_link_text(kLinkOneGraph, "C:\\sim\\a.out;1,2,3;db");
  EXPECT_EQ("C:\\sim\\a.out", r.path);
  EXPECT_EQ((std::vector<int>{1, 2, 3}), r.indices);
  EXPECT_EQ("db", r.function);
  EXPECT_FALSE(r.log_x);
}

TEST(LinkRequest, SeparatorsLogFlagsAndLastFunction) {
  LinkRequest r = parse_link_text(kLinkOneGraph, "x.out;mag(4x\t5)=logy logx;db");
  EXPECT_EQ((std::vector<int>{4, 5}), r.indices);
  EXPECT_TRUE(r.log_x);
  EXPECT_TRUE(r.log_y);
  EXPECT_EQ("db", r.function);
  LinkRequest none = parse_link_text(kLinkOneGraph, "only.out");
  EXPECT_EQ("only.out", none.path);
  EXPECT_TRUE(none.indices.empty());
  EXPECT_TRUE(link_groups(none).empty());
}

TEST(LinkRequest, LimitsOnTextAndIndices) {
  std::string text = "p;";
  for (int i = 0; i < 200; ++i) text += "7,";
  EXPECT_EQ(kLinkIndexLimit, parse_link_text(kLinkOneGraph, text).indices.size());
  std::string path(1100, 'a');
  EXPECT_EQ(kLinkTextLimit, parse_link_text(kLinkOneGraph, path).path.size());
}

TEST(LinkRequest, GroupsPerMessage) {
  LinkRequest r = parse_link_text(kLinkOneGraph, "a;1,2,3;db");
  ASSERT_EQ(1u, link_groups(r).size());
  EXPECT_EQ(3u, link_groups(r)[0].count);
  r.message = kLinkGraphPerIndex;
  EXPECT_EQ(3u, link_groups(r).size());
  r.message = kLinkGroups;  // a group of 1 holding variable 2; the last index is no count
  std::vector<LinkGroup> g = link_groups(r);
  ASSERT_EQ(1u, g.size());
  EXPECT_EQ(1u, g[0].start);
  EXPECT_EQ(1u, g[0].count);
  LinkRequest over = parse_link_text(kLinkGroups, "a;5,1,2");  // count runs past the end
  g = link_groups(over);
  ASSERT_EQ(1u, g.size());
  EXPECT_EQ(2u, g[0].count);
}
