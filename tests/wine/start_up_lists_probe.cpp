// A program with an entry in the constructor list (PROBE_CONSTRUCTOR: a global object that needs
// constructing), or two in the destructor list and none in the other (PROBE_DESTRUCTOR), as
// mingw-w64's compiler and a hand-made list entry leave them: a shipped binary's link refuses both.
#ifdef PROBE_CONSTRUCTOR
struct NeedsConstruction {
  NeedsConstruction();
  int value;
};
NeedsConstruction::NeedsConstruction() : value(42) {}
NeedsConstruction constructedAtStart;
#else
static void CleanUp() {}
__attribute__((section(".dtors"), used)) void (*const firstDestructor)() = CleanUp;
__attribute__((section(".dtors"), used)) void (*const secondDestructor)() = CleanUp;
#endif

extern "C" void __stdcall ProbeMain() {}
