// demo-gateway: a local stand-in for the enrolment service's SOAP gateway.
//
//   demo-gateway [--port N] [--count N] [--answer MODE] [--result TEXT]
//                [--response-data TEXT] [--fault-text TEXT] [--record FILE]
//
// Listens on 127.0.0.1 (port 27666 unless given; 0 takes any free port) and
// prints "listening on <port>" once it accepts connections. Serves --count
// requests, or without end. MODE is one of ok, fault11, fault12, fault-no-text,
// not-soap, wrong-type, one-child, silent, lenient. --record writes the raw bytes of the
// last request (HTTP header and body) to FILE after each request.
#include "soapWayfarerPortService.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/demo-gateway/gateway_answers.h"

namespace {

struct Options {
  int port = 27666;
  long count = -1;  // requests to serve; -1 without end
  std::string recordPath;
};

// Every byte the library reads from the client goes through here first.
std::string g_request;
size_t (*g_libraryRecv)(soap*, char*, size_t);

size_t RecordingRecv(soap* s, char* buffer, size_t length) {
  size_t n = g_libraryRecv(s, buffer, length);
  g_request.append(buffer, n);
  return n;
}

void SaveRequest(const std::string& path) {
  if (path.empty()) return;
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(g_request.data(), 1, g_request.size(), f);
    std::fclose(f);
  }
}

bool ParseOptions(int argc, char** argv, Options& options) {
  AnswerSettings& answer = CurrentAnswer();
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--port") options.port = std::atoi(value);
    else if (name == "--count") options.count = std::atol(value);
    else if (name == "--record") options.recordPath = value;
    else if (name == "--result") answer.result = value;
    else if (name == "--response-data") answer.responseData = value;
    else if (name == "--fault-text") answer.faultText = value;
    else if (name == "--answer") {
      if (!ParseAnswerMode(value, answer.mode)) return false;
    } else {
      return false;
    }
  }
  return argc % 2 == 1;
}

int BoundPort(SOAP_SOCKET socket) {
  sockaddr_in address = {};
  int size = sizeof address;
  getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size);
  return ntohs(address.sin_port);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: demo-gateway [--port N] [--count N] [--answer MODE] "
                         "[--result TEXT] [--response-data TEXT] [--fault-text TEXT] "
                         "[--record FILE]\n");
    return 2;
  }

  WayfarerPortService server;
  server.bind_flags = SO_REUSEADDR;
  if (!soap_valid_socket(server.bind("127.0.0.1", options.port, 16))) {
    server.soap_print_fault(stderr);
    return 1;
  }
  std::printf("listening on %d\n", BoundPort(server.master));
  std::fflush(stdout);

  g_libraryRecv = server.frecv;
  server.frecv = RecordingRecv;
  for (long served = 0; options.count < 0 || served < options.count; ++served) {
    if (!soap_valid_socket(server.accept())) {
      server.soap_print_fault(stderr);
      return 1;
    }
    g_request.clear();
    server.serve();
    server.soap_force_close_socket();
    SaveRequest(options.recordPath);
    server.destroy();
  }
  return 0;
}
