// The planner's side of the link in a process of its own, for the tests:
//   simlink_test_client once   exit code 0 when the simulator answers, else 1
//   simlink_test_client loop   reads the altitude again and again until killed
#include <cstring>

#include "simlinker/simlinker.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "loop") == 0) {
        for (;;) TR_GetFSAltM();
    }
    return TR_IsFSRunning() != 0 ? 0 : 1;
}
