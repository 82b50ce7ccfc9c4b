// The page cache an engine call works with, and the host's own setting
// given back after it.
#include "data/page_cache.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

std::string CacheSize(TestProject& project) { return project.Text("pragma main.cache_size"); }

TEST(PageCacheTest, ASmallCacheIsRaisedForTheCallAndGivenBack) {
  TestProject project;
  project.Exec("pragma main.cache_size=500");  // pages, 2 MB at 4 KiB each
  {
    PageCacheForTheCall cache(project.db());
    EXPECT_EQ(CacheSize(project), "-16384");
  }
  EXPECT_EQ(CacheSize(project), "500");
}

TEST(PageCacheTest, ALargerCacheOfTheHostIsLeftAsItIs) {
  TestProject project;
  project.Exec("pragma main.cache_size=-65536");
  {
    PageCacheForTheCall cache(project.db());
    EXPECT_EQ(CacheSize(project), "-65536");
  }
  EXPECT_EQ(CacheSize(project), "-65536");
  PageCacheForTheCall none(nullptr);  // no connection: nothing to do
}

TEST(PageCacheTest, AFullCalculationLeavesTheHostsSetting) {
  TestProject project;
  project.Exec("pragma main.cache_size=-1000");
  project.RunFull();
  EXPECT_EQ(CacheSize(project), "-1000");
}

}  // namespace
}  // namespace ftcalc
