// One of two planners using the link at once, for the tests: each sets fields of its
// own, some in a group that the other's setters read, change and write back too.
#pragma once

namespace simlink::testing {

// who is 0 or 1. The number of failed calls and wrong values; the first few are told
// on stderr.
int Contend(int who, int iterations);

}  // namespace simlink::testing
