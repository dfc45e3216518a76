// The enrolment service's SOAP gateway as soapcpp2 reads it: one operation,
// ns1:service, RPC style with SOAP encoding. The client proxy and the demo
// gateway's skeleton are both generated from this file at build time.

//gsoap ns1 service name: WayfarerPort
//gsoap ns1 service type: WayfarerPort
//gsoap ns1 service port: http://lrs.tarnnet.com:27666/LRS/Wayfarer
//gsoap ns1 service namespace: http://www.tarnnet.com/webservices/wayfarer
//gsoap ns1 service style: rpc
//gsoap ns1 service encoding: encoded
// An empty action makes the proxy send SOAPAction: "" instead of no header.
//gsoap ns1 service method-action: service ""

// Bytes on the wire as base64 text; accepts xsi:type base64Binary or base64.
class xsd__base64Binary
{
 public:
  unsigned char *__ptr;
  int __size;
  char *id, *type, *options;  // the library's own bookkeeping
};

// The answer: the first child is the result document, the second the response
// data. The leading underscore makes the parts anonymous: they are read by
// position whatever their names, and written as "result" and "responseData".
class ns1__serviceResponse
{
 public:
  xsd__base64Binary _result;
  xsd__base64Binary _responseData;
};

int ns1__service(std::string serviceName, xsd__base64Binary requestContext,
                 xsd__base64Binary requestData, ns1__serviceResponse &response);
