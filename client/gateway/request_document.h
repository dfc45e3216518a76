#pragma once
// The enrolment request document sent as the gateway call's request data.
#include <string>

#include "client/app/user_info_record.h"

// Joins the contact fields into record.freeText, then writes the document from
// the record into `document` (ANSI code page; the gateway call makes it UTF-8).
void BuildRequestDocument(UserInfoRecord& record, std::string& document);
