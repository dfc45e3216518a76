// The gateway call against the demo gateway over real loopback sockets: what goes
// on the wire, how answers fill the reply, and how each failure is folded in.
#include <windows.h>
#include <wincrypt.h>

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <stdexcept>
#include <string>

#include "client/gateway/gateway_call.h"
#include "client/gateway/request_context.h"
#include "client/gateway/wf_coding_tool.h"
#include "demo_gateway_process.h"

namespace {

std::string DecodeBase64(const std::string& text) {
  DWORD size = 0;
  if (text.empty()) return std::string();
  if (!CryptStringToBinaryA(text.c_str(), 0, CRYPT_STRING_BASE64, nullptr, &size, nullptr,
                            nullptr))
    return "<not base64>";
  std::string bytes(size, '\0');
  CryptStringToBinaryA(text.c_str(), 0, CRYPT_STRING_BASE64,
                       reinterpret_cast<BYTE*>(&bytes[0]), &size, nullptr, nullptr);
  bytes.resize(size);
  return bytes;
}

struct HttpRequest {
  std::string head;  // request line and headers, each line ending in CR LF
  std::string body;
};

HttpRequest SplitRequest(const std::string& raw) {
  std::size_t end = raw.find("\r\n\r\n");
  if (end == std::string::npos) return {raw, std::string()};
  return {raw.substr(0, end + 2), raw.substr(end + 4)};
}

// The three parts of ns1:service, in order, unqualified and without attributes.
struct ServiceParts {
  bool found = false;
  std::string serviceName, requestContext, requestData;
};

ServiceParts FindServiceParts(const std::string& body) {
  static const std::regex call(
      "<ns1:service><serviceName>([^<]*)</serviceName>"
      "<requestContext>([^<]*)</requestContext>"
      "<requestData>([^<]*)</requestData></ns1:service>");
  std::smatch m;
  ServiceParts parts;
  if (std::regex_search(body, m, call)) {
    parts.found = true;
    parts.serviceName = m[1];
    parts.requestContext = DecodeBase64(m[2]);
    parts.requestData = DecodeBase64(m[3]);
  }
  return parts;
}

const char kFullResult[] =
    "<R><ResponseCode>0</ResponseCode><ResponseMessage>A&amp;B</ResponseMessage>"
    "<ServiceResponseCode>-5</ServiceResponseCode>"
    "<ServiceResponseMessage>service message</ServiceResponseMessage></R>";

TEST(GatewayWire, RequestHeadersEnvelopeAndParts) {
  DemoGatewayProcess gateway;
  ASSERT_NE(gateway.port(), 0);
  GatewayReply reply;
  // Code page 936 text must arrive as its UTF-8 bytes.
  CallGatewayService(gateway.Url(), reply, "some.other.Service", "<doc>中文 & text</doc>");
  HttpRequest request = SplitRequest(gateway.RecordedRequest());

  const std::string port = std::to_string(gateway.port());
  EXPECT_EQ(request.head.rfind("POST /LRS/Wayfarer HTTP/1.1\r\n", 0), 0u) << request.head;
  EXPECT_NE(request.head.find("\r\nHost: 127.0.0.1:" + port + "\r\n"), std::string::npos);
  EXPECT_NE(request.head.find("\r\nContent-Type: text/xml; charset=utf-8\r\n"), std::string::npos);
  EXPECT_NE(request.head.find("\r\nContent-Length: " + std::to_string(request.body.size()) +
                              "\r\n"),
            std::string::npos);
  EXPECT_EQ(request.head.find("Transfer-Encoding"), std::string::npos);
  EXPECT_NE(request.head.find("\r\nConnection: close\r\n"), std::string::npos);
  EXPECT_NE(request.head.find("\r\nSOAPAction: \"\"\r\n"), std::string::npos);

  const std::string& body = request.body;
  EXPECT_EQ(body.rfind("<?xml", 0), 0u);
  for (const char* declaration :
       {"xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\"",
        "xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\"",
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"",
        "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\"",
        "xmlns:ns1=\"http://www.tarnnet.com/webservices/wayfarer\""})
    EXPECT_NE(body.find(declaration), std::string::npos) << declaration;
  EXPECT_EQ(body.find("SOAP-ENV:Header"), std::string::npos);
  EXPECT_NE(body.find("<SOAP-ENV:Body SOAP-ENV:encodingStyle="
                      "\"http://schemas.xmlsoap.org/soap/encoding/\">"),
            std::string::npos);
  EXPECT_EQ(body.find("xsi:type"), std::string::npos);

  ServiceParts parts = FindServiceParts(body);
  ASSERT_TRUE(parts.found) << body;
  EXPECT_EQ(parts.serviceName, "some.other.Service");
  // The context is fixed, whatever service the call names.
  EXPECT_EQ(parts.requestContext, kGatewayRequestContext);
  EXPECT_EQ(parts.requestData, std::string(u8"<doc>中文 & text</doc>"));
}

TEST(GatewayWire, EmptyDocumentIsAnEmptyPart) {
  DemoGatewayProcess gateway;
  ASSERT_NE(gateway.port(), 0);
  GatewayReply reply;
  CallGatewayService(gateway.Url(), reply, "svc", "");
  std::string body = SplitRequest(gateway.RecordedRequest()).body;
  std::smatch m;
  EXPECT_TRUE(std::regex_search(body, m, std::regex("<requestData(></requestData|/)>")))
      << body;
}

struct AnswerCase {
  const char* name;
  std::string options;
  GatewayReply expected;
  std::string returned;
};

class GatewayAnswer : public testing::TestWithParam<AnswerCase> {};

TEST_P(GatewayAnswer, FillsReply) {
  const AnswerCase& c = GetParam();
  DemoGatewayProcess gateway(c.options);
  ASSERT_NE(gateway.port(), 0);
  GatewayReply reply;
  reply.serviceResponseMessage = "kept";  // a failure leaves it alone
  std::string returned = CallGatewayService(gateway.Url(), reply, "svc", "<doc/>");
  EXPECT_EQ(returned, c.returned);
  EXPECT_EQ(reply.responseCode, c.expected.responseCode);
  EXPECT_EQ(reply.responseMessage, c.expected.responseMessage);
  EXPECT_EQ(reply.serviceResponseCode, c.expected.serviceResponseCode);
  EXPECT_EQ(reply.serviceResponseMessage, c.expected.serviceResponseMessage);
}

std::string LongText(char c, std::size_t n) { return std::string(n, c); }

INSTANTIATE_TEST_SUITE_P(
    Cases, GatewayAnswer,
    testing::Values(
        AnswerCase{"Success",
                   "--result " + Quoted(kFullResult) + " --response-data " + Quoted("the data"),
                   {"0", "A&amp;B", "-5", "service message"}, "the data"},
        AnswerCase{"MissingCloseTagAndAbsentKey",
                   "--result " + Quoted("<ResponseCode>3</ResponseCode><ResponseMessage>open end"),
                   {"3", "open end", "", ""}, "demo response data"},
        // Only the first 4,095 bytes of each part are read.
        AnswerCase{"LongPartsAreCut",
                   "--result " + Quoted("<ResponseCode>1</ResponseCode><ResponseMessage>" +
                                        LongText('m', 5000) + "</ResponseMessage>") +
                       " --response-data " + Quoted(LongText('d', 5000)),
                   {"1", LongText('m', 4095 - 47), "", ""}, LongText('d', 4095)},
        AnswerCase{"OneChild", "--answer one-child --result " + Quoted(kFullResult),
                   {"0", "A&amp;B", "-5", "service message"}, ""},
        // Parts are taken by position: their names and the response's are not read.
        AnswerCase{"Soap12OtherNamesAndTypes",
                   "--answer lenient --result " + Quoted(kFullResult) + " --response-data " +
                       Quoted("the data"),
                   {"0", "A&amp;B", "-5", "service message"}, "the data"},
        AnswerCase{"Soap11Fault", "--answer fault11 --fault-text " + Quoted("refused by service"),
                   {"-1", "refused by service", "-1", "kept"}, ""},
        AnswerCase{"Soap12Fault", "--answer fault12 --fault-text " + Quoted("reason text"),
                   {"-1", "reason text", "-1", "kept"}, ""},
        AnswerCase{"FaultWithoutText", "--answer fault-no-text",
                   {"-1", "Unknown exception", "-1", "kept"}, ""}),
    [](const testing::TestParamInfo<AnswerCase>& info) { return info.param.name; });

// Failures whose text is the library's own: only the codes and the untouched
// field are fixed.
struct TransportCase {
  const char* name;
  const char* gatewayOptions;  // null: no gateway is started
  std::string url;             // "{port}" stands for the gateway's port
  const char* message;         // the failure text where it is ours, else null
};

const char kGatewayUrl[] = "http://127.0.0.1:{port}/LRS/Wayfarer";

class GatewayTransportFailure : public testing::TestWithParam<TransportCase> {};

TEST_P(GatewayTransportFailure, FoldsIntoReply) {
  const TransportCase& c = GetParam();
  std::unique_ptr<DemoGatewayProcess> gateway;
  std::string url = c.url;
  if (c.gatewayOptions) {
    gateway.reset(new DemoGatewayProcess(c.gatewayOptions));
    ASSERT_NE(gateway->port(), 0);
    url.replace(url.find("{port}"), 6, std::to_string(gateway->port()));
  }
  GatewayReply reply;
  reply.serviceResponseMessage = "kept";
  GatewayTimeLimits limits;
  limits.connectSeconds = 2;
  limits.answerSeconds = 3;  // the silent gateway must run into it
  EXPECT_EQ(CallGatewayService(url, reply, "svc", "<doc/>", limits), "");
  EXPECT_EQ(reply.responseCode, "-1");
  if (c.message)
    EXPECT_EQ(reply.responseMessage, c.message);
  else
    EXPECT_FALSE(reply.responseMessage.empty());
  EXPECT_EQ(reply.serviceResponseCode, "-1");
  EXPECT_EQ(reply.serviceResponseMessage, "kept");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GatewayTransportFailure,
    testing::Values(
        TransportCase{"NotSoap", "--answer not-soap", kGatewayUrl, nullptr},
        TransportCase{"WrongPartType", "--answer wrong-type", kGatewayUrl, nullptr},
        TransportCase{"SilentGateway", "--answer silent", kGatewayUrl, nullptr},
        TransportCase{"ConnectionRefused", nullptr, "http://127.0.0.1:1/LRS/Wayfarer", nullptr},
        // No TLS: a live plain gateway behind an https URL is not reached.
        TransportCase{"Https", "", "https://127.0.0.1:{port}/LRS/Wayfarer", nullptr},
        // Neither the default endpoint nor standard input and output stand in.
        TransportCase{"EmptyUrl", nullptr, "", "The endpoint URL names no host"},
        TransportCase{"NoHost", nullptr, "http:///LRS/Wayfarer",
                      "The endpoint URL names no host"}),
    [](const testing::TestParamInfo<TransportCase>& info) { return info.param.name; });

int WINAPI FailingMultiByteToWideChar(UINT, DWORD, LPCCH, int, LPWSTR, int) {
  SetLastError(ERROR_NO_UNICODE_TRANSLATION);
  return 0;
}

TEST(GatewayCall, ConversionFailureThrowsBeforeSending) {
  CodingSystemCalls saved = WFCodingTool::SystemCalls();
  WFCodingTool::SystemCalls().multiByteToWideChar = &FailingMultiByteToWideChar;
  GatewayReply reply{"a", "b", "c", "d"};
  try {
    CallGatewayService("http://127.0.0.1:1/LRS/Wayfarer", reply, "svc", "<doc/>");
    ADD_FAILURE() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()).rfind("WFCodingTool::TransferCoding->", 0), 0u) << e.what();
  }
  WFCodingTool::SystemCalls() = saved;
  EXPECT_EQ(reply.responseCode, "a");
  EXPECT_EQ(reply.responseMessage, "b");
  EXPECT_EQ(reply.serviceResponseCode, "c");
  EXPECT_EQ(reply.serviceResponseMessage, "d");
}

}  // namespace
