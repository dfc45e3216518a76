// Reading the gateway settings from configuration files of many shapes.
#include <gtest/gtest.h>

#include <string>

#include "client/app/gateway_config.h"
#include "test_files.h"

namespace {

struct ConfigCase {
  const char* name;
  std::string content;
  bool ok;
  const char* url;
  const char* serviceName;
};

class GatewayConfig : public testing::TestWithParam<ConfigCase> {};

TEST_P(GatewayConfig, ReadsBothKeys) {
  const ConfigCase& c = GetParam();
  ScratchFolder folder;
  std::string path = folder.File("ZELServer.ini");
  WriteWholeFile(path, c.content);
  GatewayConfigValue url = {}, serviceName = {};
  ASSERT_EQ(ReadGatewayConfigFile(path.c_str(), url, serviceName), c.ok);
  if (c.ok) {
    EXPECT_STREQ(url, c.url);
    EXPECT_STREQ(serviceName, c.serviceName);
  }
}

const std::string k99(99, 'u');

INSTANTIATE_TEST_SUITE_P(
    Table, GatewayConfig,
    testing::Values(
        ConfigCase{"Plain", "ACTIVATE_URL=http://h:1/p\nACTIVATE_SERVICENAME=svc\n", true,
                   "http://h:1/p", "svc"},
        ConfigCase{"BlanksEqualsAndComment",
                   "ACTIVATE_URL = abc ;comment\r\nACTIVATE_SERVICENAME\t==\t s.v ; x\r\n", true,
                   "abc", "s.v"},
        ConfigCase{"ValueEndsAtSemicolon", "ACTIVATE_URL=abc;d\nACTIVATE_SERVICENAME=e f\n", true,
                   "abc", "e"},
        ConfigCase{"KeyInsideLongerWord", "XACTIVATE_URL=u\n[x] ACTIVATE_SERVICENAME=s\n", true,
                   "u", "s"},
        ConfigCase{"EmptyKeyLineIsSkipped",
                   "ACTIVATE_URL = \nACTIVATE_URL=second\nACTIVATE_SERVICENAME=s", true, "second",
                   "s"},
        ConfigCase{"NoLineBreakAtEnd", "ACTIVATE_URL=u\nACTIVATE_SERVICENAME=s", true, "u", "s"},
        ConfigCase{"BothOnOneLineMissesService", "ACTIVATE_URL=u ACTIVATE_SERVICENAME=s\n", false,
                   "", ""},
        ConfigCase{"ServiceBeforeUrl", "ACTIVATE_SERVICENAME=s\nACTIVATE_URL=u\n", false, "", ""},
        ConfigCase{"ServiceMissing", "ACTIVATE_URL=u\n", false, "", ""},
        ConfigCase{"UrlMissing", "ACTIVATE_SERVICENAME=s\n", false, "", ""},
        ConfigCase{"CaseMatters", "activate_url=u\nACTIVATE_SERVICENAME=s\n", false, "", ""},
        ConfigCase{"ValueOnlyAComment", "ACTIVATE_URL=;x\nACTIVATE_SERVICENAME=s\n", false, "",
                   ""},
        ConfigCase{"LongestValueFits", "ACTIVATE_URL=" + k99 + "\nACTIVATE_SERVICENAME=s\n", true,
                   k99.c_str(), "s"},
        ConfigCase{"TooLongValueRefused",
                   "ACTIVATE_URL=" + k99 + "u\nACTIVATE_SERVICENAME=s\n", false, "", ""},
        ConfigCase{"TooLongServiceRefused",
                   "ACTIVATE_URL=u\nACTIVATE_SERVICENAME=" + k99 + "s\n", false, "", ""},
        ConfigCase{"EmptyFile", "", false, "", ""}),
    [](const testing::TestParamInfo<ConfigCase>& info) { return info.param.name; });

TEST(GatewayConfigFile, MissingFileFails) {
  ScratchFolder folder;
  GatewayConfigValue url = {}, serviceName = {};
  EXPECT_FALSE(ReadGatewayConfigFile(folder.File("absent.ini").c_str(), url, serviceName));
}

}  // namespace
