#pragma once
// The demo gateway as a child process that serves exactly one request on a free
// loopback port and records the request's raw bytes.
#include <string>

#include "test_files.h"
#include "tests/support/child_process.h"

class DemoGatewayProcess {
 public:
  // `options`: further command-line options, for instance "--answer fault11".
  explicit DemoGatewayProcess(const std::string& options = "");

  int port() const { return port_; }
  std::string Url() const;
  // Waits until the request has been served; the bytes as received.
  std::string RecordedRequest();

 private:
  ScratchFolder folder_;
  std::string recordPath_;
  ChildProcess child_;
  int port_ = 0;
};
