// The commands of elevate-cli. Each takes its own arguments (after the
// command name), talks to the agent and returns the process exit code.
#pragma once
#include <string>
#include <vector>
#include "elevate_parent.h"

using Words = std::vector<std::string>;

int reg_query(elevate_parent::Agent &agent, const Words &words);
int reg_set(elevate_parent::Agent &agent, const Words &words);
int run_program(elevate_parent::Agent &agent, const Words &words);
int shell(elevate_parent::Agent &agent, const Words &words);
int ping(elevate_parent::Agent &agent, const Words &words);

// Reports a request that went wrong; returns 2.
int report_failure(const char *what, const elevate_parent::Reply &reply);
