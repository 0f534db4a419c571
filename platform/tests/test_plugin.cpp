// A loadable library for the run-time loading tests.
extern "C" __attribute__((visibility("default"))) int PlatformTestPluginAnswer() { return 42; }
