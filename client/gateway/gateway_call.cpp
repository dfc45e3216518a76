// The SOAP headers come first: they bring winsock2.h before windows.h does.
#include "soapWayfarerPortProxy.h"

#include "client/gateway/gateway_call.h"

#include <cstring>

#include "client/gateway/request_context.h"
#include "client/gateway/wf_coding_tool.h"

namespace {

// Answer texts are read through fixed working buffers of this size; one byte is
// always left for the terminating zero, so longer answers are cut.
constexpr std::size_t kAnswerBufferSize = 4096;

const char kNoHostText[] = "The endpoint URL names no host";

// The bytes of a base64 part as text: up to the first zero byte, at most
// kAnswerBufferSize - 1 bytes.
std::string AnswerText(const xsd__base64Binary& part) {
  char buffer[kAnswerBufferSize] = {};
  std::size_t available = part.__ptr && part.__size > 0 ? static_cast<std::size_t>(part.__size) : 0;
  std::size_t count = available < kAnswerBufferSize - 1 ? available : kAnswerBufferSize - 1;
  if (count) std::memcpy(buffer, part.__ptr, count);
  return buffer;
}

// A base64 part that refers to `bytes` for the length of the call.
xsd__base64Binary BinaryPart(const std::string& bytes) {
  xsd__base64Binary part;
  part.__ptr = reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.data()));
  part.__size = static_cast<int>(bytes.size());
  part.id = part.type = part.options = nullptr;
  return part;
}

// Without a host in the URL the library would exchange the message over the
// process's standard output and input; such a URL fails like an unreachable host.
int RefuseEndpointWithoutHost(WayfarerPortProxy& proxy) {
  soap_set_endpoint(&proxy, proxy.soap_endpoint);
  if (*proxy.host) return SOAP_OK;
  return soap_set_receiver_error(&proxy, kNoHostText, nullptr, SOAP_TCP_ERROR);
}

std::string FailureText(WayfarerPortProxy& proxy) {
  // The Reason text after a SOAP 1.2 answer, else the fault string.
  const char* text = proxy.soap_fault_string();
  return text && *text ? text : "Unknown exception";
}

}  // namespace

std::string ExtractTagValue(const std::string& text, const std::string& key) {
  const std::string open = "<" + key + ">";
  const std::string close = "</" + key + ">";
  std::size_t openAt = text.find(open);
  if (openAt == std::string::npos) return std::string();
  std::size_t start = openAt + open.size();
  std::size_t closeAt = text.find(close);
  if (closeAt == std::string::npos || closeAt < start) return text.substr(start);
  return text.substr(start, closeAt - start);
}

std::string CallGatewayService(const std::string& endpointUrl, GatewayReply& reply,
                               const std::string& serviceName,
                               const std::string& requestDocument,
                               const GatewayTimeLimits& limits) {
  const std::string context = kGatewayRequestContext;
  std::string document;
  WFCodingTool::TransferCoding(requestDocument, document);

  WayfarerPortProxy proxy;
  proxy.soap_endpoint = endpointUrl.c_str();
  proxy.connect_timeout = limits.connectSeconds;
  proxy.send_timeout = limits.answerSeconds;
  proxy.recv_timeout = limits.answerSeconds;

  ns1__serviceResponse response;
  if (RefuseEndpointWithoutHost(proxy) != SOAP_OK ||
      proxy.service(serviceName, BinaryPart(context), BinaryPart(document), response) !=
          SOAP_OK) {
    reply.responseCode = "-1";
    reply.responseMessage = FailureText(proxy);
    reply.serviceResponseCode = "-1";
    return std::string();
  }

  const std::string result = AnswerText(response._result);
  std::string responseData = AnswerText(response._responseData);
  reply.responseCode = ExtractTagValue(result, "ResponseCode");
  reply.responseMessage = ExtractTagValue(result, "ResponseMessage");
  reply.serviceResponseCode = ExtractTagValue(result, "ServiceResponseCode");
  reply.serviceResponseMessage = ExtractTagValue(result, "ServiceResponseMessage");
  return responseData;
}
