#pragma once
// The request context every gateway call sends: a constant, whatever service the
// call names, and the same client address on every machine.
inline constexpr char kGatewayRequestContext[] =
    "<RequestContext><Group name=\"SystemInfo\">"
    "<Key name=\"ClientName\">LrsClient</Key>"
    "<Key name=\"RedGatePassed\">true</Key>"
    "<Key name=\"IsGreenGate\">true</Key>"
    "<Key name=\"ServiceName\">tarn.wayfarer.lrs.NewClientIdExist</Key>"
    "<Key name=\"ClientVersion\">1.0</Key>"
    "<Key name=\"ServiceGroupName\">LrsContext</Key>"
    "<Key name=\"ClientIP\">127.0.0.1</Key>"
    "</Group><Group name=\"DataPresentation\">"
    "<Key name=\"CompressAlgorithm\"/>"
    "<Key name=\"EncryptAlgorithm\"/>"
    "<Key name=\"SignatureAlgorithm\"/>"
    "</Group></RequestContext>";
