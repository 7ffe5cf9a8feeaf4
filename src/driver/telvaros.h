// The driver: one run over one input file; returns the exit code
// (0 result file delivered, 2 error file delivered, 1 fatal error,
// 3 version shown or command line rejected).
#pragma once

int telvaros(int argc, char** argv);
