// Linked into the widget tests only in the sanitizer build: memory errors and undefined behaviour
// still end the run, but the leak report at exit would list Qt's process-lifetime allocations
// (fonts, platform plugin, style), which are not ours to free.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
