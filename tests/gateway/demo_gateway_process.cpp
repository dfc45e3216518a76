#include "demo_gateway_process.h"

#include <cstdlib>

DemoGatewayProcess::DemoGatewayProcess(const std::string& options)
    : recordPath_(folder_.File("request.bin")),
      child_(DEMO_GATEWAY_EXE,
             "--port 0 --count 1 --record " + Quoted(recordPath_) + " " + options) {
  const std::string banner = "listening on ";
  std::string line = child_.ReadLine();
  if (line.compare(0, banner.size(), banner) == 0)
    port_ = std::atoi(line.c_str() + banner.size());
}

std::string DemoGatewayProcess::Url() const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/LRS/Wayfarer";
}

std::string DemoGatewayProcess::RecordedRequest() {
  child_.Wait(30000);
  return ReadWholeFile(recordPath_);
}
