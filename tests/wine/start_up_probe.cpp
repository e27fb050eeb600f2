// A DLL whose entry symbol is misspelled and which holds a global object with a constructor:
// without the C runtime's start-up nothing would run either, and the ABI check refuses both.
struct NeedsConstruction {
  NeedsConstruction();
  int value;
};
NeedsConstruction::NeedsConstruction() : value(42) {}
NeedsConstruction constructedAtLoad;

extern "C" int __stdcall DllMain(void*, unsigned long, void*) {
  return constructedAtLoad.value;
}
