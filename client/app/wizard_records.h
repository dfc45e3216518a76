// The two records the wizard's steps share: what one pass through the wizard
// has gathered, and the outcome of its submission. Text is in the ANSI code
// page.
#pragma once
#include <string>

#include "client/app/user_info_record.h"

struct SubmitOutcome {
  bool succeeded = false;
  std::string outcomeText;
};
