// The planner's side of the link in a process of its own, for the tests:
//   simlink_test_client once                   exit code 0 when the simulator answers, else 1
//   simlink_test_client loop                   reads the altitude again and again until killed
//   simlink_test_client contend <who> <count>  sets and checks fields of its own, count times,
//                                              while another client does the same; the exit
//                                              code is 0 when every call succeeded and every
//                                              value read back as set
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "contention_worker.h"
#include "simlinker/simlinker.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "loop") == 0) {
        for (;;) TR_GetFSAltM();
    }
    if (argc == 4 && std::strcmp(argv[1], "contend") == 0) {
        const int wrong = simlink::testing::Contend(std::atoi(argv[2]), std::atoi(argv[3]));
        return wrong == 0 ? 0 : 1;
    }
    return TR_IsFSRunning() != 0 ? 0 : 1;
}
