#pragma once
// The one network exchange of the wizard: sends the request document through
// the enrolment service's SOAP gateway operation and reads the answer values.
#include <string>

// The service's four answer values. The caller owns the record; a call only
// assigns fields.
struct GatewayReply {
  std::string responseCode;            // "-1" for a failed exchange
  std::string responseMessage;         // or the failure text of a failed exchange
  std::string serviceResponseCode;     // "-1" for a failed exchange
  std::string serviceResponseMessage;  // left alone by a failed exchange
};

// Bounds on the waits of one exchange, so that a dead gateway cannot hold the
// wizard for ever. An expired wait fails the exchange like any transport error.
struct GatewayTimeLimits {
  int connectSeconds = 15;
  int answerSeconds = 60;  // for each send and each receive
};

// Sends `requestDocument` (ANSI code page; sent as UTF-8) as `serviceName` to the
// gateway at `endpointUrl` with the fixed request context. Returns the response
// data and fills `reply` on success; on any exchange failure returns "" with the
// codes "-1" and the failure text. Throws std::runtime_error only when the
// document cannot be converted, before anything is sent.
std::string CallGatewayService(const std::string& endpointUrl, GatewayReply& reply,
                               const std::string& serviceName,
                               const std::string& requestDocument,
                               const GatewayTimeLimits& limits = GatewayTimeLimits());

// The value of element `key` in a result text, found by plain text search: from
// after the first "<key>" to the first "</key>" behind it, or to the end of the
// text. Empty when "<key>" does not occur. Nothing is decoded or trimmed.
std::string ExtractTagValue(const std::string& text, const std::string& key);
