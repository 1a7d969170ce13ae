// fontconfig keeps its configuration for the whole process and frees it only in FcFini, which
// the text library must not call while other code of the program may still use fontconfig.
// The leak checker of the sanitizer build would report that cache at every test's exit.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
