#include "client/app/gateway_config.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char kConfigPath[] = "c:\\localdb\\win32\\ZELServer.ini";
constexpr int kLineSize = 1024;  // lines of up to 1,023 bytes

bool IsValueEnd(char c) { return c == ';' || std::isspace(static_cast<unsigned char>(c)); }

// Reads lines from the current position until one holds `key` followed (after
// white space and '=') by something. The value ends at white space or ';'.
// Leaves the file after that line, so a following search continues from there.
// False at the end of the file, or when the value does not fit its buffer.
bool FindValue(std::FILE* file, const char* key, GatewayConfigValue& value) {
  char line[kLineSize];
  while (std::fgets(line, sizeof line, file)) {
    const char* at = std::strstr(line, key);
    if (!at) continue;
    at += std::strlen(key);
    while (*at == '=' || std::isspace(static_cast<unsigned char>(*at))) ++at;
    if (!*at) continue;
    std::size_t length = 0;
    while (at[length] && !IsValueEnd(at[length])) ++length;
    // A value that does not fit its buffer would be cut: refuse it instead.
    if (length >= kGatewayConfigValueSize) return false;
    std::memcpy(value, at, length);
    value[length] = '\0';
    return true;
  }
  return false;
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool ReadGatewayConfigFile(const char* path, GatewayConfigValue& url,
                           GatewayConfigValue& serviceName) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "r"));
  if (!file) return false;
  return FindValue(file.get(), "ACTIVATE_URL", url) &&
         FindValue(file.get(), "ACTIVATE_SERVICENAME", serviceName) &&
         url[0] != '\0' && serviceName[0] != '\0';
}

bool ReadGatewayConfig(GatewayConfigValue& url, GatewayConfigValue& serviceName) {
  return ReadGatewayConfigFile(kConfigPath, url, serviceName);
}
