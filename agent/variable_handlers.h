// Handlers that check their own arguments (variable lists, built structures)
// or do more than forward (copying account rights out of system memory).
#pragma once
#include "operation_table.h"

namespace UTElevate {

uint64_t start_service_handler(OperationCall &call);            // 108
uint64_t change_service_config2_handler(OperationCall &call);   // 111
uint64_t enumerate_account_rights_handler(OperationCall &call); // 121
uint64_t run_program_handler(OperationCall &call);              // 149

}  // namespace UTElevate
