#pragma once
// The gateway settings from the installation's configuration file.
#include <cstddef>

constexpr std::size_t kGatewayConfigValueSize = 100;  // each value, with its zero byte
using GatewayConfigValue = char[kGatewayConfigValueSize];

// Reads "ACTIVATE_URL" and then, on a later line, "ACTIVATE_SERVICENAME" from
// "c:\localdb\win32\ZELServer.ini". True only when the file opened and both keys
// have a non-empty value that fits its buffer.
bool ReadGatewayConfig(GatewayConfigValue& url, GatewayConfigValue& serviceName);

// The same from the file at `path`.
bool ReadGatewayConfigFile(const char* path, GatewayConfigValue& url,
                           GatewayConfigValue& serviceName);
