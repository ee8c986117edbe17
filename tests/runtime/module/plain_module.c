/* A library that is no class module: it exports neither entry. */
__declspec(dllexport) int plain_function(void) { return 3; }
