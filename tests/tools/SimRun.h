// tavo-sim run as a program in a test's folder: its exit status and what it
// wrote on each output.
#pragma once

#include "support/TestFiles.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace tavo::test {

struct SimRun {
    int status = -1;
    std::string out;
    std::string err;
};

// `args` may end with a shell redirection of the standard input. A run that
// hangs is ended after two minutes (status 124).
inline SimRun sim(const TempDir& dir, const std::string& args) {
    std::string command = "cd " + dir.path() + " && timeout 120 " TAVO_SIM_PATH " " + args + " >" +
                          dir.file("out.txt") + " 2>" + dir.file("err.txt");
    int raw = std::system(command.c_str());
    SimRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readText(dir.file("out.txt"));
    run.err = readText(dir.file("err.txt"));
    return run;
}

} // namespace tavo::test
