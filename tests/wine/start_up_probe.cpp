// A DLL whose entry symbol is misspelled: the loader would call nothing, and the ABI check
// refuses it.
extern "C" int __stdcall DllMain(void*, unsigned long, void*) {
  return 1;
}
