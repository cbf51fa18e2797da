// The web process a program starts, seen from outside it in /proc.
#pragma once

#include <sys/types.h>

// Whether the program runs a WebKit web process as its child.
bool RunsWebProcess(pid_t program);
