// Used only when the results viewer library is not part of the build: the two
// entry points the window binds, doing nothing.
extern "C" {
__attribute__((visibility("default"))) int Ch_Init(void) { return 0; }
__attribute__((visibility("default"))) void Ch_Destroy(void) {}
}
